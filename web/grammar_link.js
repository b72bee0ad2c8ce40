// The fragment of a link to a grammar, "#gramatica=DATOS&semilla=S&indice=I":
// the file deflated without a header (raw DEFLATE) and written in base64url.

import { readNameParams } from './link_values.js';

// The loader's own limit: a link that inflates to more is not read further.
const LARGEST_FILE = 1 << 20;

const START = '#gramatica=';

export function isGrammarLink(hash) {
  return hash.startsWith(START);
}

export function grammarFragment(data, params) {
  return `#gramatica=${data}&${params}`;
}

// Bytes as base64url without padding.
export function toBase64Url(bytes) {
  let binary = '';
  for (let start = 0; start < bytes.length; start += 0x8000)
    binary += String.fromCharCode(...bytes.subarray(start, start + 0x8000));
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

// The bytes of base64url text, which may end in the padding that a base64
// encoder writes ("=" after three characters of a group, "==" after two);
// null when `text` is not that.
function fromBase64Url(text) {
  const [, body, padding] = /^([A-Za-z0-9_-]*)(={0,2})$/.exec(text) ?? [];
  if (body === undefined || body.length % 4 === 1) return null;
  if (padding !== '' && (body.length + padding.length) % 4 !== 0) return null;
  const binary = atob(body.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// What `bytes` inflate to, as far as they do: { bytes, problem }.
async function inflate(bytes) {
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  const chunks = [];
  let length = 0;
  let problem = '';
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      chunks.push(value);
      length += value.length;
      if (length > LARGEST_FILE) {
        problem = `La gramática pasa de ${LARGEST_FILE} bytes, lo más que se lee; se muestra su principio.`;
        reader.cancel().catch(() => {});
        break;
      }
    }
  } catch {
    problem = 'La gramática del enlace no se pudo descomprimir entera: el enlace está cortado o estropeado.';
  }
  const all = new Uint8Array(length);
  let at = 0;
  for (const chunk of chunks) {
    all.set(chunk, at);
    at += chunk.length;
  }
  return { bytes: all.subarray(0, LARGEST_FILE), problem };
}

// The bytes of a file as a link carries them before base64url.
export async function deflateGrammar(text) {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The text of a link's DATOS as far as it can be read, and a Spanish sentence
// for each thing in it that is wrong: { text, problems }.
async function decodeGrammar(data) {
  const bytes = fromBase64Url(data);
  if (bytes === null) {
    return { text: '', problems: ['La gramática del enlace no está escrita en base64url (sin relleno, o con el «=» '
      + 'o «==» que la cierra): no se pudo leer nada de ella.'] };
  }
  const inflated = await inflate(bytes);
  const problems = inflated.problem ? [inflated.problem] : [];
  // A file cut short may end inside a character, which is left out.
  const stream = { stream: inflated.problem !== '' };
  try {
    return { text: new TextDecoder('utf-8', { fatal: true }).decode(inflated.bytes, stream), problems };
  } catch {
    problems.push('La gramática del enlace no es texto UTF-8 válido: lo que no se pudo leer sale como «\uFFFD».');
    return { text: new TextDecoder('utf-8').decode(inflated.bytes, stream), problems };
  }
}

// What a grammar link's fragment holds: { data, text, whole, values, problems }:
// its DATOS, the text they hold as far as it can be read and whether it was
// read whole, the seed, index and mode of readNameParams, and a Spanish
// sentence for each thing that is wrong. DATOS, of up to a megabyte or more,
// is cut out of the fragment rather than parsed as a parameter, unless it
// holds what base64url does not, which only a parser reads as it should.
export async function readGrammarLink(hash) {
  const end = hash.indexOf('&');
  const raw = hash.slice(START.length, end === -1 ? hash.length : end);
  const data = /^[\w-]*=*$/.test(raw) ? raw : new URLSearchParams(`d=${raw}`).get('d');
  const { text, problems } = await decodeGrammar(data);
  const { values, problems: nameProblems } = readNameParams(end === -1 ? '' : hash.slice(end + 1));
  return { data, text, whole: problems.length === 0, values, problems: [...problems, ...nameProblems] };
}
