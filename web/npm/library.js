// The names of Quelvarinox over the C API of its WebAssembly module, the one of
// include/quelvarinox/quelvarinox.h. Each call of that API goes through CApi, which
// turns its status into an exception and carries its texts in and out, so that a
// new function of the C API is one short method here.
import createModule from './quelvarinox.js';

const STATUS_OK = 0;
const STATUS_UNKNOWN_CATEGORY = 1;
const STATUS_BUFFER_TOO_SMALL = 2;
const STATUS_OUT_OF_MEMORY = 4;
const STATUS_INVALID_GRAMMAR = 5;
const STATUS_NOT_A_GRAMMAR = 6;
const STATUS_NOTHING_LEARNED = 8;
const STATUS_NAME_REFUSED = 9;
const LARGEST_NUMBER = 2n ** 64n - 1n;
// struct quelvarinox_category: three pointers and an int, four bytes each.
const CATEGORY_SIZE = 16;
// struct quelvarinox_learn_options: two pointers and an int.
const LEARN_OPTIONS_SIZE = 12;
// Where the C calls write back, in bytes from the start of CApi's #out: a
// pointer, a 64-bit number or a size; the errors of a grammar; the line and the
// column of one of them.
const OUT_ERRORS = 8;
const OUT_LINE = 12;
const OUT_COLUMN = 16;
const OUT_SIZE = 20;

// Thrown for a grammar's text that is wrong: `message` gives every mistake, one
// a line, as "línea:columna: mensaje"; `line` and `column` say where the first
// is, and `errors` holds each as { line, column, message }.
export class GrammarError extends Error {
  constructor(errors) {
    super(errors.map(({ line, column, message }) => `${line}:${column}: ${message}`).join('\n'));
    this.name = 'GrammarError';
    this.line = errors[0].line;
    this.column = errors[0].column;
    this.errors = Object.freeze(errors.map((error) => Object.freeze(error)));
  }

  // The Spanish names of the first versions, kept for the 2.x series.
  get linea() {
    return this.line;
  }

  get columna() {
    return this.column;
  }

  get errores() {
    return Object.freeze(this.errors.map(({ line, column, message }) =>
      Object.freeze({ linea: line, columna: column, mensaje: message })));
  }
}

// Thrown when a list of names teaches no grammar, or the options of learn() are
// wrong: `message` says why, in Spanish, as quelvarinox-nombres --aprender does.
export class LearningError extends Error {
  constructor(message) {
    super(message);
    this.name = 'LearningError';
  }
}

// Thrown for a name that a grammar's [rechazo] refused, rejecting it 1000
// times; the name counts as given. `message` says so in Spanish, `index` is the
// name's number (a BigInt, from 1) and `pattern` the number, from 1, of the
// pattern that rejected most of its attempts.
export class NameRefusedError extends Error {
  constructor(message, index, pattern) {
    super(message);
    this.name = 'NameRefusedError';
    this.index = index;
    this.pattern = pattern;
  }
}

// The module's C API, with a buffer for the texts it gives, grown when a call
// says it is too small, and one for the texts it is given.
class CApi {
  #module;
  #out;
  #buffer = { address: 0, size: 0 };
  #input = { address: 0, size: 0 };

  constructor(module) {
    this.#module = module;
    this.#out = this.allocate(OUT_SIZE);
    this.#reserve(this.#buffer, 256);
    this.#reserve(this.#input, 64);
  }

  get module() {
    return this.#module;
  }

