// The page does what the desktop does, through the same core: checked against
// the desktop program's own headless console where it names one.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import test from "node:test";
import { openConsole, typeInto } from "./browser.mjs";
import { TwipsPerPixel } from "../../web/forms.js";

const desktop = process.env.PLOTMERE_DESKTOP_PROGRAM;
const examples = new URL("../../examples/", import.meta.url).pathname;
const options = { timeout: 90_000 };

// The desktop's transcript of the actions, and the bitmap its last line saves.
function onDesktop(actions) {
  const folder = mkdtempSync(join(tmpdir(), "page-test-"));
  writeFileSync(join(folder, "actions"), `${actions.join("\n")}\npicture ${folder}/picture.bmp\n`);
  const transcript = execFileSync(desktop, ["--headless", "--scripts", examples, join(folder, "actions")],
    { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" }, encoding: "utf8" });
  return { transcript, bitmap: readFileSync(join(folder, "picture.bmp")) };
}

// Each pixel of a bottom-up 24-bit bitmap as RGBA, top row first.
function rgbaOf(bitmap) {
  const [start, width, height] = [bitmap.readUInt32LE(10), bitmap.readInt32LE(18), bitmap.readInt32LE(22)];
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgba = [];
  for (let y = height - 1; y >= 0; y--) {
    for (let x = 0; x < width; x++) {
      const at = start + y * stride + x * 3;
      rgba.push(bitmap[at + 2], bitmap[at + 1], bitmap[at], 255);
    }
  }
  return { width, height, rgba };
}

const canvasPixels = (page) => page.evaluate(() => {
  const { width, height } = document.getElementById("Picture1");
  const data = document.getElementById("Picture1").getContext("2d").getImageData(0, 0, width, height).data;
  return { width, height, rgba: [...data] };
});

// After a command, once the start-up picture went and the status line says Ready.
const graphed = (page) => page.waitForFunction(() =>
  document.querySelector(".startup").hidden && document.getElementById("Status").textContent === "Ready");

// Saves the picture through the save dialog; the file the browser downloads.
async function save(page, name, type) {
  const folder = mkdtempSync(join(tmpdir(), "page-download-"));
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder });
  await page.click("#Saver");
  await typeInto(page, "SaveName", name);
  await page.select("#SaveType", type);
  await page.keyboard.press("Enter");
  const file = join(folder, `${name}.${type}`);
  await page.waitForFunction((shown) => document.getElementById("Status").textContent === shown, {}, `${name}.${type}`);
  for (let waited = 0; !existsSync(file) && waited < 5000; waited += 100) await new Promise((r) => setTimeout(r, 100));
  return readFileSync(file);
}

test("a graph is the desktop's, pixel for pixel, and saves as its files", { ...options, skip: !desktop }, async (t) => {
  const { page, errors } = await openConsole(t);
  await typeInto(page, "FunctionIn", "(Sx)Cx");
  await page.click("#WhichOp");
  await page.keyboard.press("Enter");
  await graphed(page);
  const { bitmap } = onDesktop(["type FunctionIn (Sx)Cx", "check WhichOp 1", "click Evaluate"]);
  assert.deepEqual(await canvasPixels(page), rgbaOf(bitmap));
  assert.deepEqual(await page.$$eval("#FunctionIn\\.List option", (items) => items.map((o) => o.value)), ["(Sx)Cx"]);
  assert.deepEqual(await save(page, "graph", "bmp"), bitmap);
  assert.equal((await save(page, "graph", "png")).toString("latin1", 1, 4), "PNG");
  assert.deepEqual(errors, []);
});

test("Evaluate shows the value at x, a click on it copies it, the status fades", options, async (t) => {
  const { browser, page } = await openConsole(t);
  await browser.defaultBrowserContext().overridePermissions(new URL(page.url()).origin, ["clipboard-read", "clipboard-sanitized-write"]);
  await typeInto(page, "Xequals", "4");
  await typeInto(page, "FunctionIn", "x+1");
  await page.click("#Evaluate");
  await page.waitForFunction(() => document.getElementById("Result").textContent === "5");
  const statusColor = () => page.$eval("#Status", (status) => status.style.color);
  assert.equal(await statusColor(), "rgb(0, 0, 128)");
  await page.click("#Result");
  await page.waitForFunction(async () => (await navigator.clipboard.readText()) === "5");
  await page.waitForFunction(() => document.getElementById("Status").style.color === "rgb(0, 0, 0)");
});

test("the Console is laid out from its design, and whole on a narrow screen", options, async (t) => {
  const { page } = await openConsole(t);
  const box = (id) => page.$eval(`[id="${id}"]`, (e) => [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]);
  const evaluateDesign = [1320, 1080, 1215, 735]; // its row of the Console's design, in twips
  assert.deepEqual(await box("Evaluate"), evaluateDesign.map((twips) => twips / TwipsPerPixel));
  assert.deepEqual((await box("Picture1")).slice(2), [274, 124]);
  await page.setViewport({ width: 360, height: 640 });
  await page.waitForFunction(() => document.getElementById("Console").getBoundingClientRect().right <= innerWidth);
});

