// Corelia's file and comment lines of letters drawn by a fixed generator, up to
// the loader's limit of 1 MiB: a grammar text as large as one can be, which
// does not compress, for timing the workshop and its links.
export function megabyteGrammar(corelia) {
  let state = 12345;
  const letter = () => {
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    return 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/'[state >>> 26];
  };
  let big = corelia;
  while (big.length + 80 <= 1 << 20) big += `# ${Array.from({ length: 77 }, letter).join('')}\n`;
  return big;
}
