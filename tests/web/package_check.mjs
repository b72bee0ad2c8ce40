// The npm package, imported by its name from the folder it was installed into,
// against quelvarinox-nombres (the first argument): the same categories and
// version, and the same seeded names and traces of every category and of
// grammars of one's own in both modes, also after hostile grammar texts, and of
// the examples of the source tree (the folder of the second argument); the
// same grammar text learned from the same lists of names.
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { GrammarError, LearningError, NameRefusedError, load } from 'quelvarinox';

const tool = process.argv[2];
const examples = process.argv[3];
// Above 2^53, so that a seed that lost bits on its way through JavaScript shows.
const SEED = 12345678901234567891n;
const NAMES_PER_CATEGORY = 4;
const LARGEST_NUMBER = 2n ** 64n - 1n;

const toolLines = (...options) => execFileSync(tool, options, { encoding: 'utf8' }).trimEnd().split('\n');
// Grammars and lists written to files of their own for the tool.
const folder = mkdtempSync(join(tmpdir(), 'quelvarinox-'));
after(() => rmSync(folder, { recursive: true }));
let files = 0;
function textFile(text) {
  const file = join(folder, `${++files}.toml`);
  writeFileSync(file, text);
  return file;
}
const quelvarinox = await load();
const { categories } = quelvarinox;

test('the categories and the version are the tool\'s', async () => {
  assert.deepEqual(categories.map((category, i) => [i + 1, category.displayText, category.key,
    category.readsAlternativeMode ? 'sí' : 'no'].join('\t')), toolLines('--lista'));
  assert.ok(categories.every((category) => category.description.length > 80));
  assert.equal(`quelvarinox-nombres ${quelvarinox.version}`, toolLines('--version')[0]);
  const { version } = JSON.parse(readFileSync(new URL('node_modules/quelvarinox/package.json', import.meta.url)));
  assert.match(version, new RegExp(`^${quelvarinox.version.replaceAll('.', '\\.')}(\\.0)?$`));
  assert.equal(await load(), quelvarinox);
});

function assertTheToolsNamesOfEveryCategory() {
  for (const options of [[], ['-a']]) {
    const generator = quelvarinox.generator(SEED);
    assert.equal(generator.seed, SEED);
    assert.equal(generator.lastTrace(), '');
    const made = categories.flatMap(({ displayText, key }) => Array.from({ length: NAMES_PER_CATEGORY }, () =>
      [displayText, generator.name(key, options.length > 0), generator.lastTrace()].join('\t')));
    assert.deepEqual(made, toolLines('-s', String(SEED), '-n', String(NAMES_PER_CATEGORY), '--traza', ...options));
    generator.free();
  }
}

test('every category gives the tool\'s seeded names and traces, in both modes', assertTheToolsNamesOfEveryCategory);

// However the category is written; nameAt() leaves the count alone.
test('names() and nameAt() follow name(), and a drawn seed makes the same names again', () => {
  const expected = toolLines('-s', '7', '-c', 'Ord Mantell', '-n', '5', '-a');
  const generator = quelvarinox.generator(7);
  assert.equal(generator.nameAt(' ORD MANTELL ', 4n, true), expected[3]);
  assert.deepEqual([generator.name('ordm', true), ...generator.names('Ord mantell', 4, true)], expected);
  assert.equal(generator.nameAt('ordm', 5, true), expected[4]);
  const drawn = quelvarinox.generator();
  assert.deepEqual(quelvarinox.generator(drawn.seed).names('jedi', 3), drawn.names('jedi', 3));
  assert.notEqual(quelvarinox.generator().seed, drawn.seed);
});

test('a category, a number or a generator that is wrong throws, in Spanish', () => {
  const generator = quelvarinox.generator(LARGEST_NUMBER);
  const wrong = [
    [() => generator.name('Hoth'), RangeError, 'categoría desconocida: «Hoth»'],
    [() => generator.nameAt('jedi', 0), RangeError, `El número del nombre es un entero de 1 a ${LARGEST_NUMBER}, no 0`],
    [() => generator.nameAt('jedi', LARGEST_NUMBER + 1n), RangeError, /^El número del nombre es un entero/],
    [() => generator.names('jedi', -1), RangeError, /^La cantidad es un entero/],
    [() => quelvarinox.generator(-1n), RangeError, /^La semilla es un entero de 0/],
    [() => quelvarinox.generator(2 ** 53), RangeError, /^La semilla es un entero/],
  ];
  for (const [call, type, message] of wrong)
    assert.throws(call, (error) => error instanceof type && (message instanceof RegExp
      ? message.test(error.message) : error.message === message), String(call));
  assert.equal(generator.nameAt('jedi', 10n ** 15n), toolLines('-s', String(LARGEST_NUMBER), '-c', 'jedi',
    '--desde', String(10n ** 15n), '-n', '1')[0]);
  generator.free();
  assert.throws(() => generator.name('jedi'), { message: 'Este generador ya se ha liberado con free().' });
});

