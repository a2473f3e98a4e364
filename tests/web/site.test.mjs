import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import test from "node:test";
import { gzipSync } from "node:zlib";
import { openPage, site, siteFiles } from "./browser.mjs";

test("the page loads and a browser offers to install it", { timeout: 60_000 }, async (t) => {
  const { page, errors } = await openPage(t);
  const cdp = await page.createCDPSession();
  assert.deepEqual((await cdp.send("Page.getInstallabilityErrors")).installabilityErrors, []);
  const icons = await page.evaluate(async () => {
    const { icons } = await (await fetch("manifest.webmanifest")).json();
    const images = icons.map(({ src }) => Object.assign(new Image(), { src }));
    await Promise.all(images.map((image) => image.decode()));
    return icons.map(({ sizes }, i) => [sizes, `${images[i].naturalWidth}x${images[i].naturalHeight}`]);
  });
  for (const [declared, loaded] of icons) if (declared !== "any") assert.equal(loaded, declared);
  assert.deepEqual(errors, []);
});

test("after the first visit every file of the site is there offline", { timeout: 60_000 }, async (t) => {
  const { page, server, errors } = await openPage(t);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  server.close();
  server.closeAllConnections();
  await page.reload();
  assert.equal(await page.title(), "Plotmere");
  await page.waitForSelector("#Picture1");
  const missing = await page.evaluate(async (files) => {
    const found = await Promise.all(files.map((file) => fetch(file).then((response) => response.ok, () => false)));
    return files.filter((file, i) => !found[i]);
  }, siteFiles().filter((file) => file !== "sw.js"));
  assert.deepEqual(missing, []);
  assert.deepEqual(errors, []);
});

test("the site, each file gzipped, stays within 600 KB without the manual", (t) => {
  const manual = /^(manual\.html|docs\/)/;
  const files = siteFiles().filter((file) => !manual.test(file));
  const bytes = files.reduce((sum, file) => sum + gzipSync(readFileSync(join(site, file)), { level: 9 }).length, 0);
  t.diagnostic(`site: ${(bytes / 1024).toFixed(1)} KB gzipped`);
  assert.ok(bytes <= 600 * 1024);
});
