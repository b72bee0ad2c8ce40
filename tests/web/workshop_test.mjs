// The grammar workshop of the page in Debian's headless Chromium: its names, errors, traces, links and
// download are checked against what quelvarinox-nombres makes of the same file.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { deflateRawSync } from 'node:zlib';
import { createHash } from 'node:crypto';
import { chromiumOptions, serve } from './static_server.mjs';

const puppeteer = createRequire(join(process.env.QUELVARINOX_WEB_MODULES, 'package.json'))('puppeteer-core');

const site = process.env.QUELVARINOX_SITE;
const tool = process.env.QUELVARINOX_NOMBRES;
const example = readFileSync(new URL('../../ejemplos/mi-lengua.toml', import.meta.url), 'utf8');
// Above 2^53, so that a seed that lost bits on its way through JavaScript shows.
const SEED = '12345678901234567891';

// What the workshop's worker loads instead of the package, around it and with what the worker uses of
// it: a text with LENTO is read when the test lets /lento answer, one with QUE-ABORTE aborts the module as
// running out of memory does, and one with ERROR-EN-INGLES has a mistake told in the English fields of a
// GrammarError alone, as the package will give them.
const STAND_IN = `
import { load as loadPackage } from './index.js?paquete';
export async function load() {
  const library = await loadPackage();
  return {
    generator: (seed) => library.generator(seed),
    grammar(text) {
      if (text.includes('LENTO')) {
        const request = new XMLHttpRequest();
        request.open('GET', '/lento', false);
        request.send();
      }
      if (text.includes('QUE-ABORTE'))
        throw new WebAssembly.RuntimeError('Aborted(OOM). Build with -s ASSERTIONS=1 for more info.');
      if (text.includes('ERROR-EN-INGLES'))
        throw Object.assign(new Error('3:1: un error'), { name: 'GrammarError', line: 3, column: 1,
          errors: [{ line: 3, column: 1, message: 'un error contado en inglés' }] });
      return library.grammar(text);
    },
  };
}`;

let server;
// The site again, but for the module that the workshop's worker loads, which is STAND_IN, for as many
// first requests of the worker as `workerRefusals` says, which are refused, for the worker's script,
// which waits for `heldWorker` while it is a promise, and for /lento, which answers once `slowRead` is
// resolved.
let standIn;
let workerRefusals = 0;
let heldWorker = null;
let slowRead;
let browser;
let page;
let folder;
const problems = [];

before(async () => {
  folder = mkdtempSync(join(tmpdir(), 'quelvarinox-taller-'));
  server = await serve(site);
  standIn = await serve(site, (path, referer) => {
    if (path === '/grammar_worker.js' && workerRefusals > 0) {
      workerRefusals--;
      return { status: 404, body: '' };
    }
    if (path === '/grammar_worker.js' && heldWorker) return heldWorker.then(() => undefined);
    if (path === '/lento') return slowRead.promise.then(() => ({ status: 200, body: '' }));
    return path === '/quelvarinox/index.js' && referer === '/grammar_worker.js' ? { status: 200, body: STAND_IN } : undefined;
  });
  browser = await puppeteer.launch(chromiumOptions);
  page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(message.text());
  });
});

after(async () => {
  await browser?.close();
  server?.close();
  standIn?.close();
  rmSync(folder, { recursive: true, force: true });
  assert.deepEqual(problems, [], 'errors in the page or its console');
});

let files = 0;
function grammarFile(text) {
  const file = join(folder, `gramatica-${++files}.toml`);
  writeFileSync(file, text);
  return file;
}

// The tool's names of `text` as a grammar file, with the seed unless the options give another.
const toolNames = (text, count, ...options) => execFileSync(tool,
  ['--gramatica', grammarFile(text), '-s', SEED, '-n', String(count), ...options], { encoding: 'utf8' })
  .trimEnd().split('\n');
const packed = (text) => deflateRawSync(Buffer.from(text)).toString('base64url');
// The same with the padding that a base64 encoder writes.
const padded = (text) => deflateRawSync(Buffer.from(text)).toString('base64').replaceAll('+', '-').replaceAll('/', '_');
// The example with a comment of its own length, so that its deflated bytes end a group of three bytes
// with none, one or two over: padding of "", "==" or "=".
const byPadding = {};
for (let length = 0; Object.keys(byPadding).length < 3; length++) {
  const text = `${example}#${'x'.repeat(length)}\n`;
  byPadding[/=*$/.exec(padded(text))[0]] ??= text;
}

