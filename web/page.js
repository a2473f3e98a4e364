// Plotmere as a web page: the Console window as the page, Settings and
// Functions as windows inside it, all laid out from the core's designs and
// showing its state. The core runs in a worker and runs ahead; its events are
// shown here in order, each message box holding back what follows until OK.

import { buildArea, showState } from "./forms.js";
import { messageBox, saveDialog, showEnded } from "./dialogs.js";
import { Picture } from "./picture.js";
import { addFiles, folderFiles } from "./script_folder.js";

const worker = new Worker("worker.js");
let sent = 0; // messages to the worker, numbered
const typedAt = new Map(); // box -> the number of the message with its last text
let busy = false; // the core said it is in the middle of a command
let latest = null; // the last state shown
let picture = null;
const windows = new Map(); // form name -> its element

function send(message) {
  worker.postMessage({ ...message, seq: ++sent });
}

// Clicks wait their turn, but one made while a command runs is lost, as on
// the desktop; Quit ends even that command.
function click(name, extra = {}) {
  if (!busy) send({ type: "click", name, ...extra });
  else if (name === "GetOut") end();
}

function end() {
  worker.terminate();
  showEnded();
}

let fitted = 1; // the Console scaled down to a narrow screen's width
const pictureScale = () => devicePixelRatio * fitted;

// A screen narrower than the Console shows it whole, scaled to the width.
function fit() {
  const desk = document.getElementById("desk");
  const { offsetWidth: width, offsetHeight: height } = document.getElementById("Console");
  const room = document.documentElement.clientWidth - 2 * parseFloat(getComputedStyle(document.body).paddingLeft);
  const scale = Math.min(1, room / width);
  Object.assign(desk.style, {
    transform: scale < 1 ? `scale(${scale})` : "",
    width: `${width * scale}px`,
    height: `${height * scale}px`,
  });
  if (scale === fitted) return;
  fitted = scale;
  send({ type: "scale", scale: pictureScale() });
}

// The save dialog is answered before the click that shows it.
async function save() {
  if (busy) return;
  const fileName = await saveDialog(latest);
  click("Saver", { save: fileName });
}

