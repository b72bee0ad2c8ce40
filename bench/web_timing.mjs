// The web page's sizes and times: the module and scripts in bytes (and gzipped),
// the time from a load to the first name on screen over five loads, the first
// with an empty cache, and the time from a click on "Generar" to its name.
// Usage: node bench/web_timing.mjs build/web/site build/web-tests
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromiumOptions, serve } from '../tests/web/static_server.mjs';

const site = process.argv[2] ?? 'build/web/site';
const puppeteer = createRequire(join(process.argv[3] ?? 'build/web-tests', 'package.json'))('puppeteer-core');

for (const file of ['quelvarinox/quelvarinox.wasm', 'quelvarinox/quelvarinox.js', 'quelvarinox/library.js', 'page.js']) {
  const bytes = readFileSync(join(site, file));
  console.log(`${file}: ${(bytes.length / 1024).toFixed(1)} KiB (${(gzipSync(bytes).length / 1024).toFixed(1)} KiB gzip)`);
}
const server = await serve(site);
const browser = await puppeteer.launch(chromiumOptions);
const tab = await (await browser.createBrowserContext()).newPage();
await tab.evaluateOnNewDocument(() => {
  new MutationObserver((_, observer) => {
    const name = document.getElementById('nombre')?.value;
    if (name && name !== '…') {
      window.firstNameAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, childList: true, characterData: true });
});
const firsts = [];
for (let load = 0; load < 5; load++) {
  await tab.goto(server.url, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#generar:not([disabled])');
  firsts.push(await tab.evaluate(() => window.firstNameAt));
}
console.log(`first name after ${firsts.map((ms) => ms.toFixed(0)).join(', ')} ms of five loads`);
const perName = await tab.evaluate((count) => {
  const button = document.getElementById('generar');
  const start = performance.now();
  for (let i = 0; i < count; i++) button.click();
  return (performance.now() - start) / count;
}, 1000);
console.log(`one name, from the click to the page showing it: ${(perName * 1000).toFixed(0)} µs`);
await browser.close();
server.close();
