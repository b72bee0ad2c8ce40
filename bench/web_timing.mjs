// The web page's sizes and times: the module and scripts in bytes (and gzipped),
// the time from a load to the first name on screen over five loads, the first
// with an empty cache, the time from a click on "Generar" to its name, and in
// the grammar workshop, with Corelia's file, the time from a key to its twenty names.
// Usage: node bench/web_timing.mjs build/web/site build/web-tests
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromiumOptions, serve } from '../tests/web/static_server.mjs';

const site = process.argv[2] ?? 'build/web/site';
const puppeteer = createRequire(join(resolve(process.argv[3] ?? 'build/web-tests'), 'package.json'))('puppeteer-core');

for (const file of ['quelvarinox/quelvarinox.wasm', 'quelvarinox/quelvarinox.js', 'quelvarinox/library.js', 'page.js',
  'workshop.js']) {
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

await tab.click('#abrir-taller');
await tab.waitForSelector('#taller[aria-busy="false"]');
await tab.select('#taller-base', 'corelia');
await tab.click('#taller-cargar');
// A letter in, a letter out, at the end of the first line, a comment: the file is read again and its
// twenty names made every time, and the layout brought up to date.
const perKey = await tab.evaluate((count) => {
  const area = document.getElementById('taller-texto');
  const end = area.value.indexOf('\n');
  const times = [];
  for (let i = 0; i < count; i++) {
    const start = performance.now();
    if (i % 2 === 0) area.setRangeText('x', end, end);
    else area.setRangeText('', end, end + 1);
    area.dispatchEvent(new InputEvent('input', { inputType: 'insertText' }));
    document.body.getBoundingClientRect();
    times.push(performance.now() - start);
  }
  return times.sort((a, b) => a - b);
}, 200);
console.log(`workshop, Corelia's file, one keystroke to its twenty names: median ${perKey[100].toFixed(1)} ms, `
  + `slowest ${perKey.at(-1).toFixed(1)} ms of 200`);
// Keys typed through the browser, from each key's event to the next frame.
await tab.evaluate(() => {
  const area = document.getElementById('taller-texto');
  window.keyTimes = [];
  let pressed = 0;
  area.addEventListener('keydown', (event) => { pressed = event.timeStamp; });
  area.addEventListener('input', () => requestAnimationFrame(() => window.keyTimes.push(performance.now() - pressed)));
  area.focus();
  area.setSelectionRange(area.value.indexOf('\n'), area.value.indexOf('\n'));
});
for (let i = 0; i < 40; i++) await tab.keyboard.press(i % 2 === 0 ? 'x' : 'Backspace');
await new Promise((resolve) => setTimeout(resolve, 100));
const keyTimes = (await tab.evaluate(() => window.keyTimes)).sort((a, b) => a - b);
console.log(`workshop, a key typed to the next frame: median ${keyTimes[keyTimes.length >> 1].toFixed(1)} ms, `
  + `slowest ${keyTimes.at(-1).toFixed(1)} ms of ${keyTimes.length}`);
await browser.close();
server.close();
