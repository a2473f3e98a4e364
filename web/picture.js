// Picture1: the core's pixels at the device's resolution, the mouse on it in
// picture units, the readout beside the pointer, and a picture saved from it.

import { TwipsPerPixel } from "./forms.js";

export class Picture {
  // press and ask take a place in picture units: a press, a readout wanted.
  constructor(canvas, { press, ask }) {
    this.askCore = ask;
    this.canvas = canvas;
    this.readout = Object.assign(document.createElement("div"), { className: "readout", hidden: true });
    this.readout.setAttribute("aria-hidden", "true"); // the status line says the same
    canvas.after(this.readout);
    this.asking = false; // a readout asked for and not yet come
    canvas.addEventListener("mousedown", (e) => e.button === 0 && press(this.at(e)));
    canvas.addEventListener("mousemove", (e) => {
      this.pointer = e;
      if (!this.asking) this.ask();
    });
    canvas.addEventListener("mouseleave", () => {
      this.pointer = null;
      this.readout.hidden = true;
    });
  }

  // Picture units from the top left of the drawing area.
  at(e) {
    return { u: e.offsetX * TwipsPerPixel, v: e.offsetY * TwipsPerPixel };
  }

  ask() {
    this.asking = true;
    this.askedFor = this.pointer;
    this.askCore(this.at(this.pointer));
  }

  // The readout for where the pointer was; if it moved meanwhile, where it is
  // now is asked next.
  showReadout(text) {
    this.asking = false;
    if (!this.pointer) return;
    Object.assign(this.readout, { textContent: text, hidden: !text });
    // Below and right of the pointer, or where the picture has room for it.
    const gap = 12, { offsetX: x, offsetY: y } = this.pointer;
    const { offsetWidth: width, offsetHeight: height } = this.readout;
    const left = x + gap + width > this.canvas.offsetWidth ? x - gap - width : x + gap;
    const top = y + gap + height > this.canvas.offsetHeight ? y - gap - height : y + gap;
    Object.assign(this.readout.style, { left: `${Math.max(0, left)}px`, top: `${Math.max(0, top)}px` });
    if (this.pointer !== this.askedFor) this.ask();
  }

  // The core's pixels, scale device pixels to a CSS pixel.
  show({ width, height, rgba }, scale) {
    Object.assign(this.canvas, { width, height });
    Object.assign(this.canvas.style, { width: `${width / scale}px`, height: `${height / scale}px` });
    // Pixels put whole each time: a canvas in memory, not on the graphics card.
    this.canvas.getContext("2d", { willReadFrequently: true }).putImageData(new ImageData(rgba, width, height), 0, 0);
  }

  showStartup(shown) {
    this.canvas.parentElement.querySelector(".startup").hidden = !shown;
  }

  describe(description) {
    if (this.canvas.getAttribute("aria-description") !== description)
      this.canvas.setAttribute("aria-description", description);
  }

  encode(mime) {
    return new Promise((resolve) => this.canvas.toBlob(resolve, mime));
  }
}
