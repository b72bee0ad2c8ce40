// A worker that reads grammar files and makes their names with the npm
// package's browser module, away from the page's thread: the loader takes a
// while over a file of 1 MiB, and a file that makes the module fail takes this
// worker with it, not the page. Each message { id, op, ...arguments } is
// answered with { id, result }, or with { id, failure } when something other
// than a grammar's mistakes went wrong; grammar_client.js then ends this worker
// and starts another.
import { load } from './quelvarinox/index.js';
import { grammarOperations } from './grammar_operations.js';

const operations = grammarOperations(load());

addEventListener('message', async ({ data: { id, op, ...args } }) => {
  try {
    const result = await operations[op](args);
    postMessage({ id, result }, result?.packed ? [result.packed.buffer] : []);
  } catch (error) {
    postMessage({ id, failure: String(error?.message ?? error) });
  }
});
