// Writes a manual page's source as a page of the site, so that the format's
// reference on the web is made from the same text as `man quelvarinox-gramatica`.
// It knows the plain macros of man(7) that the project's pages use, and stops
// with the place of anything else rather than leave it out.
// Usage: node manual_to_html.mjs SOURCE.in OUTPUT.html NAME=VALUE...
// where each NAME=VALUE fills @NAME@, as CMake's configure_file does.
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname } from 'node:path';

class ManualError extends Error {}

const escapeHtml = (text) => text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' }[c]));

// Special characters by their groff names, \(xx or \[xx].
const GLYPHS = {
  bu: '•', em: '—', en: '–', hy: '-', aq: "'", dq: '"', lq: '“', rq: '”', oq: '‘', cq: '’', Fo: '«', Fc: '»',
  co: '©', rg: '®', tm: '™', de: '°', mu: '×', rs: '\\', ti: '~', ha: '^', ga: '`', sl: '/', or: '|', at: '@',
};
// Accents of composite glyphs such as \['O] or \[~n], as combining marks.
const ACCENTS = { "'": '\u0301', '`': '\u0300', ':': '\u0308', '^': '\u0302', '~': '\u0303', ',': '\u0327' };
const FONTS = { B: ['<strong>', '</strong>'], I: ['<em>', '</em>'], R: ['', ''] };
// Requests about filling and hyphenating lines, which the browser does itself.
const IGNORED = new Set(['nh', 'hy', 'nr', 'ad', 'na']);

function glyph(name, where) {
  if (name in GLYPHS) return GLYPHS[name];
  if (/^u[0-9A-F]{4,6}$/.test(name)) return String.fromCodePoint(parseInt(name.slice(1), 16));
  if (name.length === 2 && name[0] in ACCENTS) return `${name[1]}${ACCENTS[name[0]]}`.normalize('NFC');
  throw new ManualError(`${where}: carácter especial desconocido «${name}»`);
}

// `text` with its escapes as HTML, starting in font `font`: { html, font }, the font it ends in.
function render(text, font, where) {
  let html = FONTS[font][0];
  let previous = 'R';
  const setFont = (next) => {
    html += FONTS[font][1] + FONTS[next][0];
    previous = font;
    font = next;
  };
  for (let at = 0; at < text.length; at++) {
    if (text[at] !== '\\') {
      html += escapeHtml(text[at]);
      continue;
    }
    const escape = text[++at];
    if (escape === 'f') {
      const name = text[++at];
      if (name === 'P') setFont(previous);
      else if (name in FONTS) setFont(name);
      else throw new ManualError(`${where}: tipo de letra desconocido «\\f${name ?? ''}»`);
    } else if (escape === '(') {
      html += escapeHtml(glyph(text.slice(at + 1, at + 3), where));
      at += 2;
    } else if (escape === '[') {
      const end = text.indexOf(']', at);
      if (end < 0) throw new ManualError(`${where}: falta el «]» de «\\[»`);
      html += escapeHtml(glyph(text.slice(at + 1, end), where));
      at = end;
    } else if (escape === '-' || escape === 'e' || escape === '\\') {
      html += escape === '-' ? '-' : '\\';
    } else if (escape === ' ' || escape === '~') {
      html += '\u00a0';
    } else if (escape === '&' || escape === '|' || escape === '^') {
      // Zero-width, or a space too thin for a browser to show.
    } else if (escape === '"') {
      break;
    } else {
      throw new ManualError(`${where}: secuencia de escape desconocida «\\${escape ?? ''}»`);
    }
  }
  return { html: html + FONTS[font][1], font };
}

// The arguments of a macro's line, split at spaces outside double quotes.
function macroArguments(text) {
  const found = [];
  const pattern = /"((?:[^"]|"")*)"?|(\S+)/g;
  for (let match = pattern.exec(text); match; match = pattern.exec(text))
    found.push(match[1] !== undefined ? match[1].replaceAll('""', '"') : match[2]);
  return found;
}

function slug(text) {
  return text.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '');
}

// The page's body as it is written: sections, paragraphs, lists of tagged
// paragraphs, indented blocks and unfilled examples, one container in another.
class Writer {
  html = [];
  // The open containers, innermost last: { kind, close }, kind one of
  // section, indent, list and short-list (of terms), bullets, item.
  #open = [];
  // The element that text goes into now (p, dt, pre, h2, h3), or null, and whether it has text yet.
  #inline = null;
  #written = false;
  #font = 'R';
  #filling = true;

  get filling() {
    return this.#filling;
  }

