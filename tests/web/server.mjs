// A static server for the site on 127.0.0.1 that counts what it serves, so a test can tell that a page
// came from the service worker's cache and not from here.
import http from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

export async function serve(root) {
  const server = http.createServer(async (request, response) => {
    server.served += 1;
    let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (path.endsWith('/')) path += 'index.html';
    try {
      const body = await readFile(join(root, path));
      response.writeHead(200, { 'content-type': TYPES[extname(path)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  server.served = 0;
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  server.url = `http://127.0.0.1:${server.address().port}/`;
  // Closed with the browser's idle connections too, which would otherwise keep it open.
  server.stop = () => new Promise((done) => {
    server.close(() => done());
    server.closeAllConnections();
  });
  return server;
}
