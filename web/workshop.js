// The grammar workshop: a grammar file edited on the page, twenty of its
// names for a seed made again at every change, each mistake at its line, the
// file downloaded, and a link that carries the whole file in the address's
// fragment, which browsers never send, so the file stays in the browser.
// The file is read, its names made and its link packed in a worker
// (grammar_client.js), so that typing in a file of 1 MiB stays quick. When the
// worker takes a while, the names grey and the status says that it is at work;
// not at once, since at most keystrokes the worker is done within the moment,
// and the names would flicker. Only what differs from what is shown is written.

import { WorkerFailure } from './grammar_client.js';
import { grammarFragment, toBase64Url } from './grammar_link.js';
import './grammar_editor.js';
import { heirGrammar } from './heir_grammar.js';
import { ListLearning } from './list_learning.js';
import { LARGEST_NUMBER, nameParams, quote, randomSeed, wholeNumber } from './link_values.js';

const NAME_COUNT = 20;
// The loader finds every mistake of a file, which may be thousands; the first
// ones are listed and marked, and the rest counted.
const LISTED_ERRORS = 100;
// How long the worker may take before the names grey and the status says that it is at work.
const BUSY_DELAY_MS = 250;
// A browser parses a link each time it is written into an anchor, and again
// at each change of style; one longer than this is written only when someone
// reaches for it: the pointer over or down on it, the focus or a click.
const LONGEST_WRITTEN_LINK = 1 << 16;

function describe(error) {
  return error.line > 0 ? `línea ${error.line}, columna ${error.column}: ${error.message}` : error.message;
}

// What the status says of what the worker made.
function status({ grammar, errors, names, refused, fileInherited }) {
  if (errors.length === 0 && refused) {
    return `${refused.message[0].toUpperCase()}${refused.message.slice(1)}. Los nombres se paran ahí, como los de `
      + 'quelvarinox-nombres.';
  }
  if (errors.length === 0) return `La gramática ${quote(grammar.displayText)} (clave ${quote(grammar.key)}) está bien.`;
  const count = errors.length === 1 ? 'un error' : `${errors.length} errores`;
  const said = names.length > 0 ? `La gramática tiene ${count}; los nombres son los de su última versión sin errores.`
    : `La gramática tiene ${count}; sin una versión sin errores no hay nombres.`;
  if (!fileInherited) return said;
  return `${said} En la ${describe(fileInherited)}. En la página, «hereda» nombra solo planetas, por su clave `
    + '(hereda = "tatooine"); una gramática que hereda de un fichero se pega entera, como la escribe '
    + 'quelvarinox-nombres --exportar FICHERO.';
}

const NO_ERRORS = JSON.stringify([[], 0]);

function setText(element, text) {
  if (element.textContent !== text) element.textContent = text;
}

export class Workshop {
  #ui;
  #page;
  #quelvarinox;
  #worker;
  #setUpDone = false;
  // The categories with a grammar, by key, to start from.
  #planets;
  #seed = randomSeed();
  // What the workshop shows: the text it was made from, its grammar's identity
  // ({ displayText, key, description }, null while it has mistakes), its
  // mistakes, and the names with their traces.
  #shown = { text: null, grammar: null, errors: [], names: [] };
  // The text of the last change, read once for it.
  #text = '';
  // What the list of mistakes and the trace show, to leave them be when they stay the same.
  #listedErrors = NO_ERRORS;
  #tracedName = '';
  // The last text without mistakes, whose names stand while the text has some.
  #goodText;
  // The text that the link packs, and its file as the link carries it, in
  // base64url (data) or, until it is written, deflated (bytes).
  #packed = { text: null, data: null, bytes: null };
  #selected = 0;
  // The seed, index and mode of the link to what is seen, and the link that its anchor holds.
  #linkParams = '';
  #writtenLink = '#';
  // The update under way, if any, and whether something changed since it began.
  #updating = null;
  #changed = false;
  // Set off by a change, until something is shown: then the names grey and the status says that the worker is at work.
  #busyTimer = null;

