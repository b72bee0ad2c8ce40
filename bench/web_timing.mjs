// The web page's sizes and times: the module and scripts in bytes (and gzipped),
// the time from a load to the first name on screen over five loads, the first
// with an empty cache, the time from a click on "Generar" to its name, and in
// the grammar workshop, with Corelia's file, the time from a key to its twenty
// names. At the loader's limit, with a file of 1 MiB that deflate hardly
// shrinks: the time to take it pasted, to take a key and to open its link, by
// the clock and in the time that the page's thread itself ran, from a trace,
// which the other programs of a busy machine do not stretch.
// Usage: node bench/web_timing.mjs build/web/site build/web-tests
import { readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { deflateRawSync, gzipSync } from 'node:zlib';
import { chromiumOptions, serve } from '../tests/web/static_server.mjs';
import { megabyteGrammar } from './megabyte_grammar.mjs';

const site = process.argv[2] ?? 'build/web/site';
const puppeteer = createRequire(join(resolve(process.argv[3] ?? 'build/web-tests'), 'package.json'))('puppeteer-core');

const scripts = readdirSync(site).filter((file) => file.endsWith('.js'));
for (const file of ['quelvarinox/quelvarinox.wasm', 'quelvarinox/quelvarinox.js', 'quelvarinox/library.js', ...scripts]) {
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
// Keys typed through the browser at the end of the text's first line, a comment. For each, the time from
// its event to the next frame, and to its twenty names and its link. `between(n)` runs after the n-th key.
await tab.evaluate(() => {
  const area = document.getElementById('taller-texto');
  const link = document.getElementById('taller-enlace');
  let pressed;
  let awaited = false;
  area.addEventListener('keydown', (event) => {
    pressed = event.timeStamp;
    awaited = true;
  });
  area.addEventListener('input', () => requestAnimationFrame(() => window.keyTimes.push(performance.now() - pressed)));
  new MutationObserver(() => {
    if ('pending' in link.dataset || !awaited) return;
    awaited = false;
    window.namesTimes.push(performance.now() - pressed);
  }).observe(link, { attributes: true });
});
async function typeKeys(count, between = async () => {}) {
  await tab.evaluate(() => {
    const area = document.getElementById('taller-texto');
    window.keyTimes = [];
    window.namesTimes = [];
    area.goTo(1, area.value.indexOf('\n') + 1);
  });
  for (let i = 0; i < count; i++) {
    await tab.keyboard.press(i % 2 === 0 ? 'x' : 'Backspace');
    await between(i + 1);
  }
  await new Promise((resolve) => setTimeout(resolve, 100));
  return tab.evaluate(() => [window.keyTimes, window.namesTimes].map((times) => times.sort((a, b) => a - b)));
}
const [, perKey] = await typeKeys(100, (n) => tab.waitForFunction((keys) => window.namesTimes.length >= keys, {}, n));
console.log(`workshop, Corelia's file, from a keystroke to its twenty names and link: median ${perKey[50].toFixed(1)} ms, `
  + `slowest ${perKey.at(-1).toFixed(1)} ms of 100`);
const [keyTimes] = await typeKeys(40);
console.log(`workshop, a key typed to the next frame: median ${keyTimes[keyTimes.length >> 1].toFixed(1)} ms, `
  + `slowest ${keyTimes.at(-1).toFixed(1)} ms of ${keyTimes.length}`);
const big = megabyteGrammar(await tab.$eval('#taller-texto', (area) => area.value));
const settled = (page) => page.waitForFunction(() => !('pending' in document.getElementById('taller-enlace').dataset)
  && document.getElementById('taller-nombres').querySelector('li:not([hidden])') !== null,
{ polling: 'raf', timeout: 120_000 }).then(() => page.evaluate(() => performance.now()));
// What the page's thread did during `action`, from a trace: the time it ran (its CPU time, which the
// other programs of a busy machine do not stretch as they stretch the clock) and its longest task, in ms.
async function pageThread(page, action) {
  await page.tracing.start({ categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'] });
  await action();
  const { traceEvents } = JSON.parse(new TextDecoder().decode(await page.tracing.stop()));
  const mains = new Set(traceEvents.filter((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain')
    .map((e) => `${e.pid}:${e.tid}`));
  const byThread = new Map();
  for (const e of traceEvents) {
    if (e.ph !== 'X' || e.name !== 'RunTask' || !mains.has(`${e.pid}:${e.tid}`)) continue;
    const tasks = byThread.get(`${e.pid}:${e.tid}`) ?? [];
    byThread.set(`${e.pid}:${e.tid}`, tasks);
    tasks.push(e);
  }
  let busiest = { ran: 0, longest: 0 };
  for (const tasks of byThread.values()) {
    tasks.sort((x, y) => x.ts - y.ts);
    let ran = 0;
    let longest = 0;
    let end = 0;
    for (const task of tasks) {
      if (task.ts < end) continue;
      end = task.ts + task.dur;
      ran += task.tdur ?? 0;
      longest = Math.max(longest, task.tdur ?? 0);
    }
    if (ran > busiest.ran) busiest = { ran, longest };
  }
  return { ran: busiest.ran / 1000, longest: busiest.longest / 1000 };
}
const ms = (value) => value.toFixed(0);

let pasteWall;
const paste = await pageThread(tab, async () => {
  const start = await tab.evaluate((text) => {
    const area = document.getElementById('taller-texto');
    const began = performance.now();
    area.value = text;
    area.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste' }));
    return began;
  }, big);
  pasteWall = (await settled(tab)) - start;
});
console.log(`workshop, a paste of ${big.length} bytes: names and link after ${ms(pasteWall)} ms; the page's thread `
  + `ran ${ms(paste.ran)} ms meanwhile, ${ms(paste.longest)} ms at the longest`);

// Keys a frame apart.
const KEYS = 20;
const waitFrame = () => tab.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
let bigKeyTimes;
let keysWall;
const keys = await pageThread(tab, async () => {
  [bigKeyTimes] = await typeKeys(KEYS, waitFrame);
  const last = await tab.evaluate(() => performance.now());
  keysWall = (await settled(tab)) - last;
});
console.log(`workshop, 1 MiB file, a key typed: the page's thread ran ${ms(keys.ran / KEYS)} ms a key, `
  + `${ms(keys.longest)} ms at the longest; to the next frame, median ${ms(bigKeyTimes[bigKeyTimes.length >> 1])} ms, `
  + `slowest ${ms(bigKeyTimes.at(-1))} ms; names and link of the last key ${ms(keysWall)} ms after it`);

const link = `#gramatica=${deflateRawSync(Buffer.from(big)).toString('base64url')}&semilla=5&indice=3`;
const linked = await (await browser.createBrowserContext()).newPage();
let shownAt;
let linkDone;
const opened = await pageThread(linked, async () => {
  await linked.goto(new URL(link, server.url).href, { waitUntil: 'domcontentloaded' });
  shownAt = await linked.waitForFunction(() => document.getElementById('nombre').value !== '…'
    && document.getElementById('taller-texto').value.length > 1000, { polling: 'raf', timeout: 120_000 })
    .then(() => linked.evaluate(() => performance.now()));
  linkDone = await settled(linked);
});
console.log(`a link of ${link.length} bytes: its name shown ${ms(shownAt)} ms after the load began, the workshop `
  + `settled at ${ms(linkDone)} ms; the page's thread ran ${ms(opened.ran)} ms, ${ms(opened.longest)} ms at the longest`);
// «Generar» on the page that the link opened, whose category is now the link's grammar.
const grammarNames = [];
for (let i = 0; i < 5; i++) {
  grammarNames.push(await linked.evaluate(() => new Promise((resolve) => {
    const start = performance.now();
    new MutationObserver((_, observer) => {
      observer.disconnect();
      requestAnimationFrame(() => resolve(performance.now() - start));
    }).observe(document.getElementById('nombre'), { childList: true, characterData: true, subtree: true });
    document.getElementById('generar').click();
  })));
}
console.log(`«Generar» on that page, to the frame that shows its name: ${grammarNames.map(ms).join(', ')} ms`);
await browser.close();
server.close();
