/** One category of the list. */
export interface Category {
  /** As the window lists it: "Garos IV", "jedi". */
  readonly displayText: string;
  /** Short and lower case: "garos", "jedi". */
  readonly key: string;
  /** A paragraph in Spanish. */
  readonly description: string;
  /** Whether the alternative mode changes its names. */
  readonly readsAlternativeMode: boolean;
}

/**
 * A grammar of one's own, read by `Quelvarinox.grammar()`, with the identity of a
 * category; a Generator makes its names wherever it takes a category.
 */
export interface Grammar extends Category {
  /** Gives back the grammar's memory in the module; generators cannot use it after. */
  free(): void;
}

/** One mistake of a grammar's text: its line and column, from 1, and what is wrong, in Spanish. */
export interface GrammarMistake {
  readonly line: number;
  /** Counted in characters, not in bytes. */
  readonly column: number;
  readonly message: string;
}

/**
 * Thrown for a grammar's text that is wrong. `message` gives every mistake, one a
 * line, as "línea:columna: mensaje".
 */
export class GrammarError extends Error {
  private constructor();
  readonly name: 'GrammarError';
  /** Where the first mistake is. */
  readonly line: number;
  readonly column: number;
  /** Every mistake, in the order of the text. */
  readonly errors: readonly GrammarMistake[];
  /** @deprecated Use `line`; kept for the 2.x series. */
  readonly linea: number;
  /** @deprecated Use `column`; kept for the 2.x series. */
  readonly columna: number;
  /** @deprecated Use `errors`; kept for the 2.x series. */
  readonly errores: readonly { readonly linea: number; readonly columna: number; readonly mensaje: string }[];
}

/** How `Quelvarinox.learn()` makes a grammar, as `quelvarinox-nombres --aprender` is told. */
export interface LearnOptions {
  /** The grammar's display text (--nombre): "Lengua aprendida" if not given. */
  readonly displayText?: string;
  /** Its key (--clave): "lengua-aprendida" if not given. */
  readonly key?: string;
  /**
   * How many times a piece, a form or a number of syllables must appear in the examples to be kept
   * (--umbral), from 1 to 1000000: 2 if not given.
   */
  readonly threshold?: number;
}

/**
 * Thrown when a list of names teaches no grammar, or the options of `learn()` are wrong: `message` says
 * why, in Spanish, as `quelvarinox-nombres --aprender` does.
 */
export class LearningError extends Error {
  private constructor();
  readonly name: 'LearningError';
}

/**
 * Thrown for a name of a Grammar that its [rechazo] refused: each of its 1000 attempts held one of the
 * grammar's patterns. The name counts as given: the next call goes on with the next one. `message` says so in
 * Spanish: "la gramática «Mi lengua» no da el nombre número 57: [rechazo] lo ha rechazado 1000 veces
 * seguidas, 812 de ellas por el patrón 2, «aa»".
 */
export class NameRefusedError extends Error {
  private constructor();
  readonly name: 'NameRefusedError';
  /** The name's number, counted from 1. */
  readonly index: bigint;
  /** The pattern, counted from 1 in the grammar's list, that rejected most of its attempts. */
  readonly pattern: number;
}

/**
 * Makes names and owns what they are made from: a seed, and the count of names
 * given so far of each category. Seeded, its k-th name of a category is the k-th
 * of `quelvarinox-nombres -s SEED`, in either mode; of a Grammar, the k-th of
 * `quelvarinox-nombres --gramatica FILE -s SEED`.
 *
 * A category is named by its display text or its key, in any letter case and
 * with blanks around; one that names none throws a RangeError. A Grammar's names
 * are counted by its key, apart from the list's categories, and a name it refuses
 * throws a NameRefusedError.
 */
export interface Generator {
  /** The seed given or drawn: a generator with it makes the same names again. */
  readonly seed: bigint;
  /** The next name of `category`, in the alternative mode ("Darth ", compound epithets) when `alternative`. */
  name(category: string | Grammar, alternative?: boolean): string;
  /** The next `count` names of `category`, as `count` calls of name() give them. */
  names(category: string | Grammar, count: number | bigint, alternative?: boolean): string[];
  /** Name number `index` of `category`, counted from 1, without moving the count on. */
  nameAt(category: string | Grammar, index: number | bigint, alternative?: boolean): string;
  /**
   * The draws behind the last name made, as `quelvarinox-nombres --traza` writes them: "R" for a reseed,
   * "N:v" for a draw over 0..N that gave v, "u:v" for a planet number. Empty before the first name.
   */
  lastTrace(): string;
  /** Gives back the generator's memory in the module; the generator cannot be used after. */
  free(): void;
}

export interface Quelvarinox {
  /** The version of the library, "MAJOR.MINOR". */
  readonly version: string;
  /** The categories in the order of the window's list. */
  readonly categories: readonly Category[];
  /** A generator seeded with `seed`, a whole number from 0 to 2^64 − 1 (a bigint above 2^53), or with one drawn at random. */
  generator(seed?: number | bigint): Generator;
  /**
   * A grammar of one's own from its text (a TOML file's, of up to 1 MiB); throws a GrammarError when it is
   * wrong, and a TypeError for anything but a string.
   */
  grammar(text: string): Grammar;
  /**
   * The grammar file's text that a list of example names (one a line) teaches: what
   * `quelvarinox-nombres --aprender -` writes with the list on its standard input, to read with grammar().
   * Throws a LearningError when it teaches nothing or the options are wrong, a TypeError for a list or a
   * text option that is not a string, and a RangeError for a threshold that is not a 32-bit integer.
   */
  learn(examples: string, options?: LearnOptions): string;
  /** The categories whose names a grammar file makes, in the list's order: the ones builtinGrammarText() writes out. */
  grammarCategories(): readonly Category[];
  /**
   * The text of a planet's built-in grammar, as `quelvarinox-nombres --exportar` writes it: the start of
   * one's own. A category that names none, or that a program makes (jedi, varkh, planeta), throws a RangeError.
   */
  builtinGrammarText(category: string): string;
}

/** The library, loaded on the first call; every call gives the same. */
export function load(): Promise<Quelvarinox>;