// The mistakes the tool finds in `text`, as the workshop lists them.
function toolErrors(text) {
  const run = spawnSync(tool, ['--comprobar', grammarFile(text)], { encoding: 'utf8' });
  return run.status === 0 ? [] : run.stderr.trimEnd().split('\n')
    .map((line) => line.replace(/^.*?:(\d+):(\d+): /, 'línea $1, columna $2: '));
}

// Loads the page afresh (a link that differs only after its "#" would not), and types the seed if given.
async function openWorkshop(address = '', { seed, tab = page } = {}) {
  await tab.goto('about:blank');
  await tab.goto(new URL(address, server.url).href, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#generar:not([disabled])');
  if (await tab.$eval('#taller', (section) => section.hidden)) await tab.click('#abrir-taller');
  await tab.waitForSelector('#taller[aria-busy="false"]');
  if (seed) await setSeed(seed, tab);
}

// Opens a grammar link afresh, `data` and `rest` after its "#gramatica=".
async function openLink(data, rest, tab = page) {
  await tab.goto('about:blank');
  await tab.goto(new URL(`/#gramatica=${data}${rest}`, server.url).href, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('#taller[aria-busy="false"]');
  await tab.waitForFunction(() => document.getElementById('nombre').value !== '…');
}

// Waits for the names to settle and the link to follow them.
const seen = (tab = page) => tab.waitForFunction(() => !('pending' in document.getElementById('taller-enlace').dataset))
  .then(() => tab.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    return {
      text: $('taller-texto').value,
      names: [...$('taller-nombres').querySelectorAll('li:not([hidden]) button')].map((b) => b.textContent),
      stale: $('taller-nombres').classList.contains('caducos'),
      status: $('taller-estado').textContent,
      errors: [...$('taller-errores').children].map((item) => item.textContent),
      wrongLines: [...$('taller-texto').querySelectorAll('.mal')].map((line) => Number(line.textContent)),
      link: $('taller-enlace').href,
      name: $('nombre').value,
      notice: $('aviso').hidden ? '' : $('aviso').textContent,
      open: !$('taller').hidden,
      // The page's own, outside the workshop.
      chosen: $('categoria').selectedOptions[0].text,
      picture: $('imagen').getAttribute('src'),
      description: $('descripcion').textContent,
      pageTrace: $('traza').textContent,
      pageLink: $('enlace').href,
      history: [...$('historial').querySelectorAll('li')].map((item) => item.textContent),
    };
  }));

async function setSeed(seed, tab = page) {
  await tab.$eval('#taller-semilla', (field) => { field.value = ''; });
  await tab.type('#taller-semilla', seed);
}

// Puts `text` in the workshop as a paste would.
const write = (text, tab = page) => tab.$eval('#taller-texto', (area, value) => {
  area.value = value;
  area.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste' }));
}, text);

test('the example\'s names follow the seed and every keystroke, and an error shows at its line', async () => {
  await openWorkshop('', { seed: SEED });
  let view = await seen();
  assert.equal(view.text, example);
  assert.deepEqual(view.names, toolNames(example, 20));
  assert.match(view.status, /«Mi lengua» \(clave «mi-lengua»\) está bien/);

  // A new coda, typed at the end of the file, key by key.
  await page.focus('#taller-texto');
  await page.keyboard.down('Control');
  await page.keyboard.press('End');
  await page.keyboard.up('Control');
  await page.keyboard.type('z = 40\n');
  const edited = `${example}z = 40\n`;
  view = await seen();
  assert.equal(view.text, edited);
  assert.deepEqual(view.names, toolNames(edited, 20));
  assert.notDeepEqual(view.names, toolNames(example, 20));

  // A line that is not TOML: the names stay those of the last good text, greyed.
  await page.keyboard.type('[vocal.pesos\n');
  const broken = `${edited}[vocal.pesos\n`;
  view = await seen();
  const wrongLine = broken.split('\n').length - 1;
  assert.deepEqual([view.errors, view.wrongLines, view.stale, view.names],
    [toolErrors(broken), [wrongLine], true, toolNames(edited, 20)]);

  // The message takes the caret to its place.
  await page.click('#taller-errores button');
  const caret = await page.$eval('#taller-texto', (area) => [area.contains(document.activeElement),
    Number(area.querySelector('.cm-activeLineGutter').textContent)]);
  assert.deepEqual(caret, [true, wrongLine]);
});

