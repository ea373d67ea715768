// What the page transferred, as a static host that compresses would send
// it: each response body as it is and through gzip -9.
import { gzipSync } from 'node:zlib';

// What a file of the site is, for the table: by its folder and extension.
export function fileKind(file) {
    const extension = file.slice(file.lastIndexOf('.') + 1).toLowerCase();
    if (extension === 'sf2') return 'sound font';
    if (file.startsWith('fonts/') && extension !== 'json') return 'font';
    if (file.startsWith('video/')) return 'video';
    const kinds = {
        wasm: 'wasm', js: 'JS', mjs: 'JS', bmp: 'picture', png: 'picture',
        wav: 'sound', mid: 'music', avi: 'video header', html: 'page', json: 'list', conf: 'list',
    };
    return kinds[extension] ?? 'other';
}

// One row per response: {file, kind, raw, gzipped} in bytes, largest first.
// `responses` is [{file, body}], a file once for every time it was sent.
export function transferRows(responses) {
    return responses
        .map(({ file, body }) => ({ file, kind: fileKind(file), raw: body.length, gzipped: gzipSync(body, { level: 9 }).length }))
        .sort((a, b) => b.gzipped - a.gzipped || a.file.localeCompare(b.file));
}

// The rows summed by kind, largest first, and over all: {kinds, total}.
export function transferTotals(rows) {
    const byKind = new Map();
    const total = { kind: 'total', files: 0, raw: 0, gzipped: 0 };
    for (const row of rows) {
        if (!byKind.has(row.kind)) byKind.set(row.kind, { kind: row.kind, files: 0, raw: 0, gzipped: 0 });
        for (const sum of [byKind.get(row.kind), total]) {
            sum.files += 1;
            sum.raw += row.raw;
            sum.gzipped += row.gzipped;
        }
    }
    return { kinds: [...byKind.values()].sort((a, b) => b.gzipped - a.gzipped), total };
}
