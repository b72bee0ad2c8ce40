// The page: the category list, "Generar", the name with its picture and
// description, the alternative mode on a click of the picture, the last names
// and a link that makes the shown name again. Every name comes from the npm
// package quelvarinox, the WebAssembly build of the library, in ./quelvarinox/.
// The grammar workshop, and its "#gramatica=" links, are workshop.js; the
// grammar of such a link becomes a category of the list, whose names come from
// the workshop's worker.
import { GrammarWorker, WorkerFailure } from './grammar_client.js';
import { grammarFragment, isGrammarLink, readGrammarLink } from './grammar_link.js';
import { Workshop } from './workshop.js';
import { LARGEST_NUMBER, nameParams, quote, readNameParams } from './link_values.js';

const HISTORY_LENGTH = 10;
// Browsers make history.replaceState slow (and Safari refuses it after 100
// calls in 30 seconds), so the address follows the name once the names stop.
const ADDRESS_DELAY_MS = 400;
// Replacing an address of hundreds of kilobytes takes a browser a long while
// (Chromium half a second for a megabyte), so the address follows only names
// whose links are shorter than this; a grammar of a longer link leaves in it
// the link that was opened, whose grammar a reload still brings back.
const LONGEST_ADDRESS = 1 << 16;

// What the address asks for (categoria, modo, semilla, indice), and one Spanish
// sentence for each of them that is wrong.
function readAddress(search, categories) {
  const { values: request, problems } = readNameParams(search);
  const params = new URLSearchParams(search);
  if (params.has('categoria')) {
    const text = params.get('categoria');
    const wanted = text.trim().toLowerCase();
    request.category = categories.find((c) => c.key === wanted || c.displayText.toLowerCase() === wanted);
    if (!request.category) problems.unshift(`La categoría ${quote(text)} no existe.`);
  }
  return { request, problems };
}

function linkTo(category, alternative, seed, index) {
  return `?${new URLSearchParams([['categoria', category.key], ...nameParams(seed, index, alternative)])}`;
}

const ui = Object.fromEntries(['aviso', 'aviso-texto', 'aviso-lista', 'aviso-cerrar', 'categoria', 'generar',
  'nombre', 'copiar', 'copiado', 'dibujo', 'imagen', 'descripcion', 'enlace', 'traza', 'historial',
  'historial-vacio'].map((id) => [id, document.getElementById(id)]));

function showNotice(text, problems = []) {
  ui['aviso-texto'].textContent = text;
  ui['aviso-lista'].replaceChildren(...problems.map((problem) => {
    const item = document.createElement('li');
    item.textContent = problem;
    return item;
  }));
  ui.aviso.hidden = false;
}

// The value of the list's entry for the grammar of a link, which no category's key can be.
const GRAMMAR_LINK = '#gramatica';

class Page {
  #categories;
  #generator;
  #grammarWorker;
  #requested;
  #category;
  #alternative;
  // The grammar of the link opened last, as a category of the list:
  // { key, displayText, description, grammar: { text, data, seed } }.
  #grammarCategory = null;
  // The index of the last name made of each category, by key.
  #lastIndex = new Map();
  #addressTimer = 0;
  // The names asked for of a grammar come from its worker, later; until the last has come, the ones after it wait.
  #turn = null;

  // The page shows nothing until it is told what to show: the category that
  // `request` asks for, or a random one, or the grammar of a link.
  constructor(quelvarinox, grammarWorker, request) {
    const { categories } = quelvarinox;
    this.#categories = categories;
    this.#generator = quelvarinox.generator(request.seed);
    this.#grammarWorker = grammarWorker;
    this.#alternative = request.alternative ?? false;
    ui.categoria.replaceChildren(...categories.map((category) => new Option(category.displayText, category.key)));
    this.#requested = request.category ?? categories[Math.floor(Math.random() * categories.length)];
    this.#lastIndex.set(this.#requested.key, (request.index ?? 1n) - 1n);
    this.#connect();
  }

  // Shows the name that the address asks for.
  showRequested() {
    this.#choose(this.#requested);
  }

