// The workshop's two speeds at the loader's limit, for this build of the page and, to compare, for the
// page's scripts and style of earlier revisions laid over a copy of it (revisions whose index.html.in is
// this one's, since the scripts find their elements in it):
// - a key typed into a grammar of 1 MiB: the time that the page's thread ran for it, from a trace
//   (its CPU time, which the other programs of a busy machine stretch less than the clock);
// - a link of a megabyte whose text deflate hardly shrinks: the time from the start of its load to the
//   grammar in the workshop, its twenty names and the page's name shown, as the page itself tells it.
//   Chromium is started for that without DevTools, which for an address of a megabyte add seconds of
//   their own to the load; the same time with DevTools attached, as bench/web_timing.mjs measures it,
//   is given beside it.
// Each figure is the median of three runs.
// Usage: node bench/page_speed.mjs build/web/site build/web-tests [REVISION...]
import { spawn, execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { deflateRawSync } from 'node:zlib';
import { chromiumOptions, serve } from '../tests/web/static_server.mjs';
import { megabyteGrammar } from './megabyte_grammar.mjs';

const [site = 'build/web/site', modules = 'build/web-tests', ...revisions] = process.argv.slice(2);
const puppeteer = createRequire(join(resolve(modules), 'package.json'))('puppeteer-core');
const RUNS = 3;
const KEYS = 20;
const scratch = mkdtempSync(join(tmpdir(), 'quelvarinox-velocidad-'));

// A copy of the site with the page's scripts and style of `revision`.
function siteOf(revision) {
  const copy = join(scratch, revision);
  cpSync(site, copy, { recursive: true });
  const files = execFileSync('git', ['ls-tree', '--name-only', revision, 'web/'], { encoding: 'utf8' })
    .split('\n').filter((file) => /^web\/[^/]+\.(js|css)$/.test(file));
  for (const file of files)
    writeFileSync(join(copy, file.slice('web/'.length)), execFileSync('git', ['show', `${revision}:${file}`]));
  return copy;
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

// The page tells the bench, at /visto/MS, when what a grammar link opens is all shown.
const REPORTER = `<script>
new MutationObserver((_, observer) => {
  const $ = (id) => document.getElementById(id);
  if ($('taller-texto').value.length < 1 << 19 || 'pending' in $('taller-enlace').dataset || $('nombre').value === '…'
    || !$('taller-nombres').querySelector('li:not([hidden])')) return;
  observer.disconnect();
  fetch('/visto/' + performance.now());
}).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
</script>`;

const browser = await puppeteer.launch(chromiumOptions);

// Corelia's file and comment lines of letters drawn by a fixed generator, up to the loader's limit of 1 MiB.
async function bigGrammar(server) {
  const tab = await browser.newPage();
  await tab.goto(server.url, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#generar:not([disabled])');
  await tab.click('#abrir-taller');
  await tab.waitForSelector('#taller[aria-busy="false"]');
  await tab.select('#taller-base', 'corelia');
  await tab.click('#taller-cargar');
  const corelia = await tab.$eval('#taller-texto', (area) => area.value);
  await tab.close();
  return megabyteGrammar(corelia);
}

// The time that the busiest renderer's main thread ran in `traceEvents`, and its longest task, in ms.
function mainThread(traceEvents) {
  const mains = new Set(traceEvents.filter((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain')
    .map((e) => `${e.pid}:${e.tid}`));
  const byThread = new Map();
  for (const e of traceEvents) {
    if (e.ph !== 'X' || e.name !== 'RunTask' || !mains.has(`${e.pid}:${e.tid}`)) continue;
    const thread = byThread.get(`${e.pid}:${e.tid}`) ?? { ran: 0, longest: 0 };
    byThread.set(`${e.pid}:${e.tid}`, thread);
    thread.ran += (e.tdur ?? 0) / 1000;
    thread.longest = Math.max(thread.longest, (e.tdur ?? 0) / 1000);
  }
  return [...byThread.values()].sort((x, y) => y.ran - x.ran)[0];
}

// Keys typed at the end of the first line of `text`, in view, a frame and a little more apart, as a
// trace sees them: { perKey, longest } in ms of the page's thread.
async function keystroke(server, text) {
  const tab = await (await browser.createBrowserContext()).newPage();
  await tab.setViewport({ width: 1280, height: 800 });
  await tab.goto(server.url, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#generar:not([disabled])');
  await tab.click('#abrir-taller');
  await tab.waitForSelector('#taller[aria-busy="false"]');
  await tab.$eval('#taller-texto', (area, value) => {
    area.value = value;
    area.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste' }));
    area.scrollIntoView();
    area.goTo(1, value.indexOf('\n') + 1);
  }, text);
  await tab.waitForFunction(() => !('pending' in document.getElementById('taller-enlace').dataset), { timeout: 120_000 });
  await new Promise((done) => setTimeout(done, 1000));
  await tab.tracing.start({ categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'] });
  for (let i = 0; i < KEYS; i++) {
    await tab.keyboard.press(i % 2 === 0 ? 'x' : 'Backspace');
    await tab.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 30))));
  }
  await tab.waitForFunction(() => !('pending' in document.getElementById('taller-enlace').dataset), { timeout: 120_000 });
  const { ran, longest } = mainThread(JSON.parse(new TextDecoder().decode(await tab.tracing.stop())).traceEvents);
  await tab.close();
  return { perKey: ran / KEYS, longest };
}

// The time from the start of the load of the link that ir.html opens to all that it opens shown, in ms,
// in a Chromium without DevTools, which the page of `server` tells at /visto/.
async function linkWithoutDevTools(server) {
  const profile = mkdtempSync(join(scratch, 'perfil-'));
  const child = spawn(chromiumOptions.executablePath, [...chromiumOptions.args, '--headless', '--window-size=1280,800',
    `--user-data-dir=${profile}`, `${server.url}ir.html`], { stdio: 'ignore', detached: true });
  const ms = await Promise.race([new Promise((done) => { server.seen = done; }),
    new Promise((done) => setTimeout(() => done(NaN), 60_000))]);
  // Chromium leads a process group of its own, with its helpers: all of them end.
  const exited = new Promise((done) => child.on('exit', done));
  process.kill(-child.pid);
  await exited;
  rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  return ms;
}

// The same through puppeteer, with DevTools attached.
async function linkWithDevTools(server, link) {
  const tab = await (await browser.createBrowserContext()).newPage();
  await tab.setViewport({ width: 1280, height: 800 });
  const seen = new Promise((done) => { server.seen = done; });
  await tab.goto(new URL(link, server.url).href, { waitUntil: 'domcontentloaded' });
  const ms = await Promise.race([seen, new Promise((done) => setTimeout(() => done(NaN), 60_000))]);
  await tab.close();
  return ms;
}

// The site of `folder` served with the reporter in its page, and ir.html, which opens `link`.
async function serveMeasured(folder, link) {
  const page = readFileSync(join(folder, 'index.html'), 'utf8').replace('</body>', `${REPORTER}</body>`);
  const going = `<!doctype html><script>location.replace(${JSON.stringify(link)});</script>`;
  const server = await serve(folder, (path) => {
    if (path === '/' || path === '/index.html') return { status: 200, body: page };
    if (path === '/ir.html') return { status: 200, body: going };
    if (path.startsWith('/visto/')) {
      server.seen?.(Number(path.slice('/visto/'.length)));
      return { status: 204, body: '' };
    }
    return undefined;
  });
  return Object.assign(server, { seen: null });
}

const plain = await serve(site);
const text = await bigGrammar(plain);
plain.close();
const data = deflateRawSync(Buffer.from(text)).toString('base64url');
const link = `/#gramatica=${data}&semilla=5&indice=3`;
console.log(`a grammar of ${text.length} bytes; its link, ${link.length} bytes long`);
for (const [name, folder] of [...revisions.map((revision) => [revision, siteOf(revision)]), ['this build', site]]) {
  const server = await serveMeasured(folder, link);
  const keys = [];
  const bare = [];
  const attached = [];
  for (let run = 0; run < RUNS; run++) {
    keys.push(await keystroke(server, text));
    bare.push(await linkWithoutDevTools(server));
    attached.push(await linkWithDevTools(server, link));
  }
  server.close();
  console.log(`${name}: a key in 1 MiB, ${median(keys.map((k) => k.perKey)).toFixed(0)} ms of the page's thread `
    + `(${keys.map((k) => k.perKey.toFixed(0)).join(', ')}; longest task ${median(keys.map((k) => k.longest)).toFixed(0)} ms); `
    + `the link shown after ${median(bare).toFixed(0)} ms (${bare.map((ms) => ms.toFixed(0)).join(', ')}), `
    + `${median(attached).toFixed(0)} ms with DevTools (${attached.map((ms) => ms.toFixed(0)).join(', ')})`);
}
await browser.close();
rmSync(scratch, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