test('a mistake far down a long text is marked at its line, which its message brings into view; an edit is undone', async () => {
  await openWorkshop();
  const long = `${example}${Array.from({ length: 5000 }, (_, i) => `# ${i}\n`).join('')}z = 40x\n`;
  const wrongLine = long.split('\n').length - 1;
  await write(long);
  await seen();
  await page.click('#taller-errores button');
  // The caret's line has its number lit, and in view.
  const shown = await page.evaluate(() => new Promise(requestAnimationFrame)).then(() => page.$eval('#taller-texto', (area) => {
    const mark = area.querySelector('.mal');
    const [at, frame] = [mark, area.querySelector('.cm-scroller')].map((element) => element.getBoundingClientRect());
    return { number: Number(mark.textContent), caret: mark.classList.contains('cm-activeLineGutter'),
      inView: at.top >= frame.top && at.bottom <= frame.bottom };
  }));
  assert.deepEqual(shown, { number: wrongLine, caret: true, inView: true });

  // Mended at the caret, and the mending undone.
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace');
  assert.deepEqual((await seen()).wrongLines, []);
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  const view = await seen();
  assert.deepEqual([view.text === long, view.wrongLines], [true, [wrongLine]]);
});

test('a planet, one inherited, and the examples give the tool\'s names and traces; what cannot be made is said', async () => {
  const examples = fileURLToPath(new URL('../../ejemplos/', import.meta.url));
  const women = join(examples, 'ribera-mujer.toml');
  const fine = (name, key) => `La gramática «${name}» (clave «${key}») está bien.`;
  const choose = (list, button, key) => async () => {
    await page.select(list, key);
    await page.click(button);
  };
  // With this seed, ribera-mujer.toml rejects an attempt within twenty names, and the last case refuses
  // name 11.
  const seed = '28';
  const cases = [
    // What, how the text comes in, what it holds, the file the tool reads (null: the text), the mode, the status.
    ['a planet, in the alternative mode', choose('#taller-base', '#taller-cargar', 'tatooine'),
      execFileSync(tool, ['--exportar', 'tatooine'], { encoding: 'utf8' }), null, true, fine('Tatooine', 'tatooine')],
    ['a planet inherited', choose('#taller-heredado', '#taller-heredar', 'tatooine'), /^hereda = "tatooine"$/m, null,
      false, fine('Tatooine, a mi manera', 'tatooine-propia')],
    ['ribera-mujer.toml written out whole', () => write(execFileSync(tool, ['--exportar', women], { encoding: 'utf8' })),
      undefined, women, false, fine('Lengua de la ribera, nombres de mujer', 'ribera-mujer')],
    // The page reads no files: the names stay those of the last text without mistakes, here the same.
    ['ribera-mujer.toml, whose hereda names a file', () => write(readFileSync(women, 'utf8')), undefined, women, false,
      /sin errores\. En la línea 9, columna 10: no se puede leer la gramática «ribera\.toml»: esta versión de la biblioteca no lee ficheros\. .*--exportar FICHERO\.$/],
    ['a name refused', () => write(`${example}[rechazo]\npatrones = ["e", "i", "o", "n", "l", "r", "s", "m", "v"]\n`),
      undefined, null, false, (said) => `La gramática «Mi lengua» ${/(no da el nombre número 11: .*»);/.exec(said)?.[1]}. `
        + 'Los nombres se paran ahí, como los de quelvarinox-nombres.'],
  ];
  await openWorkshop('', { seed });
  const traces = [];
  for (const [what, bringIn, holds, file, alternative, status] of cases) {
    await page.$eval('#taller-alternativo', (box, on) => { if (box.checked !== on) box.click(); }, alternative);
    await bringIn();
    let view = await seen();
    if (typeof holds === 'string') assert.equal(view.text, holds, what);
    else if (holds) assert.match(view.text, holds, what);
    // The tool's twenty names with their traces, and what it says when it stops short of them.
    const run = spawnSync(tool, ['--gramatica', file ?? grammarFile(view.text), '-s', seed, '-n', '20', '--traza',
      ...(alternative ? ['-a'] : [])], { encoding: 'utf8' });
    const [made, said] = [run.stdout.split('\n').filter((line) => line !== '').map((line) => line.split('\t')), run.stderr];
    if (status instanceof RegExp) assert.match(view.status, status, what);
    else assert.equal(view.status, typeof status === 'function' ? status(said) : status, what);
    assert.deepEqual(view.names, made.map(([name]) => name), what);
    const shown = await page.evaluate(() => [...document.querySelectorAll('#taller-nombres li:not([hidden]) button')]
      .map((button) => {
        button.click();
        return document.getElementById('taller-traza').textContent;
      }));
    assert.deepEqual(shown, made.map(([name, trace], i) => `Tiradas del nombre ${i + 1}, «${name}»: ${trace}`), what);
    view = await seen();
    assert.match(view.link, new RegExp(`&indice=${made.length}${alternative ? '&modo=alternativo' : ''}$`), what);
    traces.push(...made.map(([, trace]) => trace));
  }
  assert.ok(traces.some((trace) => / X\d/.test(trace)), 'an attempt rejected by a pattern');
});

