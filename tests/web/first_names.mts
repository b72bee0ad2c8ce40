// The first five names of Ord Mantell of seed 7, one a line, and the same five
// again from its grammar read back, counted apart: the package as a TypeScript
// program takes it, type-checked with --strict.
import { GrammarError, load, type Generator, type Grammar, type Quelvarinox } from 'quelvarinox';

const quelvarinox: Quelvarinox = await load();
const generator: Generator = quelvarinox.generator(7n);
for (const name of generator.names('Ord Mantell', 5))
  console.log(name);
try {
  const grammar: Grammar = quelvarinox.grammar(quelvarinox.builtinGrammarText('ordm'));
  for (const name of generator.names(grammar, 5))
    console.log(name);
} catch (error) {
  if (error instanceof GrammarError)
    console.error(`${error.line}:${error.column}: ${error.errors[0].message}`);
  throw error;
}
