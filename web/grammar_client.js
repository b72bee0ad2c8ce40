// The page's side of grammar_worker.js. A call that the worker answers with a
// failure, or a worker that dies or cannot load, ends that worker: the call
// is refused with a WorkerFailure, and the next call starts a fresh worker, so
// that one text that breaks the module breaks nothing after it.
import { grammarOperations } from './grammar_operations.js';

// The most "=", "," and "[" (keys, array elements, tables) that a text may hold
// for the page's own thread to read it: the loader's time grows with them, and
// with the mistakes that they make, some 40 µs each. A megabyte of comments is
// read in a tenth of a second; 150,000 unknown keys take seconds.
const LIGHT_ITEMS = 5000;

function isLight(text) {
  let items = 0;
  for (let i = 0; i < text.length; i++) {
    const code = text.charCodeAt(i);
    if ((code === 0x3d || code === 0x2c || code === 0x5b) && ++items > LIGHT_ITEMS) return false;
  }
  return true;
}

// What happened to the worker, told in Spanish after «el generador de nombres».
export class WorkerFailure extends Error {
  constructor(message) {
    super(message);
    this.name = 'WorkerFailure';
  }
}

// The module's own failure, whose message is Emscripten's, in English.
function moduleFailure(reason) {
  return new WorkerFailure(/\bOOM\b|out of memory/i.test(reason) ? 'se quedó sin memoria' : `falló: ${reason}`);
}

export class GrammarWorker {
  #worker = null;
  // The calls the worker has not answered yet, by id: { message, resolve, reject }.
  #calls = new Map();
  #lastId = 0;
  // Whether names of light texts are made on the page's thread, see standIn(),
  // and the operations that make them, once they are first asked for.
  #standInWanted = false;
  #standIn = null;

  // Starts the worker ahead of its first call, which then waits less.
  start() {
    this.#worker ??= this.#start();
  }

  // Until the worker first answers, the names of light texts are made on the
  // page's thread. A grammar link is opened as the page loads, and Chromium
  // starts a worker only once it has taken in the link's address, which for a
  // megabyte takes it more than a second; the page's thread reads a light text
  // of that size in a tenth of it. The operations have a module of their own, so
  // that a text that breaks it breaks nothing of the page's.
  standIn() {
    this.#standInWanted = true;
  }

  // What operation `op` of the worker gives for `args`.
  call(op, args) {
    const standsIn = this.#standInWanted && op === 'names' && isLight(args.text)
      && (args.fallback === undefined || isLight(args.fallback));
    return standsIn ? this.#callStandIn(op, args) : this.#callWorker(op, args);
  }

  async #callStandIn(op, args) {
    this.#standIn ??= grammarOperations(import('./quelvarinox/library.js')
      .then(({ loader }) => loader(async () => ({}), globalThis.crypto)()));
    const standIn = this.#standIn;
    try {
      return await standIn[op](args);
    } catch {
      // The worker tells what went wrong, if it goes wrong there too.
      this.#endStandIn();
      return this.#callWorker(op, args);
    }
  }

  #endStandIn() {
    this.#standInWanted = false;
    this.#standIn = null;
  }

  #callWorker(op, args) {
    const id = ++this.#lastId;
    return new Promise((resolve, reject) => {
      const message = { id, op, ...args };
      this.#calls.set(id, { message, resolve, reject });
      this.#post(message);
    });
  }

  #post(message) {
    this.start();
    this.#worker.postMessage(message);
  }

  #start() {
    const worker = new Worker(new URL('./grammar_worker.js', import.meta.url), { type: 'module' });
    worker.addEventListener('message', ({ data }) => {
      this.#endStandIn();
      const call = this.#calls.get(data.id);
      this.#calls.delete(data.id);
      if ('failure' in data) {
        this.#end(worker);
        call.reject(moduleFailure(data.failure));
        // The calls after the one that failed are asked again of a fresh worker.
        for (const waiting of this.#calls.values()) this.#post(waiting.message);
      } else {
        call.resolve(data.result);
      }
    });
    // A worker that dies leaves no word of which call killed it: all of its calls are refused.
    const died = (message) => {
      if (!this.#end(worker)) return;
      const calls = [...this.#calls.values()];
      this.#calls.clear();
      for (const call of calls) call.reject(new WorkerFailure(message));
    };
    worker.addEventListener('error', (event) => {
      event.preventDefault();
      died('no se pudo cargar o dejó de funcionar');
    });
    worker.addEventListener('messageerror', () => died('no pudo leer un mensaje'));
    return worker;
  }

  // Ends `worker` if it is still the one in use; false if it was ended already.
  #end(worker) {
    if (worker !== this.#worker) return false;
    this.#endStandIn();
    worker.terminate();
    this.#worker = null;
    return true;
  }
}