const ownGrammar = `nombre = "Mía"
clave = "mia"
[forma]
fija = { palabras = 1 }
[silabas]
tirada = 2
filas = [[0, 2, 1]]
[ataque.pesos]
l = 1
"ñ" = 1
[vocal.pesos]
a = 1
[coda.pesos]
"" = 1
`;

// The workshop's test checks the same calls in the browser, on every keystroke. The
// package reads no files: an example that inherits another is given whole, as the
// tool's --exportar writes it, and a grammar's hereda names a built-in one.
test('built-in grammars written out, one\'s own, the examples and one that inherits a planet give the tool\'s ' +
  'names and traces; a refused name throws', () => {
  const exported = quelvarinox.builtinGrammarText(' ORD MANTELL ');
  assert.equal(exported, execFileSync(tool, ['--exportar', 'ordm'], { encoding: 'utf8' }));
  const inheriting = 'hereda = "tatooine"\nnombre = "T"\nclave = "t"\n[vocal.final.pesos]\na = 6\ne = 2\n';
  const texts = [[exported], [ownGrammar], [inheriting], ...['ribera.toml', 'ribera-mujer.toml'].map((example) =>
    [execFileSync(tool, ['--exportar', join(examples, example)], { encoding: 'utf8' }), join(examples, example)])];
  let all = '';
  for (const [text, file = textFile(text)] of texts) {
    const grammar = quelvarinox.grammar(text);
    for (const options of [[], ['-a']]) {
      const generator = quelvarinox.generator(SEED);
      const made = Array.from({ length: 300 }, () => `${generator.name(grammar, options.length > 0)}\t${generator.lastTrace()}`);
      assert.deepEqual(made, toolLines('--gramatica', file, '-s', String(SEED), '-n', '300', '--traza', ...options));
      all += made.join('\n');
      generator.free();
    }
    grammar.free();
  }
  assert.ok(all.includes(' X'));
  assert.deepEqual(quelvarinox.grammarCategories().length, categories.length - 3);
  assert.throws(() => quelvarinox.builtinGrammarText('jedi'), RangeError);
  assert.throws(() => quelvarinox.grammar('hereda = "ribera.toml"\nnombre = "R"\nclave = "r"\n'), (error) =>
    error instanceof GrammarError && error.message === '1:10: no se puede leer la gramática «ribera.toml»: esta versión ' +
      'de la biblioteca no lee ficheros');
  const never = quelvarinox.grammar(ownGrammar.replace('"ñ" = 1\n', '') + '[rechazo]\npatrones = ["la", "l"]\n');
  const generator = quelvarinox.generator(SEED);
  for (const index of [1n, 2n])
    assert.throws(() => generator.name(never), (error) => error instanceof NameRefusedError && error.index === index &&
      error.pattern === 2 && error.message === `la gramática «Mía» no da el nombre número ${index}: [rechazo] lo ha ` +
      'rechazado 1000 veces seguidas, 1000 de ellas por el patrón 2, «l»');
  assert.throws(() => generator.nameAt(never, 9), NameRefusedError);
  generator.free();
  never.free();
});

test('a wrong grammar throws a GrammarError with every mistake, as the tool\'s --comprobar says them', () => {
  const wrong = ownGrammar.replace('filas = [[0, 2, 1]]', 'filas = [[0, 1, 1]]').replace('clave = "mia"', 'clave = "Mía"');
  const file = textFile(wrong);
  const messages = spawnSync(tool, ['--comprobar', file], { encoding: 'utf8' }).stderr.trimEnd().replaceAll(`${file}:`, '');
  assert.throws(() => quelvarinox.grammar(wrong), (error) => {
    assert.ok(error instanceof GrammarError && error.message === messages);
    assert.deepEqual([error.line, error.column, error.errors.length], [2, 9, 2]);
    assert.deepEqual(error.errors.map(({ line, column, message }) => `${line}:${column}: ${message}`),
      messages.split('\n'));
    assert.deepEqual([error.linea, error.columna, error.errores], [error.line, error.column,
      error.errors.map(({ line, column, message }) => ({ linea: line, columna: column, mensaje: message }))]);
    return true;
  });
});

// Whatever characters a message quotes from the text; a grammar's text is a string and nothing else.
test('any text gives a grammar or a GrammarError, and anything but a string a TypeError', () => {
  for (const text of ['"a\\nb" = 1\n', '"\\u0000" = 1', '"\\u2028\\u0085" = 1', 'x = "\\"\\\\"', '["\\t"]\n', '"«:1:1: »" = 1'])
    assert.throws(() => quelvarinox.grammar(text), GrammarError, text);
  for (const value of [undefined, null, 7, [ownGrammar], new String(ownGrammar)])
    assert.throws(() => quelvarinox.grammar(value), TypeError, String(value));
});

