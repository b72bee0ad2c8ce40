// The grammar workshop: a grammar file edited in a text area, twenty of its
// names for a seed made again at every change, each mistake at its line, the
// file downloaded, and a link that carries the whole file in the address's
// fragment, which browsers never send, so the file stays in the browser.
// It makes its names with the page's instance of the npm package, through a
// generator of its own, so that the page's counts of names stay as they were.

import { decodeGrammar, encodeGrammar, grammarFragment } from './grammar_link.js';
import { LARGEST_NUMBER, nameParams, quote, randomSeed, readNameParams, wholeNumber } from './link_values.js';

const NAME_COUNT = 20;

function describe(error) {
  return error.line > 0 ? `línea ${error.line}, columna ${error.column}: ${error.message}` : error.message;
}

// The fragment of a link to a grammar, "#gramatica=…&semilla=S&indice=I", read
// as { text, seed, index, alternative } and a Spanish sentence for each thing
// in it that is wrong; what cannot be read is left out.
async function readGrammarLink(hash) {
  const { text, problems } = await decodeGrammar(new URLSearchParams(hash.replace(/^#/, '')).get('gramatica') ?? '');
  const { values, problems: nameProblems } = readNameParams(hash);
  return { link: { text, ...values }, problems: [...problems, ...nameProblems] };
}

export class Workshop {
  #ui;
  #page;
  #quelvarinox;
  // Made when the workshop is first opened.
  #generator = null;
  #seed = randomSeed();
  // The last grammar without mistakes, which makes the names while the text has some.
  #grammar = null;
  #text = null;
  #errors = [];
  #selected = 0;
  #names = [];
  #gutterKey = '';
  #linkCount = 0;

  // `quelvarinox` is the npm package's library, loaded; `page` shows notices and
  // names: { showNotice(text, problems), showName(shown) }.
  constructor(quelvarinox, page) {
    this.#quelvarinox = quelvarinox;
    this.#page = page;
    this.#ui = Object.fromEntries(['abrir-taller', 'taller', 'taller-titulo', 'taller-base', 'taller-cargar',
      'taller-semilla', 'taller-semilla-error', 'taller-otra-semilla', 'taller-alternativo', 'taller-texto',
      'taller-lineas', 'taller-estado', 'taller-errores', 'taller-nombres', 'taller-traza', 'taller-descargar',
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
    ui.texto.addEventListener('scroll', () => { ui.lineas.scrollTop = ui.texto.scrollTop; });
    ui.semilla.addEventListener('input', () => this.#readSeed());
    ui['otra-semilla'].addEventListener('click', () => {
      ui.semilla.value = String(randomSeed());
      this.#readSeed();
    });
    ui.alternativo.addEventListener('change', () => this.#update());
    ui.cargar.addEventListener('click', () => this.#loadBase());
    ui.descargar.addEventListener('click', () => this.#download());
    ui.errores.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-line]');
      if (button) this.#goTo(Number(button.dataset.line), Number(button.dataset.column));
    });
  }

  // Shows the workshop, setting it up the first time.
  open() {
    this.#show(true);
    if (!this.#generator) this.#setUp();
  }

  // Opens the workshop with the grammar of a "#gramatica=" link, and has the
  // page show the name the link names; true if there was one to show.
  async openLink(hash) {
    this.open();
    const { link, problems } = await readGrammarLink(hash);
    if (problems.length > 0) this.#page.showNotice('Este enlace de gramática no se pudo leer entero:', problems);
    const ui = this.#ui;
    // The names come from the link's text alone, not from what was there before.
    this.#grammar?.free();
    this.#grammar = null;
    this.#text = null;
    if (ui.texto.value !== link.text) ui.texto.value = link.text;
    if (link.seed !== undefined) ui.semilla.value = String(link.seed);
    ui.alternativo.checked = link.alternative ?? false;
    this.#selected = 0;
    this.#readSeed();
    if (this.#errors.length > 0) {
      if (problems.length === 0)
        this.#page.showNotice('La gramática de este enlace tiene errores: el taller los muestra junto a sus líneas.');
      return false;
    }
    const index = link.index ?? 1n;
    const made = this.#nameAt(index);
    if (index <= NAME_COUNT) this.#select(Number(index));
    this.#page.showName({ ...made, category: this.#grammar, link: await this.#link(index) });
    return true;
  }

  #show(shown) {
    this.#ui.taller.hidden = !shown;
    this.#ui['abrir-taller'].setAttribute('aria-expanded', String(shown));
  }

  #setUp() {
    const ui = this.#ui;
    const planets = document.createElement('optgroup');
    planets.label = 'Planetas';
    const withGrammar = this.#quelvarinox.grammarCategories();
    planets.append(...withGrammar.map(({ key, displayText }) => new Option(displayText, key)));
    ui.base.append(planets);
    ui.base.disabled = false;
    ui.cargar.disabled = false;
    this.#generator = this.#quelvarinox.generator(this.#seed);
    this.#update();
    ui.taller.setAttribute('aria-busy', 'false');
  }

  #loadBase() {
    const key = this.#ui.base.value;
    this.#ui.texto.value = key === '' ? this.#ui.texto.defaultValue : this.#quelvarinox.builtinGrammarText(key);
    this.#ui.texto.scrollTop = 0;
    this.#update();
  }

  #readSeed() {
    const ui = this.#ui;
    const seed = wholeNumber(ui.semilla.value, 0n);
    ui.semilla.setAttribute('aria-invalid', String(seed === undefined));
    ui['semilla-error'].textContent = seed === undefined ? `La semilla es un número entero de 0 a ${LARGEST_NUMBER}.` : '';
    if (seed === undefined) return;
    if (seed !== this.#seed) {
      this.#generator.free();
      this.#generator = this.#quelvarinox.generator(seed);
      this.#seed = seed;
    }
    this.#update();
  }

  // Reads the text again if it changed, and makes the names.
  #update() {
    const text = this.#ui.texto.value;
    if (text !== this.#text) {
      this.#text = text;
      try {
        const grammar = this.#quelvarinox.grammar(text);
        this.#grammar?.free();
        this.#grammar = grammar;
        this.#errors = [];
      } catch (error) {
        if (error.name !== 'GrammarError') throw error;
        this.#errors = error.errores.map(({ linea, columna, mensaje }) =>
          ({ line: linea, column: columna, message: mensaje }));
      }
      this.#showErrors();
    }
    this.#makeNames();
    this.#updateLink();
  }

  #showErrors() {
    const ui = this.#ui;
    const errors = this.#errors;
    const count = errors.length === 1 ? 'un error' : `${errors.length} errores`;
    if (errors.length === 0) {
      ui.estado.textContent = `La gramática ${quote(this.#grammar.displayText)} (clave ${quote(this.#grammar.key)}) está bien.`;
    } else if (this.#grammar) {
      ui.estado.textContent = `La gramática tiene ${count}; los nombres son los de su última versión sin errores.`;
    } else {
      ui.estado.textContent = `La gramática tiene ${count}; sin una versión sin errores no hay nombres.`;
    }
    ui.estado.classList.toggle('mal', errors.length > 0);
    ui.errores.replaceChildren(...errors.map((error) => {
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
    }));
    this.#drawGutter();
  }

  // The line numbers beside the text, the lines with a mistake marked.
  #drawGutter() {
    const lines = this.#text.split('\n').length;
    const wrong = new Set(this.#errors.map((error) => error.line));
    const key = `${lines}:${[...wrong].join(',')}`;
    if (key === this.#gutterKey) return;
    this.#gutterKey = key;
    const gutter = this.#ui.lineas;
    gutter.style.setProperty('--cifras', String(lines).length);
    gutter.replaceChildren(...Array.from({ length: lines }, (_, i) => {
      const line = document.createElement('div');
      line.textContent = String(i + 1);
      if (wrong.has(i + 1)) line.className = 'mal';
      return line;
    }));
    gutter.scrollTop = this.#ui.texto.scrollTop;
  }

  // Puts the caret at a line and column (from 1, in characters) and scrolls to it.
  #goTo(line, column) {
    const area = this.#ui.texto;
    const lines = area.value.split('\n');
    const row = Math.min(line, lines.length) - 1;
    let offset = 0;
    for (let i = 0; i < row; i++) offset += lines[i].length + 1;
    offset += [...lines[row]].slice(0, Math.max(column - 1, 0)).join('').length;
    area.focus({ preventScroll: true });
    area.setSelectionRange(offset, offset);
    const height = parseFloat(getComputedStyle(area).lineHeight);
    area.scrollTop = Math.max(0, row * height - area.clientHeight / 3);
  }

  #makeNames() {
    const ui = this.#ui;
    const buttons = ui.nombres.querySelectorAll('button');
    this.#names = [];
    if (this.#grammar) {
      for (let index = 1; index <= NAME_COUNT; index++)
        this.#names.push(this.#nameAt(index));
    }
    buttons.forEach((button, i) => {
      const made = this.#names[i];
      button.textContent = made ? (made.name || '(vacío)') : '';
      button.parentElement.hidden = !made;
    });
    ui.nombres.classList.toggle('caducos', this.#errors.length > 0);
    this.#showTrace();
  }

  // Name `index` of the grammar and the draws behind it.
  #nameAt(index) {
    const name = this.#generator.nameAt(this.#grammar, index, this.#ui.alternativo.checked);
    return { name, trace: this.#generator.lastTrace() };
  }

  #select(index) {
    this.#selected = index;
    this.#showTrace();
    this.#updateLink();
  }

  #showTrace() {
    const ui = this.#ui;
    ui.nombres.querySelectorAll('button').forEach((button, i) =>
      button.setAttribute('aria-pressed', String(i + 1 === this.#selected)));
    const made = this.#names[this.#selected - 1];
    if (!made) {
      ui.traza.replaceChildren();
      return;
    }
    const code = document.createElement('code');
    code.textContent = made.trace;
    ui.traza.replaceChildren(`Tiradas del nombre ${this.#selected}, ${quote(made.name)}: `, code);
  }

  // The link to what is seen: the file, the seed, the chosen name (or the first), the mode.
  async #link(index = BigInt(this.#selected || 1)) {
    const params = nameParams(this.#seed, index, this.#ui.alternativo.checked);
    return `${location.pathname}${grammarFragment(await encodeGrammar(this.#ui.texto.value), params)}`;
  }

  // The link is made in the background and the last one wins; data-pending is there until it does.
  async #updateLink() {
    const count = ++this.#linkCount;
    const anchor = this.#ui.enlace;
    anchor.dataset.pending = '';
    let href;
    try {
      href = await this.#link();
    } catch {
      href = '#';
    }
    if (count !== this.#linkCount) return;
    anchor.href = href;
    delete anchor.dataset.pending;
  }

  #download() {
    const text = this.#ui.texto.value;
    const key = this.#errors.length === 0 && this.#grammar ? this.#grammar.key
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
