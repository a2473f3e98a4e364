// The page's modal boxes: message boxes one at a time, the save dialog, and
// the page once Plotmere has ended.

function make(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}

// A dialog with a title bar, shown modal; resolves with what closed it.
function modal(title, body, buttons, role = "dialog") {
  const dialog = make("dialog", { className: "box" });
  dialog.setAttribute("role", role);
  const heading = make("h2", { className: "caption", textContent: title, id: `box-${Date.now()}` });
  dialog.setAttribute("aria-labelledby", heading.id);
  const row = make("div", { className: "buttons" });
  row.append(...buttons);
  dialog.append(heading, body, row);
  document.body.append(dialog);
  return new Promise((resolve) => {
    dialog.addEventListener("close", () => {
      dialog.remove();
      resolve(dialog.returnValue);
    });
    dialog.showModal();
  });
}

function button(caption, value) {
  const b = make("button", { textContent: caption, value });
  b.addEventListener("click", () => b.closest("dialog").close(value));
  return b;
}

// Text with its addresses as links that open beside the page.
function withLinks(text) {
  const body = make("p", { className: "message", id: `text-${Date.now()}` });
  for (const [i, part] of text.split(/(https?:\/\/\S+)/).entries()) {
    body.append(i % 2 ? make("a", { href: part, textContent: part, target: "_blank", rel: "noopener" }) : part);
  }
  return body;
}

// Answered OK, or by Esc.
export async function messageBox({ text, title, exclamation }) {
  const body = withLinks(text.replaceAll("\r", "\n"));
  if (exclamation) body.classList.add("exclamation");
  const ok = button("OK", "ok");
  const shown = modal(title, body, [ok], "alertdialog");
  body.closest("dialog").setAttribute("aria-describedby", body.id);
  ok.focus();
  await shown;
}

// "Picture|*.bmp|PNG image|*.png" as [description, extensions] pairs.
function filters(filter) {
  const parts = filter.split("|");
  const pairs = [];
  for (let i = 0; i + 1 < parts.length; i += 2) pairs.push([parts[i].trim(), parts[i + 1].match(/\*\.(\w+)/g)]);
  return pairs;
}

// The file name chosen, or "" for cancel. The type chosen gives a name without
// an extension its own.
export async function saveDialog({ saveTitle, saveName, saveFilter }) {
  const name = make("input", { type: "text", value: saveName, id: "SaveName" });
  const type = make("select", { id: "SaveType" });
  for (const [description, patterns] of filters(saveFilter)) {
    type.append(make("option", { value: patterns[0].slice(2), textContent: description }));
  }
  const body = make("div", { className: "fields" });
  body.append(make("label", { htmlFor: name.id, textContent: "File name" }), name,
    make("label", { htmlFor: type.id, textContent: "Save as type" }), type);
  const answer = modal(saveTitle, body, [button("Save", "save"), button("Cancel", "")]);
  name.select();
  name.addEventListener("keydown", (e) => e.key === "Enter" && name.closest("dialog").close("save"));
  if ((await answer) !== "save" || !name.value.trim()) return "";
  const chosen = name.value.trim();
  return /\.\w+$/.test(chosen) ? chosen : `${chosen}.${type.value}`;
}

export function showEnded() {
  const ended = make("section", { id: "ended" });
  const again = make("button", { textContent: "Start Plotmere again" });
  again.addEventListener("click", () => location.reload());
  ended.append(make("p", { textContent: "Plotmere has ended." }), again);
  document.body.replaceChildren(ended);
  again.focus();
}
