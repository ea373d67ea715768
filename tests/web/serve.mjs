// Serves one folder on a free port of the loopback interface and prints its
// address; the browser tests' own server, so they need no other. The web
// benchmark imports serveFolder to learn what the page fetched.
// Usage: node serve.mjs FOLDER
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import path from 'node:path';
import process from 'node:process';
import { pathToFileURL } from 'node:url';

// What the site holds; a browser refuses a module or a wasm stream with
// another type.
const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.json': 'application/json',
    '.css': 'text/css; charset=utf-8',
    '.ttf': 'font/ttf',
    '.otf': 'font/otf',
    '.bmp': 'image/bmp',
    '.png': 'image/png',
    '.webm': 'video/webm',
    '.wav': 'audio/wav',
    '.mid': 'audio/midi',
    '.sf2': 'application/octet-stream',
    '.conf': 'text/plain; charset=utf-8',
    '.txt': 'text/plain; charset=utf-8',
};

// The file a request names, never outside the root; null when there is none.
async function fileFor(root, url) {
    let name;
    try {
        name = decodeURIComponent(new URL(url, 'http://localhost').pathname);
    } catch {
        return null;
    }
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(root, path.normalize(name));
    if (file !== root && !file.startsWith(root + path.sep)) return null;
    const info = await stat(file).catch(() => null);
    return info?.isFile() ? { file, size: info.size } : null;
}

// Serves `folder`; `sent(file, size)` hears of every file whose whole body
// was sent (not of a HEAD). Resolves to the server and its address.
export function serveFolder(folder, sent = () => {}) {
    const root = path.resolve(folder);
    const server = createServer(async (request, response) => {
        const found = request.method === 'GET' || request.method === 'HEAD' ? await fileFor(root, request.url) : null;
        if (!found) {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
            return;
        }
        const type = kTypes[path.extname(found.file).toLowerCase()] ?? 'application/octet-stream';
        response.writeHead(200, { 'Content-Type': type, 'Content-Length': found.size, 'Cache-Control': 'no-store' });
        if (request.method === 'HEAD') {
            response.end();
            return;
        }
        response.on('finish', () => sent(found.file, found.size));
        createReadStream(found.file).pipe(response);
    });
    return new Promise((resolve) => {
        server.listen(0, '127.0.0.1', () => resolve({ server, address: `http://127.0.0.1:${server.address().port}/` }));
    });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const { server, address } = await serveFolder(process.argv[2] ?? '.');
    console.log(address);
    for (const signal of ['SIGTERM', 'SIGINT']) process.on(signal, () => server.close(() => process.exit(0)));
}
