// Quelvarinox in the browser: the module is fetched from beside this file.
import { loader } from './library.js';

export { GrammarError, LearningError, NameRefusedError } from './library.js';

export const load = loader(async () => ({}), globalThis.crypto);
