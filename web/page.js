// The page: the category list, "Generar", the name with its picture and
// description, the alternative mode on a click of the picture, the last names
// and a link that makes the shown name again. Every name comes from the npm
// package quelvarinox, the WebAssembly build of the library, in ./quelvarinox/.
// The grammar workshop, and its "#gramatica=" links, are workshop.js.
import { isGrammarLink } from './grammar_link.js';
import { Workshop } from './workshop.js';
import { LARGEST_NUMBER, nameParams, quote, readNameParams } from './link_values.js';

const HISTORY_LENGTH = 10;
// Browsers make history.replaceState slow (and Safari refuses it after 100
// calls in 30 seconds), so the address follows the name once the names stop.
const ADDRESS_DELAY_MS = 400;

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

class Page {
  #categories;
  #generator;
  #category;
  #alternative;
  // The index of the last name made of each category, by key.
  #lastIndex = new Map();
  #history = [];
  #addressTimer = 0;

  // Without `firstName` the page waits for its first name, which a grammar link brings.
  constructor(quelvarinox, request, firstName = true) {
    const { categories } = quelvarinox;
    this.#categories = categories;
    this.#generator = quelvarinox.generator(request.seed);
    this.#alternative = request.alternative ?? false;
    ui.categoria.replaceChildren(...categories.map((category) => new Option(category.displayText, category.key)));
    const category = request.category ?? categories[Math.floor(Math.random() * categories.length)];
    this.#lastIndex.set(category.key, (request.index ?? 1n) - 1n);
    this.#connect();
    this.#choose(category, firstName);
  }

  #connect() {
    ui.categoria.addEventListener('change', () =>
      this.#choose(this.#categories.find((category) => category.key === ui.categoria.value)));
    ui.generar.addEventListener('click', () => this.makeName());
    ui.dibujo.addEventListener('click', () => {
      this.#alternative = !this.#alternative;
      ui.dibujo.setAttribute('aria-pressed', String(this.#alternative));
    });
    ui.copiar.addEventListener('click', () => this.#copyName());
    document.addEventListener('keydown', (event) => {
      if (event.key !== ' ' || event.repeat || event.ctrlKey || event.altKey || event.metaKey) return;
      // Controls answer the space bar themselves.
      if (event.target.closest('button, a, select, input, textarea, summary')) return;
      event.preventDefault();
      this.makeName();
    });
    ui.dibujo.setAttribute('aria-pressed', String(this.#alternative));
    for (const control of [ui.categoria, ui.generar, ui.copiar]) control.disabled = false;
  }

  #choose(category, makeName = true) {
    this.#category = category;
    ui.categoria.value = category.key;
    ui.imagen.src = `dibujos/plnt_${category.key}.jpg`;
    ui.imagen.alt = `Dibujo de ${category.displayText}`;
    ui.descripcion.textContent = category.description;
    if (makeName) this.makeName();
  }

  makeName() {
    const category = this.#category;
    const index = (this.#lastIndex.get(category.key) ?? 0n) + 1n;
    if (index > LARGEST_NUMBER) {
      const last = `el último es el número ${LARGEST_NUMBER}`;
      showNotice(`No hay más nombres de ${category.displayText} con esta semilla: ${last}.`);
      return;
    }
    let name;
    try {
      name = this.#generator.nameAt(category.key, index, this.#alternative);
    } catch (error) {
      showNotice(`No se pudo inventar el nombre: ${error.message}`);
      return;
    }
    this.#lastIndex.set(category.key, index);
    const link = linkTo(category, this.#alternative, this.#generator.seed, index);
    ui.nombre.value = name;
    ui.copiado.textContent = '';
    ui.enlace.href = link;
    ui.traza.textContent = this.#generator.lastTrace();
    clearTimeout(this.#addressTimer);
    this.#addressTimer = setTimeout(() => history.replaceState(null, '', link), ADDRESS_DELAY_MS);
    this.#remember(name, category, link);
  }

  // A name of a grammar of the workshop, with its trace and the link that makes it again.
  showGrammarName({ name, trace, category, link }) {
    clearTimeout(this.#addressTimer);
    ui.nombre.value = name;
    ui.copiado.textContent = '';
    ui.enlace.href = link;
    ui.traza.textContent = trace;
    ui.imagen.src = 'quelvarinox.svg';
    ui.imagen.alt = `Dibujo de Quelvarinox (la gramática ${category.displayText} no tiene dibujo)`;
    ui.descripcion.textContent = category.description || `Un nombre de la gramática ${category.displayText}.`;
    this.#remember(name, category, link);
  }

  #remember(name, category, link) {
    this.#history.unshift({ name, category, link });
    this.#history.length = Math.min(this.#history.length, HISTORY_LENGTH);
    ui.historial.replaceChildren(...this.#history.map((entry) => {
      const item = document.createElement('li');
      const anchor = document.createElement('a');
      anchor.href = entry.link;
      anchor.textContent = entry.name;
      const label = document.createElement('span');
      label.textContent = entry.category.displayText;
      item.append(anchor, ' ', label);
      return item;
    }));
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
  const grammarLink = isGrammarLink(location.hash);
  const page = new Page(quelvarinox, problems.length > 0 ? {} : request, !grammarLink);
  const workshop = new Workshop(quelvarinox, { showNotice, showName: (shown) => page.showGrammarName(shown) });
  // A grammar link that gives no name leaves the page a name of a category.
  const openGrammarLink = async (first) => {
    let shown = false;
    try {
      shown = await workshop.openLink(location.hash);
    } catch {
      showNotice('No se pudo abrir la gramática del enlace. Prueba a recargar la página.');
    }
    if (!shown && first) page.makeName();
  };
  if (grammarLink) await openGrammarLink(true);
  addEventListener('hashchange', () => {
    if (isGrammarLink(location.hash)) openGrammarLink(false);
  });
}

start();
