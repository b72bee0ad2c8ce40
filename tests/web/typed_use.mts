// The package as a TypeScript program takes it, type-checked with --strict: the
// first five names of Ord Mantell of seed 7, one a line, the same five again
// from its grammar read back, counted apart, and what learn() says of a list
// with no names.
import { GrammarError, LearningError, load, type Generator, type Grammar, type LearnOptions, type Quelvarinox }
  from 'quelvarinox';

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
const options: LearnOptions = { displayText: 'Los míos', key: 'mios', threshold: 1 };
try {
  const text: string = quelvarinox.learn('', options);
  console.log(text);
} catch (error) {
  if (!(error instanceof LearningError)) throw error;
  console.log(error.message);
}
