// Serves one folder's files on 127.0.0.1, on a free port, as any static file
// server would: the page needs nothing more. A test may answer some requests
// itself: `answer(path, referer)` gives { status, body }, or a promise of it,
// for those, and nothing for the others.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.jpg': 'image/jpeg',
  '.svg': 'image/svg+xml',
};

export async function serve(folder, answer = () => undefined) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    const { status, body } = await answer(path, new URL(request.headers.referer ?? 'http://x/').pathname)
      ?? await readFile(file).then((bytes) => ({ status: 200, body: bytes }), () => ({ status: 404, body: '' }));
    response.writeHead(status, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// Debian's Chromium, headless, as root, with nothing of its own reaching out to the network.
export const chromiumOptions = {
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
};