test('a list of names teaches the tool\'s grammar, its names follow, and a list that teaches none says why', async () => {
  const planet = execFileSync(tool, ['-s', SEED, '-c', 'tatooine', '-n', '300'], { encoding: 'utf8' });
  const cases = [
    ['a planet\'s names', planet, ['', '', ''], []],
    ['a name, a key and a threshold', planet, ['Mis nombres', 'mis-nombres', '3'],
      ['--nombre', 'Mis nombres', '--clave', 'mis-nombres', '--umbral', '3']],
    ['no names', '\n \n', ['', '', ''], []],
  ];
  await openWorkshop('', { seed: SEED });
  await page.$eval('.aprender', (details) => { details.open = true; });
  for (const [what, list, fields, options] of cases) {
    for (const [i, id] of ['', '-nombre', '-clave', '-umbral'].entries())
      await page.$eval(`#taller-lista${id}`, (field, value) => { field.value = value; }, [list, ...fields][i]);
    const before = (await seen()).text;
    await page.click('#taller-aprender');
    await page.waitForSelector('#taller-aprender:not([disabled])');
    const view = await seen();
    // The tool's grammar, or its reason without the program's name and the input's.
    const run = spawnSync(tool, ['--aprender', '-', ...options], { input: list, encoding: 'utf8' });
    const learned = run.status === 0 ? { text: run.stdout }
      : { message: run.stderr.trim().replace(/^quelvarinox-nombres: (\(entrada estándar\): )?/, '') };
    if (learned.message) {
      assert.deepEqual([view.status, view.text], [`No se aprendió ninguna gramática: ${learned.message}`, before], what);
      continue;
    }
    assert.deepEqual([view.text, view.errors, view.names], [learned.text, [], toolNames(learned.text, 20)], what);
  }
  await page.type('#taller-lista-umbral', 'dos');
  await page.click('#taller-aprender');
  assert.equal(await page.$eval('#taller-lista-umbral-error', (span) => span.textContent),
    'El umbral es un número entero; vacío, vale 2.');
});

test('a link carries the grammar, a long one too, and shows the tool\'s name of it', async () => {
  // Comment lines that deflate hardly shrinks, for a link of more than 64 KiB.
  const long = Array.from({ length: 1000 }, (_, i) => `# ${createHash('sha512').update(`${i}`).digest('base64url')}\n`).join('');
  const cases = [
    ['an accent and a character outside the BMP', '# Añadido: ☀ 𝔸\n', false],
    ['a link of more than 64 KiB, written when the pointer reaches it', long, true],
  ];
  for (const [what, addition, longLink] of cases) {
    await openWorkshop('', { seed: SEED });
    await page.select('#taller-base', 'corelia');
    await page.click('#taller-cargar');
    await write(`${(await seen()).text}${addition}`);
    await page.click('#taller-nombres li:nth-child(7) button');
    await seen();
    await page.hover('#taller-enlace');
    const view = await seen();
    assert.match(view.link, new RegExp(`#gramatica=[A-Za-z0-9_-]+&semilla=${SEED}&indice=7$`), what);
    assert.equal(view.link.length > 1 << 16, longLink, what);

    await openLink(view.link.split('#gramatica=')[1], '');
    const linked = await seen();
    assert.deepEqual([linked.name, linked.open, linked.text, linked.notice, linked.errors],
      [toolNames(view.text, 7).at(-1), true, view.text, '', []], what);
    assert.deepEqual([linked.name, linked.pageLink], [view.names[6], view.link], what);
  }
});

