// The line numbers beside the workshop's text, and over them a mark on each
// line with a mistake. Only the numbers of the rows about the view are
// written: the gutter scrolls with the text over a spacer as tall as all of its
// lines, and the numbers follow the rows in view, so that a file of many
// thousand lines costs no more to lay out, to paint or to point at than a
// short one.

function countLines(text) {
  let lines = 1;
  for (let at = text.indexOf('\n'); at !== -1; at = text.indexOf('\n', at + 1)) lines++;
  return lines;
}

export class LineNumbers {
  #gutter;
  #area;
  #numbers = document.createElement('div');
  #marks = document.createElement('div');
  #count = 0;
  #marked = [];
  // The lines numbered, from..to − 1 counted from 0, and how many rows the text shows.
  #written = { from: 0, to: 0 };
  #rowsInView = 0;

  // `gutter` numbers the lines of the text area `area`, whose scrolling it follows.
  constructor(gutter, area) {
    this.#gutter = gutter;
    this.#area = area;
    this.#numbers.className = 'numeros';
    this.#marks.className = 'marcas';
    gutter.replaceChildren(this.#numbers, this.#marks);
    area.addEventListener('scroll', () => this.#scrolled());
    new ResizeObserver(() => this.#scrolled()).observe(area);
  }

  // Numbers as many lines as `text` has.
  follow(text) {
    const count = countLines(text);
    if (count === this.#count) return;
    this.#count = count;
    this.#gutter.style.setProperty('--cifras', String(count).length);
    this.#gutter.style.setProperty('--filas', count);
    this.#write(this.#written.from);
  }

  mark(lines) {
    const marked = [...new Set(lines)];
    if (marked.length === this.#marked.length && marked.every((line, i) => line === this.#marked[i])) return;
    this.#marked = marked;
    this.#marks.replaceChildren(...marked.map((line) => {
      const mark = document.createElement('div');
      mark.className = 'mal';
      mark.style.setProperty('--fila', line - 1);
      mark.textContent = String(line);
      return mark;
    }));
  }

  // Scrolls with the text, and numbers the rows that come into view. Called
  // when the text scrolls or changes size, when its layout is up to date.
  #scrolled() {
    const area = this.#area;
    this.#gutter.scrollTop = area.scrollTop;
    const height = parseFloat(getComputedStyle(this.#gutter).lineHeight);
    this.#rowsInView = Math.ceil(area.clientHeight / height);
    const first = Math.floor(area.scrollTop / height);
    const { from, to } = this.#written;
    if (first < from || Math.min(first + this.#rowsInView, this.#count) > to) this.#write(first - this.#rowsInView);
  }

  // Numbers three views' worth of lines from line `from`: the one in view, and
  // one on each side; the last two views at most, where a text that became
  // shorter has scrolled back to.
  #write(from) {
    const rows = Math.max(this.#rowsInView, 1);
    const start = Math.max(0, Math.min(from, this.#count - 2 * rows));
    const end = Math.min(this.#count, start + 3 * rows);
    this.#written = { from: start, to: end };
    this.#numbers.style.setProperty('--desde', start);
    this.#numbers.textContent = Array.from({ length: end - start }, (_, i) => start + i + 1).join('\n');
  }
}
