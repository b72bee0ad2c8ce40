// The page in Debian's headless Chromium, served on 127.0.0.1 and used as a person would; its seeded names
// are checked against quelvarinox-nombres, and its reference of the grammars' format against what groff
// makes of the manual page. bench/web_timing.mjs measures its sizes and times.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { chromiumOptions, serve } from './static_server.mjs';

const puppeteer = createRequire(join(process.env.QUELVARINOX_WEB_MODULES, 'package.json'))('puppeteer-core');

const site = process.env.QUELVARINOX_SITE;
const tool = process.env.QUELVARINOX_NOMBRES;
// Above 2^53, so that a seed that lost bits on its way through JavaScript shows.
const SEED = '12345678901234567891';

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

async function open(address = '') {
  await page.goto(new URL(address, server.url).href, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('#generar:not([disabled])');
  return shown();
}

const shown = () => page.evaluate(() => {
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

test('the page shows the tool\'s version, and the picture and the description follow the category', async () => {
  const version = execFileSync(tool, ['--version'], { encoding: 'utf8' }).trim().split(' ')[1];
  await open('?categoria=varkh');
  assert.deepEqual(await page.evaluate(() => [document.title, document.querySelector('h1').textContent]),
    [`Quelvarinox ${version}: nombres de Star Wars`, `QUELVARINOX ${version}`]);
  await page.select('#categoria', 'planeta');
  await page.waitForFunction(() => {
    const picture = document.getElementById('imagen');
    return picture.complete && picture.naturalWidth === 88;
  });
  const view = await shown();
  assert.equal(view.picture, 'dibujos/plnt_planeta.jpg');
  assert.match(view.description, /^Elige esta opción para generar automáticamente el nombre de un planeta/);
});

test('a click or a key on the picture switches the alternative mode', async () => {
  const normal = toolLines('-c', 'jedi', '-n', '3');
  const alternative = toolLines('-c', 'jedi', '-n', '2', '-a');
  await open(`?categoria=jedi&semilla=${SEED}`);
  await page.click('#dibujo');
  let view = await shown();
  assert.deepEqual([view.alternative, view.name], [true, normal[0]]);
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
  const view = await open(`?categoria=varkh&semilla=${SEED}&indice=${last}`);
  assert.deepEqual([view.name, view.notice], [toolLines('-c', 'varkh', '--desde', last)[0], '']);
  await page.click('#generar');
  const after = await shown();
  assert.equal(after.name, view.name);
  const notice = `No hay más nombres de varkhenos con esta semilla: el último es el número ${last}.`;
  assert.ok(after.notice.includes(notice), after.notice);
});

// The workshop's test reads every wrong seed, index and mode, in the page's address and a grammar's link alike.
test('the list holds the tool\'s categories; a wrong address says what is wrong and shows a random one', async () => {
  const view = await open('?categoria=Hoth&semilla=siete');
  const categories = await page.$$eval('#categoria option',
    (options) => options.map((option) => `${option.text}\t${option.value}`));
  assert.deepEqual(categories, toolLines('--lista').map((line) => line.split('\t').slice(1, 3).join('\t')));
  for (const problem of ['La categoría «Hoth» no existe', 'La semilla «siete» no es un número entero'])
    assert.ok(view.notice.includes(problem), view.notice);
  assert.ok(categories.some((category) => category.endsWith(`\t${view.category}`)) && view.name !== '', view.category);
  await page.click('#aviso-cerrar');
  assert.equal((await shown()).notice, '');
});

test('the copy button copies the name', async () => {
  await open();
  await browser.defaultBrowserContext().overridePermissions(server.url, ['clipboard-read', 'clipboard-write',
    'clipboard-sanitized-write']);
  await page.click('#copiar');
  await page.waitForFunction(() => document.getElementById('copiado').textContent === 'Copiado.');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(copied, (await shown()).name);
});

// The words of a manual page as man shows them in a terminal, without its header and footer, and its
// headings; a list's bullets, which a browser draws, are left out.
function manualAsShown(file) {
  const shown = execFileSync('groff', ['-Kutf8', '-man', '-Tutf8', '-P-cbou', '-rLL=2000n', file], { encoding: 'utf8' })
    .split('\n').filter((line) => line.trim() !== '').slice(1, -1);
  return {
    words: words(shown.join('\n')).filter((word) => word !== '•'),
    headings: shown.filter((line) => /^( {3})?\S/.test(line)).map((line) => line.trim()),
  };
}

const words = (text) => text.split(/\s+/).filter((word) => word !== '');

// The same of the reference as the browser shows it.
const referenceAsShown = (tab) => tab.evaluate(() => ({
  words: document.querySelector('main').innerText,
  headings: [...document.querySelectorAll('main h2, main h3')].map((heading) => heading.textContent),
})).then((shown) => ({ ...shown, words: words(shown.words) }));

test('the format\'s reference is the manual page as man shows it, linked from the workshop, and fits a phone', async () => {
  const manual = join(dirname(tool), 'quelvarinox-gramatica.5');
  await open();
  const link = await page.$eval('#taller-referencia', (anchor) => [anchor.href, anchor.target]);
  assert.deepEqual(link, [new URL('gramatica.html', server.url).href, '_blank']);
  await page.setViewport({ width: 375, height: 700 });
  await page.goto(link[0]);
  assert.deepEqual(await referenceAsShown(page), manualAsShown(manual));
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 375), 'no sideways scrolling');
  await page.setViewport({ width: 1280, height: 800 });
});

test('the reference follows a change of the manual page, and its writer stops at what it does not know', async () => {
  const converter = new URL('../../web/manual_to_html.mjs', import.meta.url).pathname;
  const source = readFileSync(new URL('../../cli/quelvarinox-gramatica.5.in', import.meta.url), 'utf8');
  const folder = mkdtempSync(join(tmpdir(), 'quelvarinox-manual-'));
  const changed = join(folder, 'cambiada.5.in');
  const html = join(folder, 'gramatica.html');
  const cases = [
    ['a section with keys', '.SH UNA SECCI\\[\'O]N NUEVA\n.TP\n.B clave_nueva\nSu \\fIvalor\\fR, en \\fBnegrita\\fP.\n'
      + '.TP\n\\fB[tabla]\\fR, \\fB[otra]\\fR\nDos tablas.\n', 'dt', ['clave_nueva', '[tabla], [otra]']],
    ['a subsection and an example', '.SS Un apartado\n.EX\nuno  = 1\n  dos\t= 2\n.EE\n.nf\n.B tres\n.fi\n', 'pre',
      ['uno  = 1\n  dos\t= 2', 'tres']],
    ['lists in an indented block', '.PP\nAntes:\n.RS\n.IP \\(bu 2\nuno\n.IP 2. 4\ndos\n.RE\n.IP\nDespu\\(\'es.\n',
      '.sangria li, .sangria dt, .sangria dd, .sangria + .sangria', ['uno', '2.', 'dos', 'Después.']],
    ['alternating fonts and special characters', '.PP\n.BR uno (1),\n.IR dos " y tres"\n.RI [ cuatro ]\n'
      + '\\(em \\[u00F1]\\[~n] \\(lqcinco\\(rq\\ seis\\&.\n.br\nsiete\n', 'p:last-child',
    ['uno(1), dos y tres [cuatro] — ññ “cinco”\u00a0seis.\nsiete']],
    ['an unknown macro', '.SM peque\\(~no\n', null, /macro desconocida «\.SM peque\\\(~no»/],
    ['an unknown escape', 'Marca\\*(Tm\n', null, /secuencia de escape desconocida «\\\*»/],
    ['an unknown character', '\\(zz\n', null, /carácter especial desconocido «zz»/],
    ['a variable without a value', 'Versi\\(\'on @OTRA_VERSION@\n', null, /nadie da valor a @OTRA_VERSION@/],
    ['an end of an indented block that did not begin', '.RE\n', null, /«\.RE» sin un «\.RS» abierto/],
  ];
  try {
    for (const [what, addition, selector, expected] of cases) {
      const text = `${source}${addition}`;
      writeFileSync(changed, text);
      const run = spawnSync(process.execPath, [converter, changed, html, 'PROJECT_VERSION=9.9'], { encoding: 'utf8' });
      if (expected instanceof RegExp) {
        // The added text's first line, which is the wrong one.
        const line = source.split('\n').length;
        assert.deepEqual([run.status, run.stdout], [1, ''], what);
        assert.match(run.stderr, new RegExp(`^manual_to_html: ${changed}:${line}`), what);
        assert.match(run.stderr, expected, what);
        continue;
      }
      assert.deepEqual([run.status, run.stderr], [0, ''], what);
      const configured = join(folder, 'cambiada.5');
      writeFileSync(configured, text.replaceAll('@PROJECT_VERSION@', '9.9'));
      await page.setContent(readFileSync(html, 'utf8'));
      assert.deepEqual(await referenceAsShown(page), manualAsShown(configured), what);
      // What was added is at the end of the last section.
      const added = await page.$$eval(`main > section:last-child :is(${selector})`,
        (found) => found.map((element) => element.innerText));
      assert.deepEqual(added, expected, what);
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