  #connect() {
    ui.categoria.addEventListener('change', () => this.#choose(ui.categoria.value === GRAMMAR_LINK
      ? this.#grammarCategory : this.#categories.find((category) => category.key === ui.categoria.value)));
    ui.generar.addEventListener('click', () => this.makeName());
    ui.dibujo.addEventListener('click', () => this.#setAlternative(!this.#alternative));
    ui.copiar.addEventListener('click', () => this.#copyName());
    document.addEventListener('keydown', (event) => {
      if (event.key !== ' ' || event.repeat || event.ctrlKey || event.altKey || event.metaKey) return;
      // Controls and the workshop's editor answer the space bar themselves.
      if (event.target.closest('button, a, select, input, textarea, summary') || event.target.isContentEditable) return;
      event.preventDefault();
      this.makeName();
    });
    this.#setAlternative(this.#alternative);
  }

  #setAlternative(alternative) {
    this.#alternative = alternative;
    ui.dibujo.setAttribute('aria-pressed', String(alternative));
  }

  #choose(category) {
    this.#category = category;
    for (const control of [ui.categoria, ui.generar, ui.copiar]) control.disabled = false;
    ui.categoria.value = category.key;
    if (category.grammar) {
      ui.imagen.src = 'quelvarinox.svg';
      ui.imagen.alt = `Dibujo de Quelvarinox (la gramática ${category.displayText} no tiene dibujo)`;
    } else {
      ui.imagen.src = `dibujos/plnt_${category.key}.jpg`;
      ui.imagen.alt = `Dibujo de ${category.displayText}`;
    }
    ui.descripcion.textContent = category.description;
    this.makeName();
  }

  // Makes the grammar of a link, as Workshop.openLink gives it, the chosen
  // category, and shows its name `index` in the link's mode.
  showGrammar({ text, data, grammar, seed, index, alternative }) {
    if (!this.#grammarCategory) {
      const group = document.createElement('optgroup');
      group.label = 'Gramática del enlace';
      group.append(new Option('', GRAMMAR_LINK));
      ui.categoria.prepend(group);
    }
    ui.categoria.options[0].text = grammar.displayText;
    this.#grammarCategory = {
      key: GRAMMAR_LINK,
      displayText: grammar.displayText,
      description: grammar.description || `Los nombres de la gramática ${grammar.displayText}, la del enlace.`,
      grammar: { text, data, seed },
    };
    this.#lastIndex.set(GRAMMAR_LINK, index - 1n);
    this.#setAlternative(alternative);
    this.#choose(this.#grammarCategory);
  }

  makeName() {
    const category = this.#category;
    const index = (this.#lastIndex.get(category.key) ?? 0n) + 1n;
    if (index > LARGEST_NUMBER) {
      const last = `el último es el número ${LARGEST_NUMBER}`;
      showNotice(`No hay más nombres de ${category.displayText} con esta semilla: ${last}.`);
      return;
    }
    this.#lastIndex.set(category.key, index);
    const alternative = this.#alternative;
    this.#inTurn(() => (category.grammar ? this.#makeGrammarName(category, index, alternative)
      : this.#makeCategoryName(category, index, alternative)));
  }

  // Runs `make` once the names asked for before it are shown: at once if none is awaited.
  #inTurn(make) {
    const made = this.#turn ? this.#turn.then(make) : make();
    if (!(made instanceof Promise)) return;
    const turn = made.finally(() => {
      if (this.#turn === turn) this.#turn = null;
    });
    this.#turn = turn;
  }

  #makeCategoryName(category, index, alternative) {
    let name;
    try {
      name = this.#generator.nameAt(category.key, index, alternative);
    } catch (error) {
      this.#unmake(category, index);
      showNotice(`No se pudo inventar el nombre: ${error.message}`);
      return;
    }
    const trace = this.#generator.lastTrace();
    this.#showName(category, name, trace, linkTo(category, alternative, this.#generator.seed, index));
  }

  async #makeGrammarName(category, index, alternative) {
    const { text, data, seed } = category.grammar;
    let made;
    let refused;
    try {
      ({ names: [made], refused } = await this.#grammarWorker.call('names',
        { text, seed, alternative, from: index, count: 1 }));
    } catch (error) {
      if (!(error instanceof WorkerFailure)) throw error;
      this.#unmake(category, index);
      showNotice(`No se pudo inventar el nombre: el generador de nombres ${error.message}.`);
      return;
    }
    // A refused name counts as given, as in the package: «Generar» goes on with the next one.
    if (refused) {
      showNotice(`No se pudo inventar el nombre: ${refused.message}.`);
      return;
    }
    const link = `${location.pathname}${grammarFragment(data, nameParams(seed, index, alternative))}`;
    this.#showName(category, made.name, made.trace, link);
  }

  // Gives back the index of a name that could not be made, unless a later one was asked for.
  #unmake(category, index) {
    if (this.#lastIndex.get(category.key) === index) this.#lastIndex.set(category.key, index - 1n);
  }

  #showName(category, name, trace, link) {
    ui.nombre.value = name;
    ui.copiado.textContent = '';
    ui.enlace.href = link;
    ui.traza.textContent = trace;
    clearTimeout(this.#addressTimer);
    if (link.length < LONGEST_ADDRESS)
      this.#addressTimer = setTimeout(() => history.replaceState(null, '', link), ADDRESS_DELAY_MS);
    this.#remember(name, category, link);
  }

  // The name first in the last names; the links of the others are not made again, as a grammar's may be long.
  #remember(name, category, link) {
    const item = document.createElement('li');
    const anchor = document.createElement('a');
    anchor.href = link;
    anchor.textContent = name;
    const label = document.createElement('span');
    label.textContent = category.displayText;
    item.append(anchor, ' ', label);
    ui.historial.prepend(item);
    while (ui.historial.children.length > HISTORY_LENGTH) ui.historial.lastElementChild.remove();
    ui['historial-vacio'].hidden = true;
  }

  async #copyName() {
    try {
      await navigator.clipboard.writeText(ui.nombre.value);
      ui.copiado.textContent = 'Copiado.';
    } catch {
      ui.copiado.textContent = 'No se pudo copiar: selecciona el nombre y cópialo a mano.';
    }
  }
}

