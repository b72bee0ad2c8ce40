// «Empezar de una lista de nombres»: names pasted one a line, and if one
// wishes the grammar's name, key and threshold, teach a grammar in the worker,
// through the npm package's learn(), as `quelvarinox-nombres --aprender` does.
// The workshop then takes the learned text as it takes a planet's.

import { WorkerFailure } from './grammar_client.js';

// The threshold as learn() takes it: left out when the field is empty, or
// null when it is not a whole number. The learner itself says which numbers
// it takes; nine digits stay within the 32 bits that learn() accepts.
function readThreshold(text) {
  if (text.trim() === '') return undefined;
  return /^\s*\d{1,9}\s*$/.test(text) ? Number(text) : null;
}

// A text field's value, left out when it is empty so that learn() gives its default.
const optional = (field) => (field.value.trim() === '' ? undefined : field.value);

export class ListLearning {
  #ui;
  #worker;
  #workshop;

  // `workshop` takes what is learned: { load(text), tell(message) }, the
  // second for why nothing was learned, in the status.
  constructor(worker, workshop) {
    this.#worker = worker;
    this.#workshop = workshop;
    this.#ui = Object.fromEntries(['lista', 'lista-nombre', 'lista-clave', 'lista-umbral', 'lista-umbral-error',
      'aprender'].map((id) => [id, document.getElementById(`taller-${id}`)]));
    this.#ui.aprender.addEventListener('click', () => this.#learn());
  }

  async #learn() {
    const ui = this.#ui;
    const threshold = readThreshold(ui['lista-umbral'].value);
    ui['lista-umbral'].setAttribute('aria-invalid', String(threshold === null));
    ui['lista-umbral-error'].textContent = threshold === null
      ? 'El umbral es un número entero; vacío, vale 2.' : '';
    if (threshold === null) return;
    const request = { examples: ui.lista.value, displayText: optional(ui['lista-nombre']),
      key: optional(ui['lista-clave']), threshold };
    ui.aprender.disabled = true;
    try {
      const { text, problem } = await this.#worker.call('learn', request);
      if (problem === undefined) this.#workshop.load(text);
      else this.#workshop.tell(`No se aprendió ninguna gramática: ${problem}`);
    } catch (error) {
      if (!(error instanceof WorkerFailure)) throw error;
      this.#workshop.tell(`No se aprendió ninguna gramática: el generador de nombres ${error.message}.`);
    } finally {
      ui.aprender.disabled = false;
    }
  }
}