test("two clicks on the picture zoom into the box they span", { ...options, skip: !desktop }, async (t) => {
  const { page } = await openConsole(t);
  await page.click("#WhichOp");
  await page.click("#Evaluate");
  await graphed(page);
  const canvas = await (await page.$("#Picture1")).boundingBox();
  for (const [u, v] of [[1500, 405], [3000, 1200]]) {
    await page.mouse.click(canvas.x + u / TwipsPerPixel, canvas.y + v / TwipsPerPixel);
    await new Promise((resolve) => setTimeout(resolve, 300)); // the first corner's box shows for 150 ms
  }
  const boxes = ["Text3", "Text4", "Text5", "Text6"];
  const { transcript } = onDesktop(["check WhichOp 1", "click Evaluate", "press 1500 405", "wait 300",
    "press 3000 1200", "wait 300", ...boxes.map((box) => `show ${box}`)]);
  await page.waitForFunction(() => document.getElementById("Text3").value !== "10");
  for (const box of boxes)
    assert.equal(`${box}: ${await page.$eval(`#${box}`, (b) => b.value)}`, transcript.match(new RegExp(`^${box}: .*$`, "m"))[0]);
});

test("a script of the script folder runs as on the desktop", { ...options, skip: !desktop }, async (t) => {
  const { page } = await openConsole(t);
  const actions = ["type Xequals 3", 'type FunctionIn "circle"', "click Evaluate", "show Result"];
  const [, result] = onDesktop(actions).transcript.match(/^Result: (.*)$/m);
  await typeInto(page, "Xequals", "3");
  await typeInto(page, "FunctionIn", '"circle"');
  await page.click("#Evaluate");
  for (;;) { // the script shows each line in a box of its own
    const box = await page.waitForSelector("dialog[role=alertdialog]", { timeout: 2000 }).catch(() => null);
    if (!box) break;
    await box.$eval("button", (ok) => ok.click());
  }
  assert.equal(await page.$eval("#Result", (label) => label.textContent), result);
});

test("a message box holds back what the command did after it until OK", options, async (t) => {
  const { page } = await openConsole(t);
  await typeInto(page, "FunctionIn", "2#[a]+a");
  await page.click("#Evaluate");
  const box = await page.waitForSelector("dialog[role=alertdialog]");
  assert.match(await box.evaluate((b) => b.textContent), /The format of the memory store/);
  assert.equal(await page.$eval("#Status", (s) => s.textContent), "Evaluating input");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("Status").textContent === "Error.");
  assert.equal(await page.$("dialog[role=alertdialog]"), null);
});

test("Help names the manual with a link the site serves", options, async (t) => {
  const { page } = await openConsole(t);
  await page.click("#HelpMe");
  const link = await page.waitForSelector("dialog[role=alertdialog] a");
  const href = await link.evaluate((a) => a.href);
  assert.match(href, /\/manual\.html$/);
  assert.equal(await page.evaluate(async (url) => (await fetch(url)).ok, href), true);
});

// Waits until the Functions window is open, or closed.
const functionsOpen = (page, open) =>
  page.waitForFunction((wanted) => document.getElementById("FunctionList").open === wanted, {}, open);

test("the Functions window is modal; OK keeps its rows and Esc cancels", options, async (t) => {
  const { page } = await openConsole(t);
  await page.click("#GotoFunkList");
  await page.waitForFunction(() => document.querySelector("dialog:modal")?.id === "FunctionList");
  await typeInto(page, "f1", "x^2");
  await page.keyboard.press("Enter");
  await functionsOpen(page, false);
  await page.click("#GotoFunkList");
  await functionsOpen(page, true);
  assert.equal(await page.$eval("#f1", (box) => box.value), "x^2");
  await typeInto(page, "f2", "x^3");
  await page.keyboard.press("Escape");
  await functionsOpen(page, false);
  await page.click("#GotoFunkList");
  await functionsOpen(page, true);
  assert.equal(await page.$eval("#f2", (box) => box.value), "");
});

test("Quit ends even a long command, and the page starts Plotmere again", options, async (t) => {
  const { page } = await openConsole(t);
  await page.$eval("#FunctionIn", (box) => {
    box.value = "Sx+".repeat(1 << 20) + "x";
    box.dispatchEvent(new Event("input", { bubbles: true }));
  });
  await page.click("#Integrate");
  await page.waitForFunction(() => document.title === "Plotmere <running>");
  await page.click("#GetOut");
  const again = await page.waitForSelector("#ended button");
  assert.match(await page.$eval("#ended", (e) => e.textContent), /Plotmere has ended\./);
  await Promise.all([page.waitForNavigation(), again.click()]);
  await page.waitForSelector("#Picture1");
});

test("every control is named for a screen reader; the picture is the Graph", options, async (t) => {
  const { page } = await openConsole(t);
  const unnamed = [];
  const visit = (node) => {
    if (["button", "textbox", "combobox", "checkbox", "radio", "image"].includes(node.role) && !node.name?.trim())
      unnamed.push(node.role);
    node.children?.forEach(visit);
  };
  visit(await page.accessibility.snapshot({ interestingOnly: false }));
  assert.deepEqual(unnamed, []);
  assert.equal(await page.$eval("#Picture1", (c) => c.getAttribute("aria-label")), "Graph");
  assert.equal(await page.$eval("label[for=Xequals]", (l) => l.textContent), "x =");
});
