// The workshop's editor of a grammar file, the element <editor-gramatica>:
// CodeMirror, which lays out only the lines in view, so that a keystroke in a
// file of 1 MiB costs about what it costs in a short one. It is used as a text
// area is: `value` reads the text and replaces it, `defaultValue` is the text
// that the element was written with, and an edit of its user's, never a new
// `value`, fires `input`. It numbers its lines, marks those with a mistake
// over their numbers, and shows control characters, which a name must not
// have, as marks of their own.
import { EditorState, RangeSet, StateEffect, StateField } from '@codemirror/state';
import {
  EditorView, GutterMarker, highlightActiveLineGutter, highlightSpecialChars, keymap, lineNumberMarkers, lineNumbers,
} from '@codemirror/view';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';

const mistake = new class extends GutterMarker {
  elementClass = 'mal';
}();

const markLines = StateEffect.define();

// The lines with a mistake, which follow the text's edits until they are marked anew.
const marks = StateField.define({
  create: () => RangeSet.empty,
  update(marked, transaction) {
    for (const effect of transaction.effects) {
      if (!effect.is(markLines)) continue;
      const { doc } = transaction.state;
      return RangeSet.of(effect.value.filter((line) => line >= 1 && line <= doc.lines)
        .map((line) => mistake.range(doc.line(line).from)), true);
    }
    return marked.map(transaction.changes);
  },
  provide: (field) => lineNumberMarkers.from(field),
});

class GrammarEditor extends HTMLElement {
  #view = null;
  #extensions;
  #defaultValue = '';
  // The text of the last document read, which stays the same until an edit.
  #read = { doc: null, text: '' };

  connectedCallback() {
    if (this.#view) return;
    // Like a text area's, the line break right after the start tag is not part of the text.
    this.#defaultValue = this.textContent.replace(/^\r?\n/, '');
    const content = { spellcheck: 'false', autocapitalize: 'off', autocorrect: 'off', translate: 'no' };
    for (const name of ['aria-labelledby', 'aria-describedby']) {
      if (!this.hasAttribute(name)) continue;
      content[name] = this.getAttribute(name);
      this.removeAttribute(name);
    }
    this.replaceChildren();
    this.#extensions = [
      lineNumbers(), marks, highlightActiveLineGutter(), highlightSpecialChars(), history(),
      keymap.of([...defaultKeymap, ...historyKeymap]), EditorView.contentAttributes.of(content),
      EditorView.updateListener.of((update) => {
        if (update.docChanged) queueMicrotask(() => this.dispatchEvent(new Event('input', { bubbles: true })));
      }),
    ];
    this.#view = new EditorView({
      parent: this, state: EditorState.create({ doc: this.#defaultValue, extensions: this.#extensions }),
    });
    // The browser's own input events of the editable lines say nothing of the text: CodeMirror reads
    // them, and the element fires its own once the text has changed.
    this.#view.contentDOM.addEventListener('input', (event) => event.stopPropagation());
    // The element itself takes the focus, as a text area does, and hands it to the lines.
    this.tabIndex = -1;
    this.addEventListener('focus', () => this.#view.focus());
  }

  get value() {
    const { doc } = this.#view.state;
    if (this.#read.doc !== doc) this.#read = { doc, text: doc.toString() };
    return this.#read.text;
  }

  // A new text, with the caret and the view at its start and no edit to undo, as a new file. It is a new
  // state, not an edit of the old text, which CodeMirror would lay out whole while the editor is out of view.
  set value(text) {
    this.#view.setState(EditorState.create({ doc: String(text), extensions: this.#extensions }));
    this.#view.scrollDOM.scrollTop = 0;
  }

  get defaultValue() {
    return this.#defaultValue;
  }

  // Puts the caret at a line and a column, from 1, the column in characters, and
  // scrolls it into view a third of the way down.
  goTo(lineNumber, column) {
    const view = this.#view;
    const { doc } = view.state;
    const line = doc.line(Math.min(Math.max(lineNumber, 1), doc.lines));
    const at = line.from + [...line.text].slice(0, Math.max(column - 1, 0)).join('').length;
    view.dispatch({
      selection: { anchor: at },
      effects: EditorView.scrollIntoView(at, { y: 'start', yMargin: view.scrollDOM.clientHeight / 3 }),
    });
    view.focus();
  }

  // Marks the lines `lines`, counted from 1, as having a mistake; none if it is empty.
  markLines(lines) {
    this.#view.dispatch({ effects: markLines.of([...new Set(lines)].sort((a, b) => a - b)) });
  }
}

customElements.define('editor-gramatica', GrammarEditor);