// The outcome of a front end as the tool shows it: status 0 and the text on
// the output, or status 2 and the message on the error output; a list on the
// tool's standard input has a name there that a text handed over has not.
const learnedAsTheTool = (learn) => {
  try {
    return [0, learn(), ''];
  } catch (error) {
    assert.ok(error instanceof LearningError, String(error));
    return [2, '', `quelvarinox-nombres: ${error.message}\n`];
  }
};
const toolFromInput = (input, ...options) => {
  const run = spawnSync(tool, options, { input, encoding: 'utf8' });
  return [run.status, run.stdout, run.stderr.replace(/\(entrada estándar\): ?/g, '')];
};

// A planet's names, names with particles and accents, and names with no vowels,
// with each set of options.
test('learn() gives the tool\'s grammar text for the same list, or its message', () => {
  const lists = [execFileSync(tool, ['-c', 'tatooine', '-n', '500', '-s', '7'], { encoding: 'utf8' }),
    'Ñana de Sorél\nÍara del Vela\nMendël van Orín\nSöri Nis\n', 'Brr\nPfft\n'];
  const optionSets = [
    [[], undefined],
    [['--nombre', 'Los míos', '--clave', 'mios', '--umbral', '1'], { displayText: 'Los míos', key: 'mios', threshold: 1 }],
    [['--clave', 'Mía'], { key: 'Mía' }],
  ];
  for (const [i, list] of lists.entries())
    for (const [options, learnOptions] of optionSets)
      assert.deepEqual(learnedAsTheTool(() => quelvarinox.learn(list, learnOptions)),
        toolFromInput(list, '--aprender', '-', ...options), `list ${i} ${options}`);
});

test('learn() takes a string and options of their types', () => {
  const wrong = [
    [() => quelvarinox.learn(7), TypeError, 'La lista de nombres es una cadena, no number'],
    [() => quelvarinox.learn(null), TypeError, 'La lista de nombres es una cadena, no null'],
    [() => quelvarinox.learn('Ana', { key: 7 }), TypeError, 'La clave es una cadena, no number'],
    [() => quelvarinox.learn('Ana', { displayText: null }), TypeError, 'El nombre de la gramática es una cadena, no null'],
    [() => quelvarinox.learn('Ana', { threshold: 2.5 }), RangeError, 'El umbral es un entero de 32 bits, no 2.5'],
    [() => quelvarinox.learn('Ana', { threshold: 2 ** 31 }), RangeError, 'El umbral es un entero de 32 bits, no 2147483648'],
    [() => quelvarinox.learn('Ana', { threshold: 0 }), LearningError, 'El umbral ha de ser un entero de 1 a 1000000, y es 0.'],
  ];
  for (const [call, type, message] of wrong)
    assert.throws(call, (error) => error instanceof type && error.message === message, String(call));
});

// Hostile texts, made by families: each family makes a text of at most `bytes`
// bytes, its keys and tables after `prefix`, so that the texts of several
// families make one together.
const GRAMMAR_LIMIT = 1 << 20;
const bytesOf = (text) => Buffer.byteLength(text);
// head, then unit as many times as fit, then tail.
const repeated = (head, unit, tail, bytes) =>
  head + unit.repeat(Math.max(0, Math.floor((bytes - bytesOf(head + tail)) / bytesOf(unit)))) + tail;
// part(0), part(1), … as many as fit.
function numbered(part, bytes) {
  const parts = [];
  for (let i = 0, size = 0; size + bytesOf(part(i)) <= bytes; size += bytesOf(part(i)), i++) parts.push(part(i));
  return parts.join('');
}
// A grammar of one's own with `section` taken out, and the family's text after
// it; or, for root keys, before it.
const afterOwnGrammar = (make, section = '') => (bytes, prefix) => {
  const own = ownGrammar.replace(section, '');
  return own + make(bytes - bytesOf(own), prefix);
};
const beforeOwnGrammar = (make) => (bytes, prefix) => make(bytes - bytesOf(ownGrammar), prefix) + ownGrammar;
const ATTACK = '[ataque.pesos]\nl = 1\n"ñ" = 1\n';
const SYLLABLES = '[silabas]\ntirada = 2\nfilas = [[0, 2, 1]]\n';
// [ataque.pesos] of as many pieces as fit, each `piece(i)`.
const attackPieces = (piece) => afterOwnGrammar((b, p) =>
  numbered((i) => (i ? '' : `[${p}ataque.pesos]\n`) + piece(i), b), ATTACK);
