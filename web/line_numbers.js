// The line numbers beside the workshop's text: all of them in one text, quick
// to make for a file of many thousand lines, and over them a mark on each line
// with a mistake.

function countLines(text) {
  let lines = 1;
  for (let at = text.indexOf('\n'); at !== -1; at = text.indexOf('\n', at + 1)) lines++;
  return lines;
}

export class LineNumbers {
  #gutter;
  #numbers = document.createElement('div');
  #marks = document.createElement('div');
  #count = 0;

  constructor(gutter) {
    this.#gutter = gutter;
    gutter.replaceChildren(this.#numbers, this.#marks);
  }

  // Numbers as many lines as `text` has.
  follow(text) {
    const count = countLines(text);
    if (count === this.#count) return;
    this.#count = count;
    this.#gutter.style.setProperty('--cifras', String(count).length);
    this.#numbers.textContent = Array.from({ length: count }, (_, i) => i + 1).join('\n');
  }

  mark(lines) {
    this.#marks.replaceChildren(...[...new Set(lines)].map((line) => {
      const mark = document.createElement('div');
      mark.className = 'mal';
      mark.style.setProperty('--fila', line - 1);
      mark.textContent = String(line);
      return mark;
    }));
  }
}