test('an opened grammar link is the chosen category, and «Generar» goes on with its names', async () => {
  const data = packed(example);
  const expected = toolNames(example, 6, '--traza').map((line) => line.split('\t'));
  const alternative = toolNames(example, 6, '-a');
  const description = /^descripcion = "(.*)"$/m.exec(example)[1];
  await openLink(data, `&semilla=${SEED}&indice=3`);
  let shown = await seen();
  assert.deepEqual([shown.chosen, shown.picture, shown.description, shown.name, shown.pageTrace],
    ['Mi lengua', 'quelvarinox.svg', description, ...expected[2]]);
  // A built-in category goes on with the page's own seed, which the link of its name tells.
  const tatooine = (link) => execFileSync(tool, ['-s', new URL(link).searchParams.get('semilla'), '-c', 'tatooine'],
    { encoding: 'utf8' }).trim();
  const steps = [
    [() => page.click('#generar'), () => expected[3][0], new RegExp(`#gramatica=${data}&semilla=${SEED}&indice=4$`)],
    [() => page.select('#categoria', 'tatooine'), tatooine, /\?categoria=tatooine&semilla=\d+&indice=1$/],
    [() => page.select('#categoria', '#gramatica'), () => expected[4][0], /&indice=5$/],
    [() => page.click('#dibujo').then(() => page.click('#generar')), () => alternative[5], /&indice=6&modo=alternativo$/],
  ];
  const names = [expected[2][0]];
  for (const [act, name, link] of steps) {
    await act();
    await page.waitForFunction((before) => document.getElementById('nombre').value !== before, {}, shown.name);
    shown = await seen();
    assert.match(shown.pageLink, link);
    assert.equal(shown.name, name(shown.pageLink), link);
    names.unshift(`${shown.name} ${shown.chosen}`);
  }
  names[names.length - 1] += ' Mi lengua';
  assert.deepEqual(shown.history, names);
  // The address follows the name, a grammar's too.
  await page.waitForFunction((link) => location.href === link, {}, shown.pageLink);
  await openLink(shown.pageLink.split('#gramatica=')[1], '');
  assert.equal(await page.$eval('#nombre', (output) => output.value), alternative[5]);
});

test('a broken link opens the workshop with what it could read and says why', async () => {
  const cases = [
    ['%%%', 'no está escrita en base64url', (text) => text === ''],
    [packed(example).slice(0, 200), 'no se pudo descomprimir entera', (text) => text.length > 100 && example.startsWith(text)],
    [packed(Buffer.from([0x61, 0xff, 0x62])), 'no es texto UTF-8', (text) => text === 'a\uFFFDb'],
    [packed('nombre = 3\n'), 'tiene errores', (text) => text === 'nombre = 3\n'],
    // The padding of a base64 encoder after a length that wants other, and a length that no base64 has.
    [padded(byPadding['==']).slice(0, -1), 'no está escrita en base64url', (text) => text === ''],
    [`${padded(byPadding[''])}A`, 'no está escrita en base64url', (text) => text === ''],
  ];
  for (const [data, message, recovered] of cases) {
    await openLink(data, '&semilla=5&indice=2');
    const view = await seen();
    assert.ok(view.notice.includes(message), `${message}: ${view.notice}`);
    assert.ok(recovered(view.text), `${message}: ${JSON.stringify(view.text)}`);
    assert.ok(view.open && view.errors.length > 0 && view.names.length === 0, message);
    assert.deepEqual(view.errors, toolErrors(view.text), message);
  }
});

test('a link padded with "=" or "==", as Python\'s urlsafe_b64encode writes it, reads as one without', async () => {
  for (const padding of ['=', '==']) {
    const text = byPadding[padding];
    await openLink(padded(text), '&semilla=5&indice=2');
    const view = await seen();
    assert.deepEqual([view.text, view.name, view.notice], [text, toolNames(text, 2, '-s', '5')[1], ''], padding);
  }
});

