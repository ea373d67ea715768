// The web benchmark's tables, laid out as the native benchmarks' are: a
// label, the value with `*` when it misses its target, and the target.

const kLabel = 48;
const kValue = 12;

export const kMegabyte = 1e6;

export function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// One figure: `target` is [text, met(value)] or absent.
export function figureLine(label, value, decimals, target) {
    const [text, met] = target ?? ['', () => true];
    const cell = value.toFixed(decimals) + (met(value) ? ' ' : '*');
    return `${label.padEnd(kLabel)}${cell.padStart(kValue)}   ${text}`.trimEnd();
}

const level = (decibels) => (Number.isFinite(decibels) ? decibels.toFixed(1) : 'silent');
const kilobytes = (bytes) => (bytes / 1000).toFixed(1);

// Every response the page got, then the sums by kind and over all (kB).
export function transferTable(rows, totals) {
    const line = (name, kind, raw, gzipped) =>
        `${name.padEnd(38)}${kind.padEnd(14)}${String(raw).padStart(11)}${String(gzipped).padStart(13)}`;
    return [
        line('file', 'kind', 'raw kB', 'gzip -9 kB'),
        ...rows.map((row) => line(row.file, row.kind, kilobytes(row.raw), kilobytes(row.gzipped))),
        '',
        ...totals.kinds.map((sum) => line(`${sum.files} file${sum.files > 1 ? 's' : ''}`, sum.kind,
            kilobytes(sum.raw), kilobytes(sum.gzipped))),
        line(`${totals.total.files} responses`, 'total', kilobytes(totals.total.raw), kilobytes(totals.total.gzipped)),
    ];
}

// CPU of each phase by kind of Chromium process (% of one core): the
// renderer and audio service together against `target`, the others apart.
export function cpuTable(phases, target) {
    const kinds = ['renderer', 'audio', 'gpu', 'browser'];
    const head = `${'phase'.padEnd(24)}${kinds.map((kind) => kind.padStart(10)).join('')}` +
        `${'others'.padStart(10)}${'r + a'.padStart(10)}${'music dBFS'.padStart(12)}   target`;
    const rows = phases.map(({ name, cpu: { kinds: shares }, musicLevel, checked }) => {
        const known = kinds.map((kind) => shares[kind] ?? 0);
        const others = Object.entries(shares).filter(([kind]) => !kinds.includes(kind))
            .reduce((sum, [, share]) => sum + share, 0);
        const both = (shares.renderer ?? 0) + (shares.audio ?? 0);
        const [text, met] = checked ? target : ['', () => true];
        const cells = [...known, others].map((share) => share.toFixed(2).padStart(10)).join('');
        const bothCell = both.toFixed(2) + (met(both) ? ' ' : '*');
        return `${name.padEnd(24)}${cells}${bothCell.padStart(10)}${level(musicLevel).padStart(11)}    ${text}`
            .trimEnd();
    });
    return [head, ...rows];
}

// The threads that used at least 0.1 % of a core in a phase, busiest in the
// last phase first, with their share in each phase.
export function threadTable(phases) {
    const share = (phase, thread) => phase.cpu.threads[thread] ?? 0;
    const last = phases[phases.length - 1];
    const threads = [...new Set(phases.flatMap((phase) => Object.keys(phase.cpu.threads)))]
        .filter((thread) => phases.some((phase) => share(phase, thread) >= 0.1))
        .sort((a, b) => share(last, b) - share(last, a) || a.localeCompare(b));
    const head = `${'thread'.padEnd(32)}${phases.map((phase) => phase.name.padStart(20)).join('')}`;
    return [head, ...threads.map((thread) =>
        `${thread.padEnd(32)}${phases.map((phase) => share(phase, thread).toFixed(2).padStart(20)).join('')}`)];
}
