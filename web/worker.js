// The calculator's worker: runs the core, sends the page every event in
// order, fires the timers, and shows the page how a long command goes.
"use strict";
importScripts("plotmere-page.js");

const ScriptFolder = "/scripts";
const ProgressEvery = 50; // milliseconds between pictures while a command runs

let core, session;
let lastShown = 0;
let seen = 0; // the number of the page's last message: the page knows what came after
let running = false; // in the middle of what the page asked
const timers = new Map(); // id -> { due, interval, handle }

function post(message, transfer = []) {
  postMessage(message, transfer);
}

// What the state now says, with the picture's pixels where they changed.
function showState() {
  const state = session.state();
  const transfer = [];
  if (state.picture) {
    state.picture.rgba = new Uint8ClampedArray(state.picture.rgba); // out of the core's memory
    transfer.push(state.picture.rgba.buffer);
  }
  lastShown = Date.now();
  post({ type: "state", state, seen, running }, transfer);
}

function schedule(id, interval) {
  const timer = { due: Date.now() + interval, interval };
  timer.handle = setTimeout(() => fire(id), interval);
  timers.set(id, timer);
}

function stop(id) {
  clearTimeout(timers.get(id)?.handle);
  timers.delete(id);
}

// Ticks again unless its handler disables it.
function fire(id) {
  const timer = timers.get(id);
  if (!timer) return;
  stop(id);
  schedule(id, timer.interval);
  const within = running;
  running = true;
  session.tick(id);
  running = within;
  if (!session.ended() && !within) showState();
}

function fireDueTimers() {
  for (const [id, timer] of [...timers]) if (Date.now() >= timer.due) fire(id);
}

// A saved file leaves the worker's memory for the page to download.
function download(event) {
  const bytes = core.FS.readFile(event.path);
  core.FS.unlink(event.path);
  post({ type: "download", name: event.path, mime: event.mime, bytes }, [bytes.buffer]);
}

// Each event of the core, in the order it happened.
function fromCore(event) {
  switch (event.type) {
    case "events":
      fireDueTimers();
      if (Date.now() - lastShown >= ProgressEvery) showState();
      return;
    case "timer":
      stop(event.id);
      if (event.enabled) schedule(event.id, event.interval);
      return;
    case "download":
      return download(event);
    case "beep":
    case "clipboard":
      return post(event);
    default: // a message box, a pause, the end, a picture to encode: the page sees the state first
      showState();
      post(event);
  }
}

// What the page asks, one at a time: a command runs to its end before the
// next. Input that starts nothing returns false: the page shows it already.
const fromPage = {
  start({ scale, help, files }) {
    session = new core.Session(fromCore, scale, help, ScriptFolder);
    fromPage.files({ files });
    post({ type: "designs", forms: core.designs() });
  },
  files({ files }) {
    for (const { name, bytes } of files) core.FS.writeFile(`${ScriptFolder}/${name}`, bytes);
    return false;
  },
  text({ name, text }) {
    session.setText(name, text);
    return false;
  },
  value({ name, value }) {
    session.setValue(name, value);
    return false;
  },
  click({ name, save }) {
    if (save !== undefined) session.answerNextSave(save);
    session.click(name);
  },
  press({ u, v }) {
    session.mouseDown(u, v);
  },
  pointer({ u, v }) {
    post({ type: "readout", text: session.pointerReadout(u, v) });
    return false;
  },
  scale({ scale }) {
    session.setScale(scale);
  },
};

const ready = PlotmereCore().then((loaded) => {
  core = loaded;
  core.FS.mkdir(ScriptFolder);
});

onmessage = async ({ data }) => {
  await ready;
  if (session?.ended()) return;
  seen = data.seq;
  running = true;
  const changed = fromPage[data.type](data) !== false;
  running = false;
  if (changed) showState();
};