test('the page\'s address and a grammar link read a seed, an index and a mode alike', async () => {
  const cases = [
    ['semilla=%2B5', 'La semilla «+5» lleva un signo, y en la dirección va sin él: «5».'],
    ['semilla=+5', 'La semilla «+5» lleva un signo'],
    ['semilla=-1', 'La semilla «-1» es negativa: va de 0 a 18446744073709551615.'],
    ['semilla=-0', 'La semilla «-0» lleva un signo'],
    ['semilla=%205', 'La semilla « 5» no es un número entero.'],
    ['semilla=000000000000000000005', 'La semilla «000000000000000000005» tiene más de 20 cifras'],
    ['semilla=18446744073709551616', 'La semilla «18446744073709551616» está fuera de rango'],
    ['indice=0', 'El índice «0» está fuera de rango: va de 1 a 18446744073709551615.'],
    ['modo=oscuro', 'El modo «oscuro» no existe: es «normal» o «alternativo».'],
    ['semilla=00000000000000000005&indice=02', ''],
  ];
  for (const [params, message] of cases) {
    const address = await openWorkshop(`?categoria=tatooine&${params}`).then(() => seen());
    const link = await openLink(packed(example), `&${params}`).then(() => seen());
    for (const [where, view] of [['address', address], ['grammar link', link]]) {
      if (message === '') assert.equal(view.notice, '', `${params}, ${where}`);
      else assert.ok(view.notice.includes(message), `${params}, ${where}: ${view.notice}`);
    }
  }
  assert.equal((await seen()).name, toolNames(example, 2, '-s', '5')[1]);
});

test('whatever happens to the worker, the status tells it of the last text, and the workshop goes on', async () => {
  const tab = await browser.newPage();
  tab.on('pageerror', (error) => problems.push(error.message));
  const failed = 'No hay nombres de este texto: el generador de nombres';
  const recovered = 'El taller ya tiene uno nuevo: cambia el texto para volver a probar.';
  const cases = [
    ['the module aborts', 0, `${example}# QUE-ABORTE\n`, `${failed} se quedó sin memoria. ${recovered}`, [], 0],
    ['the worker does not load', 1, undefined, `${failed} no se pudo cargar o dejó de funcionar. ${recovered}`, [], 0],
    ['a mistake in English fields', 0, `${example}# ERROR-EN-INGLES\n`, 'La gramática tiene un error; los nombres son '
      + 'los de su última versión sin errores.', ['línea 3, columna 1: un error contado en inglés'], 20],
  ];
  for (const [what, refused, text, status, errors, names] of cases) {
    workerRefusals = refused;
    await openWorkshop(standIn.url, { tab });
    let view = await seen(tab);
    if (text !== undefined) {
      await write(text, tab);
      view = await seen(tab);
    }
    assert.deepEqual([view.status, view.errors, view.names.length], [status, errors, names], what);
    // The page's own names are not the worker's.
    const before = view.name;
    await tab.click('#generar');
    view = await seen(tab);
    assert.ok(view.name !== before && view.notice === '', `${what}: ${view.name}, ${view.notice}`);
    await setSeed(SEED, tab);
    await write(example, tab);
    view = await seen(tab);
    assert.deepEqual([view.status, view.names], ['La gramática «Mi lengua» (clave «mi-lengua») está bien.',
      toolNames(example, 20)], `${what}, then the example`);
  }
  await tab.close();
});

test('while the worker reads, the status says so, the page answers, and the last text wins', async () => {
  slowRead = {};
  slowRead.promise = new Promise((resolve) => { slowRead.resolve = resolve; });
  await openWorkshop(standIn.url, { seed: SEED });
  await seen();
  await write(`${example}# LENTO\n`);
  await page.waitForFunction(() =>
    document.getElementById('taller-estado').textContent === 'Leyendo la gramática y haciendo sus nombres…');
  const before = await page.$eval('#nombre', (output) => output.value);
  await page.click('#generar');
  const meanwhile = await page.evaluate(() => [document.getElementById('nombre').value,
    document.getElementById('taller-estado').textContent, document.getElementById('taller-nombres').className]);
  assert.ok(meanwhile[0] !== before, 'a name while the worker reads');
  assert.deepEqual(meanwhile.slice(1), ['Leyendo la gramática y haciendo sus nombres…', 'caducos']);
  const last = `${example}z = 40\n`;
  await write(last);
  slowRead.resolve();
  const view = await seen();
  assert.deepEqual([view.status, view.names, view.text], ['La gramática «Mi lengua» (clave «mi-lengua») está bien.',
    toolNames(last, 20), last]);
});

