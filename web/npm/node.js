// Quelvarinox in Node: the module is read from beside this file.
import { webcrypto } from 'node:crypto';
import { readFile } from 'node:fs/promises';
import { loader } from './library.js';

export { GrammarError, LearningError, NameRefusedError } from './library.js';

export const load = loader(async () => ({ wasmBinary: await readFile(new URL('quelvarinox.wasm', import.meta.url)) }),
  webcrypto);
