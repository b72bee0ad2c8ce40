// The page in Debian's headless Chromium, served on 127.0.0.1 and used as a person would; its seeded names
// are checked against quelvarinox-nombres. bench/web_timing.mjs measures its sizes and times.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { chromiumOptions, serve } from './static_server.mjs';

const puppeteer = createRequire(join(process.env.QUELVARINOX_WEB_MODULES, 'package.json'))('puppeteer-core');

const site = process.env.QUELVARINOX_SITE;
const tool = process.env.QUELVARINOX_NOMBRES;
// Above 2^53, so that a seed that lost bits on its way through JavaScript shows.
const SEED = '12345678901234567891';
const NAMES_PER_CATEGORY = 8;

let server;
let browser;
let page;
const pageErrors = [];

before(async () => {
  server = await serve(site);
  browser = await puppeteer.launch(chromiumOptions);
  page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  page.on('pageerror', (error) => pageErrors.push(error.message));
});

after(async () => {
  await browser?.close();
  server?.close();
  assert.deepEqual(pageErrors, [], 'errors in the page');
});

function toolLines(...options) {
  return execFileSync(tool, ['-s', SEED, ...options], { encoding: 'utf8' }).trimEnd().split('\n');
}

async function open(address = '', tab = page) {
  await tab.goto(new URL(address, server.url).href, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#generar:not([disabled])');
  return shown(tab);
}

const shown = (tab = page) => tab.evaluate(() => {
  const $ = (id) => document.getElementById(id);
  return {
    name: $('nombre').value,
    category: $('categoria').value,
    picture: $('imagen').getAttribute('src'),
    description: $('descripcion').textContent,
    alternative: $('dibujo').getAttribute('aria-pressed') === 'true',
    link: $('enlace').href,
    trace: $('traza').textContent,
    notice: $('aviso').hidden ? '' : $('aviso').textContent,
    history: [...$('historial').querySelectorAll('a')].map((anchor) => anchor.textContent),
  };
});

test('Generar, the space bar and the last ten names follow the tool', async () => {
  const expected = toolLines('-c', 'tatooine', '-n', '12', '--traza').map((line) => line.split('\t'));
  let view = await open(`?categoria=Tatooine&semilla=${SEED}`);
  assert.deepEqual([view.name, view.trace], expected[0]);
  await page.click('#generar');
  assert.equal((await shown()).name, expected[1][0]);
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('Space');
  assert.equal((await shown()).name, expected[2][0]);
  await page.$eval('#generar', (button, count) => { for (let i = 0; i < count; i++) button.click(); },
    expected.length - 3);
  view = await shown();
  assert.deepEqual(view.history, expected.slice(2).map(([name]) => name).reverse());
  assert.match(view.link, /indice=12/);
});

test('the page shows the tool\'s version', async () => {
  const version = execFileSync(tool, ['--version'], { encoding: 'utf8' }).trim().split(' ')[1];
  await open();
  assert.deepEqual(await page.evaluate(() => [document.title, document.querySelector('h1').textContent]),
    [`Quelvarinox ${version}: nombres de Star Wars`, `QUELVARINOX ${version}`]);
});

test('the picture and the description follow the category', async () => {
  await open();
  const loaded = () => page.waitForFunction(() => {
    const picture = document.getElementById('imagen');
    return picture.complete && picture.naturalWidth === 88;
  });
  const seen = [];
  for (const key of ['planeta', 'varkh']) {
    await page.select('#categoria', key);
    await loaded();
    seen.push(await shown());
    assert.equal(seen.at(-1).picture, `dibujos/plnt_${key}.jpg`);
  }
  assert.match(seen[0].description, /^Elige esta opción para generar automáticamente el nombre de un planeta/);
  assert.ok(seen[1].description !== seen[0].description && seen[1].name !== seen[0].name);
});

test('a click or a key on the picture switches the alternative mode', async () => {
  const normal = toolLines('-c', 'jedi', '-n', '3');
  const alternative = toolLines('-c', 'jedi', '-n', '2', '-a');
  await open(`?categoria=jedi&semilla=${SEED}`);
  await page.click('#dibujo');
  let view = await shown();
  assert.deepEqual([view.alternative, view.name], [true, normal[0]]);
  // Named for what it does, for a screen reader too, and told of in the help.
  const button = await page.accessibility.snapshot({ root: await page.$('#dibujo') });
  assert.deepEqual([button.role, button.name, button.pressed], ['button', 'Modo alternativo', true]);
  assert.match(await page.$eval('#ayuda-titulo', (title) => title.parentElement.textContent),
    /El dibujo es también el botón del modo alternativo/);
  await page.click('#generar');
  view = await shown();
  assert.equal(view.name, alternative[1]);
  assert.match(view.link, /modo=alternativo/);
  // The link shows the same name again.
  const linked = await open(view.link);
  assert.deepEqual([linked.name, linked.category, linked.alternative, linked.notice], [view.name, 'jedi', true, '']);
  await page.focus('#dibujo');
  await page.keyboard.press('Enter');
  await page.click('#generar');
  view = await shown();
  assert.deepEqual([view.alternative, view.name], [false, normal[2]]);
});

test('a link shows the same name again, with a seed of its own if it has none, up to the last index', async () => {
  await open();
  await page.click('#generar');
  const before = await shown();
  assert.equal((await open(before.link)).name, before.name);
  const last = '18446744073709551615';
  let view;
  for (const [options, mode] of [[[], ''], [['-a'], '&modo=alternativo']]) {
    view = await open(`?categoria=varkh&semilla=${SEED}&indice=${last}${mode}`);
    assert.deepEqual([view.name, view.notice], [toolLines('-c', 'varkh', '--desde', last, ...options)[0], '']);
  }
  await page.click('#generar');
  const after = await shown();
  assert.equal(after.name, view.name);
  const notice = `No hay más nombres de varkhenos con esta semilla: el último es el número ${last}.`;
  assert.ok(after.notice.includes(notice), after.notice);
});

test('a wrong address says what is wrong and shows a random category', async () => {
  const cases = [
    ['?categoria=Hoth', 'La categoría «Hoth» no existe'],
    ['?semilla=siete&categoria=jedi', 'La semilla «siete» no es un número entero'],
    ['?semilla=-1', 'La semilla «-1» es negativa: va de 0 a 18446744073709551615.'],
    ['?semilla=+5', 'La semilla «+5» lleva un signo, y en la dirección va sin él: «5».'],
    ['?indice=%2B7', 'El índice «+7» lleva un signo'],
    ['?indice=-3', 'El índice «-3» es negativo: va de 1 a'],
    ['?semilla=-0', 'La semilla «-0» lleva un signo'],
    ['?semilla=18446744073709551616', 'La semilla «18446744073709551616» está fuera de rango'],
    ['?indice=0', 'El índice «0» está fuera de rango'],
    ['?modo=oscuro', 'El modo «oscuro» no existe'],
  ];
  const categories = await page.$$eval('#categoria option', (options) => options.map((option) => option.value));
  for (const [address, message] of cases) {
    const view = await open(address);
    assert.ok(view.notice.includes(message), `${address}: ${view.notice}`);
    assert.ok(categories.includes(view.category) && view.name !== '', address);
  }
  await page.click('#aviso-cerrar');
  assert.equal((await shown()).notice, '');
});

test('every category makes the tool\'s names, in both modes', async () => {
  for (const [options, mode] of [[[], ''], [['-a'], '&modo=alternativo']]) {
    const expected = {};
    for (const line of toolLines('-n', String(NAMES_PER_CATEGORY), ...options)) {
      const [category, name] = line.split('\t');
      (expected[category] ??= []).push(name);
    }
    await open(`?semilla=${SEED}&categoria=adumar${mode}`);
    const names = await page.evaluate((count) => {
      const list = document.getElementById('categoria');
      const made = {};
      for (const option of list.options) {
        if (list.value !== option.value) {
          list.value = option.value;
          list.dispatchEvent(new Event('change'));
        }
        made[option.text] = [document.getElementById('nombre').value];
        while (made[option.text].length < count) {
          document.getElementById('generar').click();
          made[option.text].push(document.getElementById('nombre').value);
        }
      }
      return made;
    }, NAMES_PER_CATEGORY);
    assert.deepEqual(names, expected);
  }
});

test('a phone screen, the keyboard, the copy button', async () => {
  await page.setViewport({ width: 375, height: 700 });
  // Long words of a notice wrap too.
  const longWords = ['?categoria=' + 'a'.repeat(100), `?semilla=${'9'.repeat(100)}&indice=${'8'.repeat(100)}`];
  for (const address of [...longWords, '']) {
    await open(address);
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= 375, `${address} is ${width} pixels wide`);
  }
  const unnamed = [];
  const visit = (node) => {
    if (['button', 'combobox', 'link', 'DisclosureTriangle'].includes(node.role) && !node.name?.trim())
      unnamed.push(node.role);
    node.children?.forEach(visit);
  };
  visit(await page.accessibility.snapshot());
  assert.deepEqual(unnamed, [], 'controls without an accessible name');
  await browser.defaultBrowserContext().overridePermissions(server.url, ['clipboard-read', 'clipboard-write',
    'clipboard-sanitized-write']);
  await page.click('#copiar');
  await page.waitForFunction(() => document.getElementById('copiado').textContent === 'Copiado.');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(copied, (await shown()).name);
  await page.setViewport({ width: 1280, height: 800 });
});