function download(blob, path) {
  const link = Object.assign(document.createElement("a"), { href: URL.createObjectURL(blob), download: path.split("/").pop() });
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function beep() {
  const audio = new AudioContext();
  const tone = Object.assign(audio.createOscillator(), { type: "square" });
  tone.frequency.value = 880;
  tone.connect(audio.destination);
  tone.start();
  tone.stop(audio.currentTime + 0.1);
  tone.onended = () => audio.close();
}

function showWindow(name, { caption, visible }) {
  if (name === "Console") {
    document.title = caption;
    return;
  }
  const element = windows.get(name);
  element.querySelector(".caption").textContent = caption;
  if (visible === element.open) return;
  if (!visible) return element.close();
  if (name === "FunctionList") element.showModal();
  else element.show();
  element.style.setProperty("--fit", Math.min(1, (innerWidth - 16) / element.offsetWidth));
  // Beside the Console where the screen has room, as on the desktop.
  const beside = document.getElementById("desk").getBoundingClientRect().right + 8;
  element.classList.toggle("beside", !element.matches(":modal") && beside + element.offsetWidth <= innerWidth);
  element.style.setProperty("--beside", `${beside}px`);
}

const fromWorker = {
  designs({ forms }) {
    for (const design of forms) buildWindow(design);
    picture = new Picture(document.getElementById("Picture1"), {
      press: (at) => busy || send({ type: "press", ...at }),
      ask: (at) => send({ type: "pointer", ...at }),
    });
    const first = forms[0].firstFocus;
    if (first) document.getElementById(first).focus();
    fit();
    addEventListener("resize", fit);
  },
  state({ state, seen, running }) {
    latest = state;
    busy = running;
    showState(state.controls, { typedSince: (name) => (typedAt.get(name) ?? 0) > seen, showWindow });
    if (state.picture) picture.show(state.picture, pictureScale());
    picture.describe(state.graph);
    picture.showStartup(state.startup);
  },
  message: messageBox,
  pause: ({ ms }) => new Promise((resolve) => setTimeout(resolve, ms)),
  beep,
  clipboard: ({ text }) => navigator.clipboard.writeText(text).catch(() => {}),
  download: ({ name, mime, bytes }) => download(new Blob([bytes], { type: mime }), name),
  encode: async ({ path, mime }) => download(await picture.encode(mime), path),
  readout: ({ text }) => picture.showReadout(text),
  end: showEnded,
};

const queue = [];
let showing = false;

// Each event in turn; one that shows a box or waits holds back the rest.
async function showEvents() {
  showing = true;
  while (queue.length) await fromWorker[queue[0].type](queue.shift());
  showing = false;
}

worker.onmessage = ({ data }) => {
  queue.push(data);
  if (!showing) showEvents();
};

// Enter presses the window's default button and Esc its cancel button, as on the desktop.
function keys(element, design) {
  element.addEventListener("keydown", (e) => {
    if (e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    const button = e.key === "Enter" && e.target.localName !== "button" ? design.defaultButton
      : e.key === "Escape" ? design.cancelButton : null;
    if (!button) return;
    e.preventDefault();
    document.getElementById(button).click();
  });
}

// Input goes to the core as it is typed, ticked or chosen; clicks by name.
function input(area) {
  area.addEventListener("input", ({ target }) => {
    if (target.type !== "text") return;
    typedAt.set(target.id, sent + 1);
    send({ type: "text", name: target.id, text: target.value });
  });
  area.addEventListener("change", ({ target }) => {
    if (target.type !== "checkbox" && target.type !== "radio") return;
    const value = target.type === "radio" ? Number(target.value) : Number(target.checked);
    send({ type: "value", name: target.name || target.id, value });
    click(target.name || target.id);
  });
  area.addEventListener("click", ({ target }) => {
    const control = target.closest("button, label.Label");
    if (!control?.id) return;
    if (control.id === "Saver") save();
    else click(control.id);
  });
}

function buildWindow(design) {
  const area = buildArea(design);
  input(area);
  let element;
  if (design.name === "Console") {
    element = Object.assign(document.createElement("main"), { id: "Console", className: "form" });
    element.append(area);
  } else {
    element = Object.assign(document.createElement("dialog"), { id: design.name, className: "form" });
    element.append(Object.assign(document.createElement("h2"), { className: "caption" }), area);
    element.addEventListener("cancel", (e) => {
      e.preventDefault();
      if (design.cancelButton) document.getElementById(design.cancelButton).click();
    });
  }
  keys(element, design);
  windows.set(design.name, element);
  document.getElementById("desk").append(element);
}

async function start() {
  const files = await folderFiles().catch(() => []);
  send({ type: "start", scale: pictureScale(), help: new URL("manual.html", location).href, files });
  showFolder(files);
  matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener("change", rescale, { once: true });
}

// The browser's zoom changed the device pixels to a CSS pixel.
function rescale() {
  send({ type: "scale", scale: pictureScale() });
  matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener("change", rescale, { once: true });
}

function showFolder(files) {
  const list = document.getElementById("folder-files");
  const names = new Set([...list.children].map((item) => item.textContent));
  for (const { name } of files) names.add(name);
  list.replaceChildren(...[...names].sort().map((name) => Object.assign(document.createElement("li"), { textContent: name })));
}

async function keep(fileList) {
  const files = await addFiles(fileList);
  send({ type: "files", files });
  showFolder(files);
}

document.getElementById("folder-add").addEventListener("change", (e) => keep(e.target.files));
document.addEventListener("dragover", (e) => e.preventDefault());
document.addEventListener("drop", (e) => {
  e.preventDefault();
  keep(e.dataTransfer.files);
});
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
start();