  // `status`, a call's result, as an exception unless it is success. `category`
  // is the text the call was given as a category; `generator`, that of a call
  // that made a name.
  check(status, category, generator) {
    if (status === STATUS_OK) return;
    if (status === STATUS_NAME_REFUSED) throw this.#refusal(generator);
    if (status === STATUS_UNKNOWN_CATEGORY) throw new RangeError(`categoría desconocida: «${category}»`);
    if (status === STATUS_NOT_A_GRAMMAR)
      throw new RangeError(`La categoría «${category}» no tiene gramática: sus nombres los hace un programa.`);
    throw new Error(this.string(this.#module._quelvarinox_status_message(status)));
  }

  string(address) {
    return this.#module.UTF8ToString(address);
  }

  // The text that call(buffer, size, needed) writes. A call that writes why it
  // learned nothing instead throws that as a LearningError.
  text(call, category, generator) {
    let status = call(this.#buffer.address, this.#buffer.size, this.#out);
    const needed = this.#module.HEAPU32[this.#out >> 2];
    if ((status === STATUS_BUFFER_TOO_SMALL || status === STATUS_NOTHING_LEARNED) && needed > this.#buffer.size) {
      this.#reserve(this.#buffer, needed);
      status = call(this.#buffer.address, this.#buffer.size, this.#out);
    }
    if (status === STATUS_NOTHING_LEARNED) throw new LearningError(this.string(this.#buffer.address));
    this.check(status, category, generator);
    return this.string(this.#buffer.address);
  }

  // Why the last name of `generator` was refused: its number goes after the
  // size the message needs, and the pattern's after it.
  #refusal(generator) {
    const m = this.#module;
    const message = this.text((buffer, size, needed) =>
      m._quelvarinox_last_refusal(generator, this.#out + OUT_ERRORS, this.#out + OUT_COLUMN, buffer, size, needed));
    const [low, high] = m.HEAPU32.subarray((this.#out + OUT_ERRORS) >> 2, (this.#out + OUT_LINE + 4) >> 2);
    return new NameRefusedError(message, (BigInt(high) << 32n) | BigInt(low), m.HEAPU32[(this.#out + OUT_COLUMN) >> 2]);
  }

  // `text` in the module's memory as UTF-8, valid until the next call of input().
  input(text) {
    const size = this.#module.lengthBytesUTF8(text) + 1;
    if (size > this.#input.size) this.#reserve(this.#input, size);
    this.#module.stringToUTF8(text, this.#input.address, size);
    return this.#input.address;
  }

  // The pointer or the 64-bit number that call(out) writes.
  pointer(call) {
    this.check(call(this.#out));
    return this.#module.HEAPU32[this.#out >> 2];
  }

  number(call) {
    this.check(call(this.#out));
    const [low, high] = this.#module.HEAPU32.subarray(this.#out >> 2, (this.#out >> 2) + 2);
    return (BigInt(high) << 32n) | BigInt(low);
  }

  // `texts` in the module's memory as UTF-8, each in memory of its own only
  // while use(addresses, lengths) runs, so that a long one does not keep it.
  withTexts(texts, use) {
    const m = this.#module;
    const addresses = [];
    const lengths = texts.map((text) => m.lengthBytesUTF8(text));
    try {
      texts.forEach((text, i) => {
        addresses.push(this.allocate(lengths[i] + 1));
        m.stringToUTF8(text, addresses[i], lengths[i] + 1);
      });
      return use(addresses, lengths);
    } finally {
      addresses.forEach((address) => m._free(address));
    }
  }

  // The grammar that `text` holds, as the pointer quelvarinox_grammar_parse
  // gives, or its mistakes thrown as a GrammarError.
  grammar(text) {
    const m = this.#module;
    const status = this.withTexts([text], ([source], [length]) =>
      m._quelvarinox_grammar_parse(source, length, this.#out, this.#out + OUT_ERRORS));
    if (status === STATUS_INVALID_GRAMMAR) {
      const errors = m.HEAPU32[(this.#out + OUT_ERRORS) >> 2];
      let mistakes;
      try {
        mistakes = this.#errors(errors);
      } finally {
        m._quelvarinox_grammar_errors_free(errors);
      }
      throw new GrammarError(mistakes);
    }
    this.check(status);
    return m.HEAPU32[this.#out >> 2];
  }

  // Each error of a quelvarinox_grammar_errors, as { line, column, message }.
  #errors(errors) {
    const m = this.#module;
    return Array.from({ length: m._quelvarinox_grammar_error_count(errors) }, (_, index) => {
      const message = this.text((buffer, size, needed) => m._quelvarinox_grammar_error_at(errors, index,
        this.#out + OUT_LINE, this.#out + OUT_COLUMN, buffer, size, needed));
      return { line: m.HEAPU32[(this.#out + OUT_LINE) >> 2], column: m.HEAPU32[(this.#out + OUT_COLUMN) >> 2], message };
    });
  }

  // `size` bytes of the module's memory, for the caller to free.
  allocate(size) {
    const address = this.#module._malloc(size);
    if (!address) this.check(STATUS_OUT_OF_MEMORY);
    return address;
  }

  // The grammar's text that the names of `examples` teach, as quelvarinox_learn writes it.
  learn(examples, displayText, key, threshold) {
    const m = this.#module;
    const options = this.allocate(LEARN_OPTIONS_SIZE);
    try {
      return this.withTexts([examples, displayText ?? '', key ?? ''], ([list, displayTextAt, keyAt], [length]) => {
        // A text not given is a null pointer; the threshold, an int, is written as its 32 bits.
        m.HEAPU32.set([displayText === undefined ? 0 : displayTextAt, key === undefined ? 0 : keyAt, threshold],
          options >> 2);
        return this.text((buffer, size, needed) => m._quelvarinox_learn(list, length, options, buffer, size, needed));
      });
    } finally {
      m._free(options);
    }
  }

  categories() {
    const m = this.#module;
    const entry = this.allocate(CATEGORY_SIZE);
    const list = [];
    try {
      for (let index = 0; index < m._quelvarinox_category_count(); index++) {
        this.check(m._quelvarinox_category_at(index, entry));
        const [displayText, key, description, readsAlternativeMode] = m.HEAPU32.subarray(entry >> 2, (entry >> 2) + 4);
        list.push(Object.freeze({
          displayText: this.string(displayText),
          key: this.string(key),
          description: this.string(description),
          readsAlternativeMode: readsAlternativeMode !== 0,
        }));
      }
    } finally {
      m._free(entry);
    }
    return Object.freeze(list);
  }

  #reserve(buffer, size) {
    this.#module._free(buffer.address);
    buffer.address = 0;
    buffer.size = 0;
    buffer.address = this.allocate(size);
    buffer.size = size;
  }
}

// A whole number from `smallest` to 2^64 − 1, as a BigInt; a Number must be a safe integer.
function whole(value, smallest, subject) {
  const exact = typeof value === 'bigint' || Number.isSafeInteger(value);
  if (!exact || value < smallest || BigInt(value) > LARGEST_NUMBER)
    throw new RangeError(`${subject} es un entero de ${smallest} a ${LARGEST_NUMBER}, no ${String(value)}`);
  return BigInt(value);
}

// The module's pointer to each Grammar, which the Generator reads and nothing else.
const grammarPointers = new WeakMap();

// A grammar of one's own, with the identity of a category; its names are made
// by a Generator. It holds memory in the module until free().
class Grammar {
  #api;

  constructor(api, text) {
    this.#api = api;
    const m = api.module;
    const pointer = api.grammar(text);
    const info = api.allocate(CATEGORY_SIZE);
    try {
      api.check(m._quelvarinox_grammar_info(pointer, info));
      const [displayText, key, description, readsAlternativeMode] = m.HEAPU32.subarray(info >> 2, (info >> 2) + 4);
      this.displayText = api.string(displayText);
      this.key = api.string(key);
      this.description = api.string(description);
      this.readsAlternativeMode = readsAlternativeMode !== 0;
    } finally {
      m._free(info);
    }
    grammarPointers.set(this, pointer);
    Object.freeze(this);
  }

  free() {
    this.#api.module._quelvarinox_grammar_free(grammarPointers.get(this) ?? 0);
    grammarPointers.delete(this);
  }
}

function livePointer(grammar) {
  const pointer = grammarPointers.get(grammar);
  if (!pointer) throw new Error('Esta gramática ya se ha liberado con free().');
  return pointer;
}

// Makes names and owns what they are made from: a seed, and the count of names
// given so far of each category. Seeded, its k-th name of a category is the k-th
// of `quelvarinox-nombres -s SEED`, in either mode; of a Grammar, the k-th of
// `quelvarinox-nombres --gramatica FILE -s SEED`.
class Generator {
  #api;
  #generator;

  constructor(api, seed) {
    this.#api = api;
    const m = api.module;
    this.#generator = api.pointer((out) => m._quelvarinox_generator_new_seeded(seed, out));
    this.seed = api.number((out) => m._quelvarinox_generator_seed(this.#generator, out));
    Object.freeze(this);
  }

  name(category, alternative = false) {
    const m = this.#api.module;
    const mode = alternative ? 1 : 0;
    return this.#text(category,
      (c, buffer, size, needed) => m._quelvarinox_name(this.#live(), c, mode, buffer, size, needed),
      (g, buffer, size, needed) => m._quelvarinox_grammar_name(this.#live(), g, mode, buffer, size, needed));
  }

  names(category, count, alternative = false) {
    const many = Number(whole(count, 0, 'La cantidad'));
    return Array.from({ length: many }, () => this.name(category, alternative));
  }

  nameAt(category, index, alternative = false) {
    const m = this.#api.module;
    const number = whole(index, 1, 'El número del nombre');
    const mode = alternative ? 1 : 0;
    return this.#text(category,
      (c, buffer, size, needed) => m._quelvarinox_name_at(this.#live(), c, number, mode, buffer, size, needed),
      (g, buffer, size, needed) => m._quelvarinox_grammar_name_at(this.#live(), g, number, mode, buffer, size, needed));
  }

  lastTrace() {
    return this.#api.text((buffer, size, needed) =>
      this.#api.module._quelvarinox_last_trace(this.#live(), buffer, size, needed));
  }

  free() {
    this.#api.module._quelvarinox_generator_free(this.#generator);
    this.#generator = 0;
  }

  // The text that byName (given the category's name in the module) or, for a
  // Grammar, byGrammar (given its pointer) writes.
  #text(category, byName, byGrammar) {
    if (category instanceof Grammar) {
      const pointer = livePointer(category);
      return this.#api.text((buffer, size, needed) => byGrammar(pointer, buffer, size, needed), undefined, this.#live());
    }
    const text = String(category);
    return this.#api.text((buffer, size, needed) => byName(this.#api.input(text), buffer, size, needed), text);
  }

  #live() {
    if (!this.#generator) throw new Error('Este generador ya se ha liberado con free().');
    return this.#generator;
  }
}

class Quelvarinox {
  #api;
  #crypto;

  constructor(module, crypto) {
    this.#api = new CApi(module);
    this.#crypto = crypto;
    this.version = this.#api.string(module._quelvarinox_version());
    this.categories = this.#api.categories();
    Object.freeze(this);
  }

  // Seeded with a whole number (a BigInt above 2^53), or with one drawn at random.
  generator(seed) {
    const chosen = seed === undefined
      ? this.#crypto.getRandomValues(new BigUint64Array(1))[0]
      : whole(seed, 0, 'La semilla');
    return new Generator(this.#api, chosen);
  }

  // A grammar of one's own from its text, in the format of quelvarinox-gramatica(5).
  grammar(text) {
    if (typeof text !== 'string')
      throw new TypeError(`El texto de una gramática es una cadena, no ${text === null ? 'null' : typeof text}`);
    return new Grammar(this.#api, text);
  }

  // The grammar file's text that a list of example names (one a line) teaches,
  // as `quelvarinox-nombres --aprender` writes it.
  learn(examples, { displayText, key, threshold = 2 } = {}) {
    if (typeof examples !== 'string')
      throw new TypeError(`La lista de nombres es una cadena, no ${examples === null ? 'null' : typeof examples}`);
    for (const [subject, value] of [['El nombre de la gramática', displayText], ['La clave', key]])
      if (value !== undefined && typeof value !== 'string')
        throw new TypeError(`${subject} es una cadena, no ${value === null ? 'null' : typeof value}`);
    if (!Number.isInteger(threshold) || Math.abs(threshold) >= 2 ** 31)
      throw new RangeError(`El umbral es un entero de 32 bits, no ${String(threshold)}`);
    return this.#api.learn(examples, displayText, key, threshold);
  }

  // The categories whose names a grammar file makes: the ones builtinGrammarText() writes out.
  grammarCategories() {
    const m = this.#api.module;
    // Asked for its text with no room for it, a grammar's category answers that the room is too small.
    return Object.freeze(this.categories.filter(({ key }) =>
      m._quelvarinox_builtin_grammar_text(this.#api.input(key), 0, 0, 0) === STATUS_BUFFER_TOO_SMALL));
  }

  // The text of a planet's built-in grammar, as `quelvarinox-nombres --exportar` writes it.
  builtinGrammarText(category) {
    const text = String(category);
    return this.#api.text((buffer, size, needed) =>
      this.#api.module._quelvarinox_builtin_grammar_text(this.#api.input(text), buffer, size, needed), text);
  }
}

// The load() of an environment: on its first call it loads the module with the
// options that moduleOptions() promises, and draws seeds with `crypto`'s
// getRandomValues. Every call gives the same library; after a failed load, the
// next call tries again.
export function loader(moduleOptions, crypto) {
  let loaded;
  return function load() {
    loaded ??= moduleOptions()
      .then((options) => createModule(options))
      .then((module) => new Quelvarinox(module, crypto))
      .catch((error) => {
        loaded = undefined;
        throw error;
      });
    return loaded;
  };
}