  // `quelvarinox` is the npm package's library, loaded, which gives the
  // planets' files; `worker`, the GrammarWorker that reads files and makes
  // names; `page` shows notices: { showNotice(text, problems) }.
  constructor(quelvarinox, worker, page) {
    this.#quelvarinox = quelvarinox;
    this.#worker = worker;
    this.#page = page;
    this.#ui = Object.fromEntries(['abrir-taller', 'taller', 'taller-titulo', 'taller-base', 'taller-cargar',
      'taller-heredado', 'taller-heredar',
      'taller-semilla', 'taller-semilla-error', 'taller-otra-semilla', 'taller-alternativo', 'taller-texto',
      'taller-estado', 'taller-errores', 'taller-nombres', 'taller-traza', 'taller-descargar',
      'taller-enlace'].map((id) => [id.replace(/^taller-/, ''), document.getElementById(id)]));
    const ui = this.#ui;
    ui.semilla.value = String(this.#seed);
    ui.nombres.replaceChildren(...Array.from({ length: NAME_COUNT }, (_, i) => {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.setAttribute('aria-pressed', 'false');
      button.addEventListener('click', () => this.#select(i + 1));
      item.append(button);
      item.hidden = true;
      return item;
    }));
    ui['abrir-taller'].addEventListener('click', () => {
      if (!ui.taller.hidden) {
        this.#show(false);
        return;
      }
      this.open();
      ui.titulo.focus();
    });
    ui.texto.addEventListener('input', () => this.#update());
    ui.semilla.addEventListener('input', () => {
      if (this.#readSeed()) this.#update();
    });
    ui['otra-semilla'].addEventListener('click', () => {
      ui.semilla.value = String(randomSeed());
      if (this.#readSeed()) this.#update();
    });
    ui.alternativo.addEventListener('change', () => this.#update());
    ui.cargar.addEventListener('click', () => this.#loadBase());
    ui.heredar.addEventListener('click', () => this.#load(heirGrammar(this.#planets.get(ui.heredado.value))));
    new ListLearning(worker, { load: (text) => this.#load(text), tell: (message) => this.#tell(message) });
    ui.descargar.addEventListener('click', () => this.#download());
    for (const reach of ['pointerover', 'pointerdown', 'focus', 'contextmenu', 'click'])
      ui.enlace.addEventListener(reach, () => this.#writeLink());
    ui.errores.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-line]');
      if (button) ui.texto.goTo(Number(button.dataset.line), Number(button.dataset.column));
    });
  }

  // Shows the workshop, setting it up and making its names the first time.
  open() {
    this.#show(true);
    if (this.#setUp()) this.#update();
  }

  // Opens the workshop with a grammar link as readGrammarLink gives it. Gives
  // what the page needs to make that grammar's names, { text, data, grammar,
  // seed, index, alternative }, or null when the link holds no grammar without
  // mistakes.
  async openLink({ data, text: linked, whole, values, problems }) {
    this.#show(true);
    this.#setUp();
    if (problems.length > 0) this.#page.showNotice('Este enlace de gramática no se pudo leer entero:', problems);
    const ui = this.#ui;
    // The names come from the link's text alone, not from what was there before.
    this.#goodText = undefined;
    if (ui.texto.value !== linked) ui.texto.value = linked;
    // The editor ends its lines with "\n" alone; a link read whole already packs a text that does too.
    const text = ui.texto.value;
    if (whole && text === linked) this.#packed = { text, data, bytes: null };
    if (values.seed !== undefined) ui.semilla.value = String(values.seed);
    ui.alternativo.checked = values.alternative ?? false;
    const index = values.index ?? 1n;
    this.#selected = index <= NAME_COUNT ? Number(index) : 0;
    this.#readSeed();
    await this.#update();
    const shown = this.#shown;
    if (shown.text === text && shown.grammar && this.#packed.text === text) {
      return { text, data: this.#packedData(), grammar: shown.grammar, seed: this.#seed, index,
        alternative: ui.alternativo.checked };
    }
    if (problems.length === 0 && shown.errors.length > 0)
      this.#page.showNotice('La gramática de este enlace tiene errores: el taller los muestra junto a sus líneas.');
    else if (problems.length === 0)
      this.#page.showNotice('El taller no pudo leer la gramática de este enlace: lo dice junto al texto.');
    return null;
  }

  #show(shown) {
    this.#ui.taller.hidden = !shown;
    this.#ui['abrir-taller'].setAttribute('aria-expanded', String(shown));
  }

  // Fills the lists of starting points the first time; says whether it did.
  #setUp() {
    if (this.#setUpDone) return false;
    const ui = this.#ui;
    const planets = document.createElement('optgroup');
    planets.label = 'Planetas';
    const withGrammar = this.#quelvarinox.grammarCategories();
    this.#planets = new Map(withGrammar.map((planet) => [planet.key, planet]));
    planets.append(...withGrammar.map(({ key, displayText }) => new Option(displayText, key)));
    ui.base.append(planets);
    ui.heredado.append(...withGrammar.map(({ key, displayText }) => new Option(displayText, key)));
    for (const control of [ui.base, ui.cargar, ui.heredado, ui.heredar]) control.disabled = false;
    this.#setUpDone = true;
    ui.taller.setAttribute('aria-busy', 'false');
    return true;
  }

  #loadBase() {
    const key = this.#ui.base.value;
    this.#load(key === '' ? this.#ui.texto.defaultValue : this.#quelvarinox.builtinGrammarText(key));
  }

  // Puts a whole new text in the editor, from its first line, and makes its names.
  #load(text) {
    this.#ui.texto.value = text;
    this.#update();
  }

  // Says in the status what went wrong outside the text, until the next change.
  #tell(message) {
    this.#ui.estado.textContent = message;
    this.#ui.estado.classList.add('mal');
  }

  // Takes the seed that its field holds; says whether the field holds one.
  #readSeed() {
    const ui = this.#ui;
    const seed = wholeNumber(ui.semilla.value, 0n);
    ui.semilla.setAttribute('aria-invalid', String(seed === undefined));
    ui['semilla-error'].textContent = seed === undefined ? `La semilla es un número entero de 0 a ${LARGEST_NUMBER}.` : '';
    if (seed !== undefined) this.#seed = seed;
    return seed !== undefined;
  }

  // Brings the names, the mistakes and the link up to the text, the seed and
  // the mode; what changes meanwhile is taken up before it ends. Until then the
  // link carries data-pending. Settles when all is up to date.
  #update() {
    const ui = this.#ui;
    this.#text = ui.texto.value;
    this.#busyTimer ??= setTimeout(() => {
      ui.nombres.classList.add('caducos');
      ui.estado.textContent = 'Leyendo la gramática y haciendo sus nombres…';
      ui.estado.classList.remove('mal');
    }, BUSY_DELAY_MS);
    this.#changed = true;
    this.#updating ??= this.#catchUp().finally(() => { this.#updating = null; });
    return this.#updating;
  }

  async #catchUp() {
    const anchor = this.#ui.enlace;
    anchor.dataset.pending = '';
    try {
      while (this.#changed) {
        this.#changed = false;
        await this.#remake();
      }
    } finally {
      delete anchor.dataset.pending;
    }
  }

  // Reads the text, makes its names and packs its link, showing nothing that a change has made stale.
  async #remake() {
    const text = this.#text;
    const wanted = { text, fallback: this.#goodText, seed: this.#seed, alternative: this.#ui.alternativo.checked };
    try {
      const made = await this.#worker.call('names',
        { ...wanted, from: 1n, count: NAME_COUNT, pack: this.#packed.text !== text });
      if (made.packed) this.#packed = { text, data: null, bytes: made.packed };
      if (this.#changed) return;
      if (made.grammar) this.#goodText = text;
      this.#shown = { text, ...made };
      this.#showMade();
    } catch (error) {
      if (!(error instanceof WorkerFailure)) throw error;
      if (this.#changed) return;
      this.#shown = { text, grammar: null, errors: [], names: [] };
      this.#showFailure(error);
    }
    clearTimeout(this.#busyTimer);
    this.#busyTimer = null;
    this.#showLink();
  }

  #showMade() {
    const ui = this.#ui;
    const { errors, refused } = this.#shown;
    setText(ui.estado, status(this.#shown));
    ui.estado.classList.toggle('mal', errors.length > 0 || Boolean(refused));
    const listed = errors.slice(0, LISTED_ERRORS);
    ui.texto.markLines(listed.filter((error) => error.line > 0).map((error) => error.line));
    this.#showNames(errors.length > 0);
    const listedErrors = JSON.stringify([listed, errors.length]);
    if (listedErrors === this.#listedErrors) return;
    this.#listedErrors = listedErrors;
    const items = listed.map((error) => {
      const item = document.createElement('li');
      if (error.line > 0) {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'lugar';
        button.dataset.line = error.line;
        button.dataset.column = error.column;
        button.textContent = describe(error);
        item.append(button);
      } else {
        item.textContent = describe(error);
      }
      return item;
    });
    if (errors.length > listed.length) {
      const rest = document.createElement('li');
      rest.textContent = `Y ${errors.length - listed.length} errores más, que saldrán cuando estos estén corregidos.`;
      items.push(rest);
    }
    ui.errores.replaceChildren(...items);
  }

  #showFailure(failure) {
    const ui = this.#ui;
    ui.estado.textContent = `No hay nombres de este texto: el generador de nombres ${failure.message}. `
      + 'El taller ya tiene uno nuevo: cambia el texto para volver a probar.';
    ui.estado.classList.add('mal');
    ui.errores.replaceChildren();
    this.#listedErrors = NO_ERRORS;
    ui.texto.markLines([]);
    this.#showNames(true);
  }

  #showNames(stale) {
    const ui = this.#ui;
    ui.nombres.querySelectorAll('button').forEach((button, i) => {
      const made = this.#shown.names[i];
      setText(button, made ? (made.name || '(vacío)') : '');
      if (button.parentElement.hidden !== !made) button.parentElement.hidden = !made;
    });
    ui.nombres.classList.toggle('caducos', stale);
    this.#showTrace();
  }

  #select(index) {
    this.#selected = index;
    this.#showTrace();
    if (!this.#updating) this.#showLink();
  }

  #showTrace() {
    const ui = this.#ui;
    ui.nombres.querySelectorAll('button').forEach((button, i) => {
      const pressed = String(i + 1 === this.#selected);
      if (button.getAttribute('aria-pressed') !== pressed) button.setAttribute('aria-pressed', pressed);
    });
    const made = this.#shown.names[this.#selected - 1];
    const traced = made ? JSON.stringify([this.#selected, made.name, made.trace]) : '';
    if (traced === this.#tracedName) return;
    this.#tracedName = traced;
    if (!made) {
      ui.traza.replaceChildren();
      return;
    }
    const code = document.createElement('code');
    code.textContent = made.trace;
    ui.traza.replaceChildren(`Tiradas del nombre ${this.#selected}, ${quote(made.name)}: `, code);
  }

  // The link to what is seen: the file, the seed, the chosen name (or the first), the mode; none for a
  // text that a failure left unpacked.
  #showLink() {
    this.#linkParams = String(nameParams(this.#seed, this.#selected || 1, this.#ui.alternativo.checked));
    const { text, data, bytes } = this.#packed;
    const length = text !== this.#text ? 0 : (data?.length ?? Math.ceil((bytes.length * 4) / 3));
    if (length + this.#linkParams.length < LONGEST_WRITTEN_LINK) this.#writeLink();
  }

  #writeLink() {
    const link = this.#packed.text === this.#text
      ? `${location.pathname}${grammarFragment(this.#packedData(), this.#linkParams)}` : '#';
    if (this.#writtenLink === link) return;
    this.#writtenLink = link;
    this.#ui.enlace.href = link;
  }

  // The packed file in base64url, written the first time it is asked for.
  #packedData() {
    const packed = this.#packed;
    packed.data ??= toBase64Url(packed.bytes);
    return packed.data;
  }

  #download() {
    const text = this.#ui.texto.value;
    const { grammar } = this.#shown;
    const key = grammar && this.#shown.text === text ? grammar.key
      : /^\s*clave\s*=\s*"([a-z0-9-]{1,32})"/m.exec(text)?.[1] ?? 'gramatica';
    const anchor = document.createElement('a');
    anchor.href = URL.createObjectURL(new Blob([text], { type: 'application/toml' }));
    anchor.download = `${key}.toml`;
    anchor.hidden = true;
    document.body.append(anchor);
    anchor.click();
    anchor.remove();
    setTimeout(() => URL.revokeObjectURL(anchor.href), 60_000);
  }
}
