// The three windows, laid out from the core's design tables (twips, 15 to a
// pixel at 100 %), and shown as the core's state says.

export const TwipsPerPixel = 15;
const px = (twips) => `${twips / TwipsPerPixel}px`;

function place(element, [left, top, width, height]) {
  Object.assign(element.style, { left: px(left), top: px(top), width: px(width), height: px(height) });
}

function make(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}

// A check box or option button: the box, its caption beside it.
function captioned(type, c) {
  const box = make("input", { type, id: c.id });
  if (type === "radio") Object.assign(box, { name: c.name, value: c.index });
  const label = make("label");
  label.append(box, c.caption);
  return label;
}

const makers = {
  // A group whose controls lie at their places from its top left corner, its
  // caption over its border.
  Frame(c) {
    const frame = make("div");
    frame.setAttribute("role", "group");
    const caption = make("span", { className: "legend", id: `${c.id}.Caption`, textContent: c.caption });
    frame.setAttribute("aria-labelledby", caption.id);
    frame.append(caption);
    return frame;
  },
  Label: (c) => make("label", { textContent: c.caption }),
  TextBox: () => make("input", { type: "text", spellcheck: false }),
  ComboBox(c) {
    const box = make("input", { type: "text", spellcheck: false });
    box.setAttribute("list", `${c.id}.List`);
    return box;
  },
  Button: (c) => make("button", { type: "button", textContent: c.caption }),
  CheckBox: (c) => captioned("checkbox", c),
  OptionButton: (c) => captioned("radio", c),
  Picture(c) {
    const box = make("div");
    const canvas = make("canvas", { id: c.id });
    canvas.setAttribute("role", "img");
    box.append(canvas, make("img", { className: "startup", src: "startup.svg", alt: "" }));
    return box;
  },
  Swatch(c) {
    const swatch = make("div");
    swatch.setAttribute("role", "img");
    swatch.style.background = c.color;
    return swatch;
  },
};

// Where the element's id goes: on the box of a captioned box, on the canvas.
const idInside = new Set(["CheckBox", "OptionButton", "Picture"]);

function makeControl(c) {
  const element = makers[c.kind](c);
  element.classList.add(c.kind, c.face);
  if (!idInside.has(c.kind)) element.id = c.id;
  if (c.toolTip) element.title = c.toolTip;
  if (c.spokenName) (idInside.has(c.kind) ? element.firstChild : element).setAttribute("aria-label", c.spokenName);
  place(element, c.place);
  return element;
}

// The window's area with its controls, each in its frame, in the document in
// the order Tab visits them and the rest after; each box tied to its label.
export function buildArea(design) {
  const area = make("div", { className: "area" });
  place(area, [0, 0, design.width, design.height]);
  const elements = design.controls.map(makeControl);
  elements.forEach((element, i) => (element.style.zIndex = i)); // later rows lie on top
  const byName = (name) => design.controls.findIndex((c) => c.name === name);
  const order = new Set([...design.tabOrder, ...design.controls.keys()]);
  for (const i of order) {
    const frame = design.controls[i].frame;
    (frame ? elements[byName(frame)] : area).append(elements[i]);
  }
  for (const c of design.controls) {
    if (c.label) elements[byName(c.label)].htmlFor = c.id;
    if (c.kind === "ComboBox") area.append(make("datalist", { id: `${c.id}.List` }));
  }
  return area;
}

function showText(box, text) {
  if (box.value === text) return;
  box.value = text;
  if (document.activeElement !== box) box.setSelectionRange(0, 0); // a number reads from its first digit
}

function showList(datalist, items) {
  if ([...datalist.options].map((o) => o.value).join("\n") === items.join("\n")) return;
  datalist.replaceChildren(...items.map((value) => make("option", { value })));
}

// Each control as its state says. A box the user typed into since the state
// was taken keeps what was typed; windows are the page's to show.
export function showState(controls, { typedSince, showWindow }) {
  for (let [name, state] of Object.entries(controls)) {
    if ("visible" in state) {
      showWindow(name, state);
      continue;
    }
    if ("selected" in state) name = `${name}(${state.selected})`;
    const element = document.getElementById(name);
    if (!element || typedSince(name)) continue;
    if ("selected" in state) {
      element.checked = true;
    } else if ("value" in state) {
      element.checked = state.value === 1;
      element.indeterminate = state.value === 2;
    } else if ("text" in state) {
      showText(element, state.text);
      if (state.list) showList(document.getElementById(`${name}.List`), state.list);
    } else {
      element.textContent = state.caption;
      if (state.color) element.style.color = `rgb(${state.color.join(",")})`;
    }
  }
}