  // Text rendered from the source's `line`, in `font` if given, else in the running font.
  text(line, where, font) {
    const rendered = render(line, font ?? this.#font, where);
    if (font === undefined) this.#font = rendered.font;
    if (this.#inline === null) this.#openInline('p');
    else if (this.#written) this.html.push(this.#filling ? ' ' : '\n');
    this.html.push(rendered.html);
    this.#written = true;
  }

  lineBreak() {
    if (this.#filling && this.#inline) this.html.push('<br>');
  }

  heading(level, text, where) {
    this.#closeTo(level === 2 ? () => false : (kind) => kind === 'section');
    if (level === 2) this.#push('section', '<section>', '</section>');
    this.#openInline(`h${level}`, ` id="${slug(render(text, 'R', where).html)}"`);
    this.html.push(render(text, 'R', where).html);
    this.closeInline();
  }

  // A new paragraph, at the indentation of the innermost indented block.
  paragraph() {
    this.#closeTo((kind) => kind === 'section' || kind === 'indent');
  }

  // A blank line: the next text starts a paragraph of its own where it is.
  blank() {
    if (this.#filling) this.closeInline();
    else if (this.#written) this.html.push('\n');
  }

  // An item of a list of bullets.
  bullet() {
    this.#startItem('bullets', '<ul>', '</ul>');
    this.#push('item', '<li>', '</li>');
  }

  // An item with a term, `term` (HTML) or else the text of the line that follows, which describe() ends.
  // Short terms, as those of .IP, stand beside what they describe.
  term(term = null) {
    if (term === null) this.#startItem('list', '<dl>', '</dl>');
    else this.#startItem('short-list', '<dl class="breve">', '</dl>');
    this.#openInline('dt');
    if (term !== null) {
      this.html.push(term);
      this.#written = true;
      this.describe();
    }
  }

  describe() {
    this.closeInline();
    this.#push('item', '<dd>', '</dd>');
  }

  indent() {
    this.closeInline();
    this.#push('indent', '<div class="sangria">', '</div>');
  }

  unindent(where) {
    if (!this.#open.some(({ kind }) => kind === 'indent'))
      throw new ManualError(`${where}: «.RE» sin un «.RS» abierto`);
    this.#closeTo((kind) => kind === 'indent');
    this.#open.pop().close();
  }

  // An indented paragraph without a tag.
  indentedParagraph() {
    this.paragraph();
    this.#push('item', '<div class="sangria">', '</div>');
  }

  nofill() {
    this.closeInline();
    this.#filling = false;
  }

  fill() {
    this.closeInline();
    this.#filling = true;
  }

  closeInline() {
    if (this.#inline === null) return;
    this.html.push(`</${this.#inline}>\n`);
    this.#inline = null;
  }

  end() {
    this.#closeTo(() => false);
  }

  get #top() {
    return this.#open.at(-1)?.kind;
  }

  // Ends the item before, and opens a list of `kind` unless one is open where the item goes.
  #startItem(kind, opening, closing) {
    this.#closeTo((open) => open === kind || open === 'section' || open === 'indent');
    if (this.#top !== kind) this.#push(kind, opening, closing);
  }

  #openInline(tag, attributes = '') {
    const element = this.#filling || tag !== 'p' ? tag : 'pre';
    this.html.push(`<${element}${attributes}>`);
    this.#inline = element;
    this.#written = false;
  }

  #push(kind, opening, closing) {
    this.html.push(`${opening}\n`);
    this.#open.push({ kind, close: () => this.html.push(`${closing}\n`) });
  }

  // Closes the paragraph and every container inside the innermost one that `keep` accepts.
  #closeTo(keep) {
    this.closeInline();
    while (this.#open.length > 0 && !keep(this.#top)) this.#open.pop().close();
  }
}

// The manual page `source` as the HTML of a page of the site, and its title.
function convert(source, name) {
  const writer = new Writer();
  let header = null;
  // What the next input line is for: the text of a heading, or the term of a tagged paragraph.
  let next = null;
  const lines = source.split('\n');
  for (let index = 0; index < lines.length; index++) {
    let line = lines[index];
    const where = `${name}:${index + 1}`;
    while (line.endsWith('\\') && !line.endsWith('\\\\') && index + 1 < lines.length) line = line.slice(0, -1) + lines[++index];
    const control = /^[.'][ \t]*(\S*)[ \t]*(.*)$/.exec(line);
    const waiting = next;
    next = null;
    if (waiting?.kind === 'heading' && !control) {
      writer.heading(waiting.level, line, where);
      continue;
    }
    if (!control) {
      if (line.trim() === '') writer.blank();
      else writer.text(line, where, waiting?.font);
      if (waiting?.kind === 'term') writer.describe();
      continue;
    }
    const [, macro, rest] = control;
    const args = macroArguments(rest);
    if (waiting?.kind === 'heading') throw new ManualError(`${where}: «.${macro}» donde se esperaba el texto de un título`);
    if (macro === '' || macro.startsWith('\\"') || IGNORED.has(macro)) {
      next = waiting;
      continue;
    }
    switch (macro) {
      case 'TH':
        if (args.length < 2) throw new ManualError(`${where}: «.TH» necesita al menos el título y la sección`);
        header = { title: args[0], section: args[1], date: args[2] ?? '', source: args[3] ?? '', manual: args[4] ?? '' };
        break;
      case 'SH':
      case 'SS':
        if (rest.trim() === '') next = { kind: 'heading', level: macro === 'SH' ? 2 : 3 };
        else writer.heading(macro === 'SH' ? 2 : 3, args.join(' '), where);
        break;
      case 'PP':
      case 'P':
      case 'LP':
        writer.paragraph();
        break;
      case 'TP':
        writer.term();
        next = { kind: 'term' };
        break;
      case 'IP': {
        const tag = render(args[0] ?? '', 'R', where).html;
        if (tag === '') writer.indentedParagraph();
        else if (tag === '•') writer.bullet();
        else writer.term(tag);
        break;
      }
      case 'RS':
        writer.indent();
        break;
      case 'RE':
        writer.unindent(where);
        break;
      case 'EX':
      case 'nf':
        writer.nofill();
        break;
      case 'EE':
      case 'fi':
        writer.fill();
        break;
      case 'br':
        writer.lineBreak();
        break;
      case 'B':
      case 'I':
        if (args.length === 0) next = { kind: waiting?.kind ?? 'text', font: macro };
        else writer.text(args.join(' '), where, macro);
        if (args.length > 0 && waiting?.kind === 'term') writer.describe();
        break;
      case 'BR':
      case 'RB':
      case 'IR':
      case 'RI':
      case 'BI':
      case 'IB': {
        const alternating = args.map((arg, i) => `\\f${macro[i % 2]}${arg}`).join('');
        writer.text(`${alternating}\\fR`, where, 'R');
        if (waiting?.kind === 'term') writer.describe();
        break;
      }
      default:
        throw new ManualError(`${where}: macro desconocida «${line.trim()}»: esta conversión no la sabe escribir`);
    }
  }
  if (next?.kind === 'heading') throw new ManualError(`${name}: el último título no tiene texto`);
  writer.end();
  if (header === null) throw new ManualError(`${name}: falta la cabecera «.TH»`);
  return { header, body: writer.html.join('') };
}

// The whole page: the manual's header, a way back to the generator, and the manual.
function page({ header, body }) {
  const title = `${header.title.toLowerCase()}(${header.section})`;
  const about = [header.manual, header.source, header.date].filter((part) => part !== '').map(escapeHtml).join(' · ');
  return `<!doctype html>
<html lang="es">
<head>
  <meta charset="utf-8">
  <meta name="viewport" content="width=device-width, initial-scale=1">
  <title>${escapeHtml(title)}: ${escapeHtml(header.manual)}</title>
  <link rel="icon" href="quelvarinox.svg" type="image/svg+xml">
  <link rel="stylesheet" href="page.css">
</head>
<body>
  <header>
    <h1 class="manual-titulo">${escapeHtml(title)}</h1>
    <p>${about}</p>
    <p><a href="./">Volver al generador de nombres y su taller de gramáticas</a></p>
  </header>
  <main class="manual">
${body}  </main>
</body>
</html>
`;
}

// `text` with each @NAME@ filled from `values`; a name without a value is an error.
function fill(text, values, name) {
  return text.replace(/@([A-Za-z_][A-Za-z0-9_]*)@/g, (whole, variable, offset) => {
    if (variable in values) return values[variable];
    const line = text.slice(0, offset).split('\n').length;
    throw new ManualError(`${name}:${line}: nadie da valor a @${variable}@`);
  });
}

function main([source, output, ...definitions]) {
  if (!source || !output || definitions.some((definition) => !definition.includes('='))) {
    throw new ManualError('uso: node manual_to_html.mjs FUENTE.in SALIDA.html NOMBRE=VALOR...');
  }
  const values = Object.fromEntries(definitions.map((definition) => {
    const at = definition.indexOf('=');
    return [definition.slice(0, at), definition.slice(at + 1)];
  }));
  const text = fill(readFileSync(source, 'utf8'), values, source);
  const html = page(convert(text, source));
  mkdirSync(dirname(output), { recursive: true });
  writeFileSync(output, html);
}

try {
  main(process.argv.slice(2));
} catch (error) {
  if (!(error instanceof ManualError)) throw error;
  console.error(`manual_to_html: ${error.message}`);
  process.exit(1);
}