const arrayOf = (unit) => (b, p) => repeated(`${p}x = [`, unit, ']\n', b);
const hostileFamilies = {
  integers: arrayOf('1,'),
  strings: arrayOf('"",'),
  inlineTables: arrayOf('{},'),
  emptyArrays: arrayOf('[],'),
  mixedArray: arrayOf('1,"a",[],{b=1},1.5,true,1979-05-27,'),
  arraysOfTables: (b, p) => repeated('', `[[${p}a]]\n`, '', b),
  tables: (b, p) => numbered((i) => `[${p}${i.toString(36)}]\n`, b),
  keys: (b, p) => numbered((i) => `${p}${i.toString(36)}=1\n`, b),
  inlineKeys: (b, p) => `${p}x = {${numbered((i) => `k${i}=1,`, b - 12)}z=1}\n`,
  dottedKeys: (b, p) => numbered((i) => `${p}a.k${i} = 1\n`, b),
  nestedArrays: (b, p) => repeated(`${p}x = `, '[', '', b / 2) + ']'.repeat(b / 2),
  nestedInlineTables: (b, p) => repeated(`${p}x = `, '{a=', '1', b / 2) + '}'.repeat(b / 2),
  longKey: (b, p) => repeated(`"${p}`, 'k', '" = 1\n', b),
  longString: (b, p) => repeated(`${p}x = "`, 'ñ', '"\n', b),
  escapes: (b, p) => repeated(`${p}x = "`, '\\u0001\\t\\\\\\"', '"\n', b),
  controlKeys: (b, p) => numbered((i) => `"${p}\\u000${i % 10}\\n${i}" = 1\n`, b),
  multilineStrings: (b, p) => repeated(`${p}x = """`, 'línea\n', '"""\n', b),
  comment: afterOwnGrammar((b, p) => repeated(`# ${p}`, 'comentario ', '\n', b)),
  blankLines: afterOwnGrammar((b) => repeated('', '\n', '', b)),
  unfinished: (b, p) => repeated(`${p}x = [`, '1,', '', b),
  extraArray: beforeOwnGrammar(arrayOf('1,')),
  description: beforeOwnGrammar((b, p) => repeated(`${p}descripcion = "`, 'a', '"\n', b)),
  weights: attackPieces((i) => `${i.toString(36)} = 1\n`),
  zeroWeights: attackPieces((i) => `${i.toString(36)} = 0\n`),
  longPieces: attackPieces((i) => `piezalarga${i} = 1\n`),
  rows: afterOwnGrammar((b, p) => repeated(`[${p}silabas]\ntirada = 2\nfilas = [`, '[0,2,1],', ']\n', b), SYLLABLES),
  keysInTables: afterOwnGrammar((b, p) => numbered((i) => `[${p}ataque.${i.toString(36)}]\n`, b)),
  deepKeys: (b, p) => repeated(`${p}a`, '.a', ' = 1\n', b),
  deepTables: (b, p) => repeated(`[${p}a`, '.a', ']\n', b),
};
// Each family at sizes that grow by four to the limit; the costs of the
// loader's checks grow with the size, so only the last size takes long.
const SIZES = [64, 256, 1024, 4096, 16384, 65536, GRAMMAR_LIMIT];

// Each family at each size, then two or three families at a time, each with
// its share of the size, and texts past the limit.
function* hostileTexts() {
  const makers = Object.entries(hostileFamilies);
  for (const [name, make] of makers)
    for (const bytes of SIZES) yield [`${name} (${bytes})`, make(bytes, '')];
  for (let i = 0; i < makers.length; i++) {
    const mixed = [makers[i], makers[(i * 7 + 3) % makers.length], makers[(i * 11 + 5) % makers.length]].slice(0, 2 + i % 2);
    const bytes = SIZES[SIZES.length - 2 - i % 3];
    yield [`${mixed.map(([name]) => name).join(' + ')} (${bytes})`,
      mixed.map(([, make], k) => make(Math.floor(bytes / mixed.length) - 1, `m${k}`)).join('\n')];
  }
  yield ['past the limit', 'x'.repeat(GRAMMAR_LIMIT + 1)];
  yield ['64 times the limit', 'x'.repeat(64 * GRAMMAR_LIMIT)];
}

test('any hostile text of up to 1 MiB gives a grammar or a GrammarError, and the names stay the tool\'s', () => {
  const outcomes = { grammar: 0, GrammarError: 0 };
  for (const [name, text] of hostileTexts()) {
    try {
      quelvarinox.grammar(text).free();
      outcomes.grammar++;
    } catch (error) {
      assert.ok(error instanceof GrammarError && error.errors.length > 0, `${name}: ${error}`);
      outcomes.GrammarError++;
    }
  }
  assert.ok(outcomes.grammar > 0 && outcomes.grammar + outcomes.GrammarError >= 200, JSON.stringify(outcomes));
  assertTheToolsNamesOfEveryCategory();
});
