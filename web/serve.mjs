// SPDX-License-Identifier: MIT
// A small static web server for the built site, as any web host would serve it:
// the right types (application/wasm above all), gzip or brotli for text, ETag
// revalidation, nothing outside the site's folder. What a client gets wrong is
// answered as such: 400 for a path that is no path, 404 for a path outside the
// site or to no file, 405 for a method other than GET and HEAD; 500 only for a
// fault of the server itself.
//
//   node web/serve.mjs SITE_DIR        on http://127.0.0.1:$PORT/ (8080 by default)
//
// The browser test imports serve(); the benchmark starts this file as a child
// process with an IPC channel and asks it for the bytes written.
import { createHash } from 'node:crypto';
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
};
const compressible = new Set(['.html', '.js', '.mjs', '.wasm', '.css', '.svg', '.webmanifest', '.json', '.txt']);

// The errors of the file system that mean the path names no file of the site.
const noSuchFile = new Set(['ENOENT', 'ENOTDIR', 'ENAMETOOLONG']);

// The file that a request's target names inside `root`, or the status that
// answers it: 400 when the path does not decode (a broken percent-encoding)
// or holds a NUL, 404 when it leads outside the site.
function sitePath(root, target) {
  let pathname;
  try {
    pathname = decodeURIComponent(new URL(target, 'http://localhost').pathname);
  } catch {
    return { status: 400 };
  }
  if (pathname.includes('\0')) return { status: 400 };
  const path = resolve(join(root, pathname));
  if (path !== root && !path.startsWith(root + sep)) return { status: 404 };
  return { path };
}

const plainAnswers = { 400: 'Bad request\n', 404: 'Not found\n', 500: 'Server error\n' };

function answerPlainly(response, status) {
  response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8' }).end(plainAnswers[status]);
}

// Serves `root` on 127.0.0.1:`port` (0: any free port). Resolves to the
// server, its URL and a count of the bytes written to every connection.
export function serve(root, port) {
  root = resolve(root);
  const kept = new Map(); // path -> { mtime, etag, bodies by encoding }
  const sockets = new Set();
  let written = 0;

  async function file(path) {
    const info = await stat(path);
    const known = kept.get(path);
    if (known && known.mtime === info.mtimeMs) return known;
    const body = await readFile(path);
    const entry = {
      mtime: info.mtimeMs,
      etag: '"' + createHash('sha256').update(body).digest('base64url').slice(0, 22) + '"',
      bodies: { identity: body },
    };
    if (compressible.has(extname(path))) {
      entry.bodies.gzip = gzipSync(body, { level: 9 });
      entry.bodies.br = brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } });
    }
    kept.set(path, entry);
    return entry;
  }

  const server = createServer(async (request, response) => {
    try {
      if (request.method !== 'GET' && request.method !== 'HEAD') {
        response.writeHead(405, { Allow: 'GET, HEAD' }).end();
        return;
      }
      const target = sitePath(root, request.url);
      if (target.status) {
        answerPlainly(response, target.status);
        return;
      }
      let path = target.path;
      if ((await stat(path)).isDirectory()) path = join(path, 'index.html');
      const entry = await file(path);
      const headers = {
        'Content-Type': types[extname(path)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
        ETag: entry.etag,
        'X-Content-Type-Options': 'nosniff',
      };
      if (entry.bodies.gzip) headers.Vary = 'Accept-Encoding';
      if (request.headers['if-none-match'] === entry.etag) {
        response.writeHead(304, headers).end();
        return;
      }
      const accepted = String(request.headers['accept-encoding'] || '');
      const encoding = ['br', 'gzip'].find((e) => entry.bodies[e] && new RegExp('\\b' + e + '\\b').test(accepted));
      const body = entry.bodies[encoding || 'identity'];
      if (encoding) headers['Content-Encoding'] = encoding;
      headers['Content-Length'] = body.length;
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch (error) {
      if (response.headersSent) response.destroy(); // too late for a status: the client sees the cut
      else answerPlainly(response, noSuchFile.has(error.code) ? 404 : 500);
    }
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => {
      written += socket.bytesWritten;
      sockets.delete(socket);
    });
  });

  return new Promise((resolveStarted, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      const { port: actual } = server.address();
      resolveStarted({
        server,
        url: `http://127.0.0.1:${actual}/`,
        // Bytes on the wire so far, headers included.
        bytesWritten: () => written + [...sockets].reduce((sum, s) => sum + s.bytesWritten, 0),
        // Stops at once, open connections included.
        close: () =>
          new Promise((done) => {
            server.close(done);
            for (const socket of sockets) socket.destroy();
          }),
      });
    });
  });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const root = process.argv[2];
  if (!root) {
    console.error('usage: node web/serve.mjs SITE_DIR   (PORT picks the port, 8080 by default)');
    process.exit(2);
  }
  const port = Number(process.env.PORT || 8080);
  serve(root, port)
    .then((site) => {
      console.log(`The calculator is served on ${site.url}  (Ctrl+C stops)`);
      // Started by the benchmark, in a process of its own: it asks for the bytes.
      if (process.send) {
        process.send({ url: site.url });
        process.on('message', () => process.send({ bytes: site.bytesWritten() }));
      }
    })
    .catch((error) => {
      console.error(`Cannot serve on port ${port}: ${error.message}`);
      process.exit(1);
    });
}
