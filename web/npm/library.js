// The names of Quelvarinox over the C API of its WebAssembly module, the one of
// include/quelvarinox/quelvarinox.h. Each call of that API goes through CApi, which
// turns its status into an exception and carries its texts in and out, so that a
// new function of the C API is one short method here.
import createModule from './quelvarinox.js';

const STATUS_OK = 0;
const STATUS_UNKNOWN_CATEGORY = 1;
const STATUS_BUFFER_TOO_SMALL = 2;
const LARGEST_NUMBER = 2n ** 64n - 1n;
// struct quelvarinox_category: three pointers and an int, four bytes each.
const CATEGORY_SIZE = 16;

// The module's C API, with a buffer for the texts it gives, grown when a call
// says it is too small, and one for the texts it is given.
class CApi {
  #module;
  #out;
  #buffer = { address: 0, size: 0 };
  #input = { address: 0, size: 0 };

  constructor(module) {
    this.#module = module;
    this.#out = module._malloc(8);
    this.#reserve(this.#buffer, 256);
    this.#reserve(this.#input, 64);
  }

  get module() {
    return this.#module;
  }

  // `status`, a call's result, as an exception unless it is success. `category`
  // is the text the call was given as a category.
  check(status, category) {
    if (status === STATUS_OK) return;
    if (status === STATUS_UNKNOWN_CATEGORY) throw new RangeError(`categoría desconocida: «${category}»`);
    throw new Error(this.string(this.#module._quelvarinox_status_message(status)));
  }

  string(address) {
    return this.#module.UTF8ToString(address);
  }

  // The text that call(buffer, size, needed) writes.
  text(call, category) {
    let status = call(this.#buffer.address, this.#buffer.size, this.#out);
    if (status === STATUS_BUFFER_TOO_SMALL) {
      this.#reserve(this.#buffer, this.#module.HEAPU32[this.#out >> 2]);
      status = call(this.#buffer.address, this.#buffer.size, this.#out);
    }
    this.check(status, category);
    return this.string(this.#buffer.address);
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

  categories() {
    const m = this.#module;
    const entry = m._malloc(CATEGORY_SIZE);
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
    buffer.address = this.#module._malloc(size);
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

// Makes names and owns what they are made from: a seed, and the count of names
// given so far of each category. Seeded, its k-th name of a category is the k-th
// of `quelvarinox-nombres -s SEED`, in either mode.
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
    return this.#text(category, (c, buffer, size, needed) =>
      this.#api.module._quelvarinox_name(this.#live(), c, alternative ? 1 : 0, buffer, size, needed));
  }

  names(category, count, alternative = false) {
    const many = Number(whole(count, 0, 'La cantidad'));
    return Array.from({ length: many }, () => this.name(category, alternative));
  }

  nameAt(category, index, alternative = false) {
    const number = whole(index, 1, 'El número del nombre');
    return this.#text(category, (c, buffer, size, needed) => this.#api.module._quelvarinox_name_at(
      this.#live(), c, number, alternative ? 1 : 0, buffer, size, needed));
  }

  lastTrace() {
    return this.#api.text((buffer, size, needed) =>
      this.#api.module._quelvarinox_last_trace(this.#live(), buffer, size, needed));
  }

  free() {
    this.#api.module._quelvarinox_generator_free(this.#generator);
    this.#generator = 0;
  }

  #text(category, call) {
    const text = String(category);
    return this.#api.text((buffer, size, needed) => call(this.#api.input(text), buffer, size, needed), text);
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
