// What the page asks of grammar texts (read one, make its names, learn one
// from a list of names) over one instance of the npm package's module, which
// keeps the texts read last and the generator of the last seed. The worker of
// grammar_worker.js answers the page with these; so does the page itself, over
// a module of its own, while that worker starts (grammar_client.js).
import { deflateGrammar } from './grammar_link.js';

// The texts read last, each with its grammar or its mistakes, are kept this many.
const RECENT_TEXTS = 3;

// A GrammarError's mistakes as { line, column, message }, from its English fields when it has them.
function mistakes(error) {
  if (error.errors) return error.errors.map(({ line, column, message }) => ({ line, column, message }));
  return error.errores.map(({ linea, columna, mensaje }) => ({ line: linea, column: columna, message: mensaje }));
}

// The mistake of `errors` at the value of a top-level hereda that names a file
// (one with a "." or a "/"), if there is one.
function fileInherited(text, errors) {
  if (errors.length === 0) return undefined;
  const found = /^([ \t]*hereda[ \t]*=[ \t]*)(["'])[^"'\n]*[./][^"'\n]*\2/m.exec(text);
  if (!found) return undefined;
  const before = text.slice(0, found.index);
  const line = before.split('\n').length;
  const column = [...found[1]].length + 1;
  return errors.find((error) => error.line === line && error.column === column);
}

// The operations over the library that `library` promises.
export function grammarOperations(library) {
  // The texts read last, the newest at the end.
  const recent = [];
  let generator = null;

  // What a text reads as, the library loaded: one read ahead of it, or while it loaded, is not made again.
  async function read(text) {
    const quelvarinox = await library;
    const known = recent.findIndex((entry) => entry.text === text);
    if (known >= 0) {
      const [entry] = recent.splice(known, 1);
      recent.push(entry);
      return entry;
    }
    let entry;
    try {
      entry = { text, grammar: quelvarinox.grammar(text), errors: [] };
    } catch (error) {
      if (error.name !== 'GrammarError') throw error;
      entry = { text, grammar: null, errors: mistakes(error) };
    }
    recent.push(entry);
    if (recent.length > RECENT_TEXTS) recent.shift().grammar?.free();
    return entry;
  }

  async function generatorFor(seed) {
    if (generator?.seed !== seed) {
      generator?.free();
      generator = null;
      generator = (await library).generator(seed);
    }
    return generator;
  }

  return {
    // Reads `text` ahead of the names that will be asked of it.
    async read({ text }) {
      await read(text);
    },
    // The mistakes of `text`, the identity of its grammar if it has none, and
    // names `from` to `from + count − 1`, with their traces, of `text` or, while
    // it has mistakes, of `fallback`: none if neither makes names. The names stop
    // before one that the grammar refuses, as the tool's do, and `refused` says
    // why ({ index, message }); `fileInherited` is the mistake of a hereda that
    // names a file, which no grammar read here can do. With `pack`, `packed` is
    // `text` deflated for a link, in bytes that are handed over rather than
    // copied: the text is sent here once.
    async names({ text, fallback, seed, alternative, from, count, pack }) {
      const entry = await read(text);
      const maker = entry.grammar ?? (fallback === undefined ? null : (await read(fallback)).grammar);
      const names = [];
      let refused = null;
      if (maker) {
        const made = await generatorFor(seed);
        for (let index = from; index < from + BigInt(count) && !refused; index++) {
          try {
            names.push({ name: made.nameAt(maker, index, alternative), trace: made.lastTrace() });
          } catch (error) {
            if (error.name !== 'NameRefusedError') throw error;
            refused = { index: error.index, message: error.message };
          }
        }
      }
      const grammar = entry.grammar && {
        displayText: entry.grammar.displayText,
        key: entry.grammar.key,
        description: entry.grammar.description,
      };
      return { grammar, errors: entry.errors, names, refused, fileInherited: fileInherited(text, entry.errors),
        packed: pack ? await deflateGrammar(text) : undefined };
    },
    // The grammar's text that a list of names teaches, or as `problem` the learner's reason why it teaches none.
    async learn({ examples, displayText, key, threshold }) {
      try {
        return { text: (await library).learn(examples, { displayText, key, threshold }) };
      } catch (error) {
        if (error.name !== 'LearningError') throw error;
        return { problem: error.message };
      }
    },
  };
}