test('a light grammar link shows its names before the worker starts; a heavy one waits for the worker', async () => {
  let release;
  heldWorker = new Promise((resolve) => { release = resolve; });
  const openHeld = (text) => page.goto('about:blank').then(() => page.goto(new URL(`/#gramatica=${packed(text)}`
    + `&semilla=${SEED}&indice=2`, standIn.url).href, { waitUntil: 'domcontentloaded' }));
  await openHeld(example);
  const light = await seen();
  assert.deepEqual([light.names, light.name], [toolNames(example, 20), toolNames(example, 2)[1]]);
  // 6,000 "=" make a text that the page's thread leaves to the worker, even in comments.
  const heavy = `${example}${'# =\n'.repeat(6000)}`;
  await openHeld(heavy);
  await new Promise((done) => setTimeout(done, 1000));
  const waiting = await page.$eval('#taller-enlace', (link) => 'pending' in link.dataset);
  assert.ok(waiting, 'names of a heavy text without the worker');
  release();
  heldWorker = null;
  const view = await seen();
  assert.deepEqual([view.names, view.name], [toolNames(heavy, 20), toolNames(heavy, 2)[1]]);
});

test('the download offers the file, named after its key', async () => {
  await openWorkshop();
  const session = await page.createCDPSession();
  const done = new Promise((resolve) => session.on('Browser.downloadProgress', (event) => {
    if (event.state === 'completed') resolve();
  }));
  const offered = new Promise((resolve) => session.on('Browser.downloadWillBegin', resolve));
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  await page.click('#taller-descargar');
  assert.equal((await offered).suggestedFilename, 'mi-lengua.toml');
  await done;
  assert.equal(readFileSync(join(folder, 'mi-lengua.toml'), 'utf8'), example);
  await session.detach();
});

// Every text as long as the format allows, with no space to break it at: the name, the description, and
// names of one word of 16 syllables of 8-byte pieces. The page's notice quotes long words of an address.
const longGrammar = `nombre = "${'N'.repeat(4000)}"\nclave = "larga"\ndescripcion = "${'D'.repeat(4000)}"\n` +
  '[forma]\nfija = { palabras = 1 }\n[silabas.pesos]\n16 = 1\n[ataque.pesos]\nbbbbbbbb = 1\n[vocal.pesos]\n' +
  'aaaaaaaa = 1\n[coda.pesos]\ncccccccc = 1\n';

test('at 1280 and 375 pixels wide, nothing scrolls sideways and every control has a name', async () => {
  const longLink = `/#gramatica=${packed(longGrammar)}&semilla=5`;
  for (const width of [1280, 375]) {
    await page.setViewport({ width, height: 800 });
    for (const [shown, address] of [['Corelia', ''], ['a grammar of long texts', longLink],
      ['a notice of long words', `?categoria=${'a'.repeat(100)}&semilla=${'9'.repeat(100)}`]]) {
      await openWorkshop(address);
      if (address === '') {
        await page.select('#taller-base', 'corelia');
        await page.click('#taller-cargar');
      }
      await page.waitForFunction(() => document.getElementById('nombre').value !== '…');
      for (let i = 0; i < 3; i++) await page.click('#generar');
      await seen();
      for (const workshop of ['open', 'closed']) {
        if (workshop === 'closed') await page.click('#abrir-taller');
        const wide = await page.evaluate(() => document.documentElement.scrollWidth);
        assert.ok(wide <= width, `${width}, ${shown}, workshop ${workshop}: ${wide} pixels wide`);
      }
    }
    await page.click('#abrir-taller');
    const unnamed = [];
    const visit = (node) => {
      if (['button', 'combobox', 'link', 'textbox', 'checkbox', 'DisclosureTriangle'].includes(node.role) && !node.name?.trim())
        unnamed.push(node.role);
      node.children?.forEach(visit);
    };
    visit(await page.accessibility.snapshot());
    assert.deepEqual(unnamed, [], `${width}: controls without an accessible name`);
  }
  await page.setViewport({ width: 1280, height: 800 });
});
