// What a link of the page or of the workshop says about a name, read one way
// for both: the seed, the index and the mode, with a Spanish sentence for each
// that is wrong, and the quoting of what a person wrote in those sentences.

export const LARGEST_NUMBER = 2n ** 64n - 1n;
// 2^64 − 1 has twenty digits.
const LARGEST_DIGITS = 20;

const NUMBERS = [
  { param: 'semilla', field: 'seed', subject: 'La semilla', negative: 'negativa', smallest: 0n },
  { param: 'indice', field: 'index', subject: 'El índice', negative: 'negativo', smallest: 1n },
];

export function quote(text) {
  return `«${text.length > 40 ? `${text.slice(0, 40)}…` : text}»`;
}

export function randomSeed() {
  return crypto.getRandomValues(new BigUint64Array(1))[0];
}

// `text` as a whole number from `smallest` to 2^64 − 1 written with digits alone, or undefined.
export function wholeNumber(text, smallest) {
  if (!new RegExp(`^\\d{1,${LARGEST_DIGITS}}$`).test(text)) return undefined;
  const value = BigInt(text);
  return value >= smallest && value <= LARGEST_NUMBER ? value : undefined;
}

// Why `text` is not a whole number of the range, told of `subject`.
function numberProblem(text, { subject, negative, smallest }) {
  const range = `va de ${smallest} a ${LARGEST_NUMBER}`;
  if (/^-\d*[1-9]\d*$/.test(text)) return `${subject} ${quote(text)} es ${negative}: ${range}.`;
  if (/^[+-]\d+$/.test(text))
    return `${subject} ${quote(text)} lleva un signo, y en la dirección va sin él: ${quote(text.slice(1))}.`;
  if (!/^\d+$/.test(text)) return `${subject} ${quote(text)} no es un número entero.`;
  if (text.length > LARGEST_DIGITS) return `${subject} ${quote(text)} tiene más de ${LARGEST_DIGITS} cifras: ${range}.`;
  return `${subject} ${quote(text)} está fuera de rango: ${range}.`;
}

// The seed, index and mode that an address's query or fragment `link` gives, as
// { seed, index, alternative }, each left out when it is not there or is wrong,
// and one sentence for each that is wrong.
export function readNameParams(link) {
  const params = new URLSearchParams(link.replace(/^[?#]/, ''));
  // URLSearchParams reads a "+" as a space, which would hide the sign of "semilla=+5".
  const numberParams = new URLSearchParams(link.replace(/^[?#]/, '').replaceAll('+', '%2B'));
  const values = {};
  const problems = [];
  for (const number of NUMBERS) {
    if (!numberParams.has(number.param)) continue;
    const text = numberParams.get(number.param);
    const value = wholeNumber(text, number.smallest);
    if (value === undefined) problems.push(numberProblem(text, number));
    else values[number.field] = value;
  }
  if (params.has('modo')) {
    const text = params.get('modo');
    if (text === 'normal' || text === 'alternativo') values.alternative = text === 'alternativo';
    else problems.push(`El modo ${quote(text)} no existe: es «normal» o «alternativo».`);
  }
  return { values, problems };
}

// The query or fragment that makes name `index` of a seed again, after what names the category.
export function nameParams(seed, index, alternative) {
  const params = new URLSearchParams({ semilla: seed, indice: index });
  if (alternative) params.set('modo', 'alternativo');
  return params;
}