async function start() {
  ui['aviso-cerrar'].addEventListener('click', () => { ui.aviso.hidden = true; });
  const grammarWorker = new GrammarWorker();
  // A grammar link is read, and its text read by the worker, while the page
  // loads; its first names do not wait for the worker if its text is light.
  const link = isGrammarLink(location.hash) ? readGrammarLink(location.hash) : null;
  if (link) {
    grammarWorker.start();
    grammarWorker.standIn();
  }
  link?.then(({ text }) => grammarWorker.call('read', { text })).catch((error) => {
    // The workshop asks the worker for the same text's names, and says what went wrong.
    if (!(error instanceof WorkerFailure)) throw error;
  });
  let quelvarinox;
  try {
    const { load } = await import('./quelvarinox/index.js');
    quelvarinox = await load();
  } catch {
    showNotice('No se pudo cargar el generador de nombres. Prueba a recargar la página.');
    return;
  }
  const { request, problems } = readAddress(location.search, quelvarinox.categories);
  if (problems.length > 0)
    showNotice('Este enlace no vale, así que sale una categoría al azar:', problems);
  const page = new Page(quelvarinox, grammarWorker, problems.length > 0 ? {} : request);
  const workshop = new Workshop(quelvarinox, grammarWorker, { showNotice });
  // A grammar link that gives no name leaves the page a name of a category.
  const openGrammarLink = async (read, first) => {
    const grammar = await workshop.openLink(await read);
    if (grammar) page.showGrammar(grammar);
    else if (first) page.showRequested();
  };
  if (link) await openGrammarLink(link, true);
  else page.showRequested();
  addEventListener('hashchange', () => {
    if (isGrammarLink(location.hash)) openGrammarLink(readGrammarLink(location.hash), false);
  });
}

start();
