// The first five names of Ord Mantell of seed 7, one a line: the package as a
// TypeScript program takes it, type-checked with --strict.
import { load, type Generator, type Quelvarinox } from 'quelvarinox';

const quelvarinox: Quelvarinox = await load();
const generator: Generator = quelvarinox.generator(7n);
for (const name of generator.names('Ord Mantell', 5))
  console.log(name);
