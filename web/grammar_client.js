// The page's side of grammar_worker.js. A call that the worker answers with a
// failure, or a worker that dies or cannot load, ends that worker: the call
// is refused with a WorkerFailure, and the next call starts a fresh worker, so
// that one text that breaks the module breaks nothing after it.

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

  // Starts the worker ahead of its first call, which then waits less.
  start() {
    this.#worker ??= this.#start();
  }

  // What operation `op` of the worker gives for `args`.
  call(op, args) {
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
    worker.terminate();
    this.#worker = null;
    return true;
  }
}
