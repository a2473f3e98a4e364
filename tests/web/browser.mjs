// The web build's page in Debian's Chromium, its site served on a free port so
// that tests run side by side; both close as the test ends, however it ends.
import { readdirSync, statSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";
import { serveSite } from "../../scripts/serve-site.mjs";

export const site = process.env.PLOTMERE_SITE;
export const siteFiles = () => readdirSync(site, { recursive: true }).filter((f) => statSync(join(site, f)).isFile());

// errors collects what a person would see fail: uncaught exceptions, requests
// that fail or answer with an error.
export async function openPage(t) {
  const server = await serveSite(site, 0);
  let browser;
  t.after(async () => {
    await browser?.close();
    server.close();
    server.closeAllConnections();
  });
  const { launch } = createRequire(`${process.env.PLOTMERE_BROWSER_DRIVER}/`)("puppeteer-core");
  const args = process.getuid() === 0 ? ["--no-sandbox"] : [];
  browser = await launch({ executablePath: "/usr/bin/chromium", args, timeout: 30_000 });
  const page = await browser.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  page.on("requestfailed", (request) => errors.push(`${request.url()} ${request.failure().errorText}`));
  page.on("response", (response) => response.ok() || errors.push(`${response.url()} ${response.status()}`));
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  return { browser, page, server, errors };
}

// The page with its windows built and the core's first state shown.
export async function openConsole(t) {
  const opened = await openPage(t);
  await opened.page.waitForFunction(() => document.getElementById("Status")?.textContent === "Ready");
  return opened;
}

// Types into the box of that name what a user types, replacing what it held.
export async function typeInto(page, name, text) {
  await page.click(`[id="${name}"]`, { clickCount: 3 });
  await page.keyboard.press("Backspace");
  await page.keyboard.type(text);
}
