// The web benchmark's arithmetic, without a browser: reading /proc's
// process lines and Chromium's arguments, CPU shares by kind of process,
// the transfer sums and the report's marks; the autopilot's choices.
import assert from 'node:assert/strict';
import { randomBytes } from 'node:crypto';
import process from 'node:process';
import { describe, test } from 'node:test';

import { kFirstTop, kLanes, kRowStep, kRows, pressesBetween, spriteLefts, targetTop } from '../../../bench/web/autopilot.mjs';
import { commandArgs, cpuReading, cpuShares, kTicksPerSecond, parseStat, processKind } from '../../../bench/web/chromium_cpu.mjs';
import { cpuTable, figureLine, median, threadTable } from '../../../bench/web/report.mjs';
import { fileKind, transferRows, transferTotals } from '../../../bench/web/transfer.mjs';

// A /proc/PID/stat line with the given name, parent and times.
function statLine(pid, name, ppid, utime, stime) {
    const middle = Array(9).fill('0').join(' '); // pgrp .. cmajflt
    return `${pid} (${name}) S ${ppid} ${middle} ${utime} ${stime} 0 0 20 0 24 0 1234 5678\n`;
}

describe('process lines', () => {
    test('the fields come after the name, whatever it holds', () => {
        assert.deepEqual(parseStat(statLine(4242, 'chromium', 17, 150, 25)),
            { pid: 4242, name: 'chromium', ppid: 17, ticks: 175 });
        assert.deepEqual(parseStat(statLine(9, 'Web (Content) 2', 3, 7, 1)),
            { pid: 9, name: 'Web (Content) 2', ppid: 3, ticks: 8 });
    });

    test('a reading of this process: its time as the kernel counts it, and its threads\'', () => {
        const start = process.cpuUsage();
        const spent = () => {
            const used = process.cpuUsage(start);
            return used.user + used.system;
        };
        while (spent() < 200000); // 0.2 s of CPU, so that the times are well above a tick
        const { processes, threads } = cpuReading([{ pid: process.pid, kind: 'node' }]);
        const used = process.cpuUsage();
        const ticks = ((used.user + used.system) / 1e6) * kTicksPerSecond;
        const own = processes.get(`${process.pid}`);
        assert.equal(own.group, 'node');
        assert.ok(Math.abs(own.ticks - ticks) <= 2, `${own.ticks} ticks against ${ticks} from getrusage`);
        assert.equal(threads.get(`${process.pid}/${process.pid}`).group, 'node: main');
        const all = [...threads.values()].reduce((sum, thread) => sum + thread.ticks, 0);
        assert.ok(all <= own.ticks + threads.size && all >= own.ticks - threads.size, `threads ${all}, process ${own.ticks}`);
    });

    test('a line without a name is refused', () => {
        assert.throws(() => parseStat('12 S 1 0'));
    });
});

describe('Chromium processes', () => {
    const kind = (cmdline) => processKind(commandArgs(cmdline));

    test('the browser has no type; its children say theirs', () => {
        assert.equal(kind('/usr/lib/chromium/chromium\0--headless\0--no-sandbox\0'), 'browser');
        assert.equal(kind('/usr/lib/chromium/chromium\0--type=renderer\0--lang=en-US\0'), 'renderer');
        assert.equal(kind('/usr/lib/chromium/chromium\0--type=gpu-process\0'), 'gpu');
        assert.equal(kind('/usr/lib/chromium/chromium\0--type=zygote\0'), 'zygote');
        assert.equal(kind('/usr/lib/chromium/chromium\0--type=renderer\0--top-chrome-webui\0'), 'webui');
    });

    test('utility processes are told apart by their service; the audio service is "audio"', () => {
        assert.equal(kind('chromium\0--type=utility\0--utility-sub-type=audio.mojom.AudioService\0'), 'audio');
        assert.equal(kind('chromium\0--type=utility\0--utility-sub-type=network.mojom.NetworkService\0'),
            'network.mojom.NetworkService');
        assert.equal(kind('chromium\0--type=utility\0'), 'utility');
    });

    test('a title rewritten into one string of arguments is read as well', () => {
        const title = '/usr/lib/chromium/chromium --type=utility --utility-sub-type=audio.mojom.AudioService ' +
            '--enable-crash-reporter=,built on Debian GNU/Linux 12 (bookworm) --noerrdialogs\0';
        assert.equal(kind(title), 'audio');
        assert.equal(kind('/usr/lib/chromium/chromium --type=renderer --enable-crash-reporter=,built on x\0'), 'renderer');
        assert.equal(commandArgs(title)[0], '/usr/lib/chromium/chromium');
    });
});

describe('CPU shares', () => {
    const seconds = 10;
    const percent = (ticks) => (100 * ticks) / kTicksPerSecond / seconds;
    const reading = (entries) => new Map(entries.map(([key, group, ticks]) => [key, { group, ticks }]));

    test('what is of a group is summed, each over what it used between the readings', () => {
        const before = reading([['1', 'renderer', 100], ['2', 'renderer', 50], ['3', 'audio', 1000], ['4', 'gpu', 7]]);
        const after = reading([['1', 'renderer', 160], ['2', 'renderer', 70], ['3', 'audio', 1010], ['4', 'gpu', 7],
            ['5', 'audio', 30]]);
        const shares = cpuShares(before, after, seconds);
        assert.equal(Object.keys(shares).length, 3);
        assert.ok(Math.abs(shares.renderer - percent(80)) < 1e-9);
        // The second audio process started meanwhile: all its time counts.
        assert.ok(Math.abs(shares.audio - percent(40)) < 1e-9);
        assert.equal(shares.gpu, 0);
    });

    test('what is gone at the second reading is left out', () => {
        assert.deepEqual(cpuShares(reading([['1', 'renderer', 100]]), new Map(), seconds), {});
    });
});

describe('transfer', () => {
    test('the site\'s files by kind', () => {
        const kinds = {
            'orbitrove.wasm': 'wasm', 'orbitrove.js': 'JS', 'sound/music_worklet.js': 'JS',
            'sound/TimGM6mb.sf2': 'sound font', 'fonts/OCRA.ttf': 'font', 'fonts/KaushanScript-Regular.otf': 'font',
            'fonts/fonts.json': 'list', 'files.json': 'list', 'video/intro.webm': 'video',
            'data/intro.avi': 'video header', 'data/space.bmp': 'picture', 'icon.png': 'picture',
            'data/laser.wav': 'sound', 'data/song.mid': 'music', 'index.html': 'page', 'LICENSE': 'other',
        };
        for (const [file, kind] of Object.entries(kinds)) assert.equal(fileKind(file), kind, file);
    });

    const zeros = Buffer.alloc(100000);
    const noise = randomBytes(5000);
    const rows = transferRows([
        { file: 'data/space.bmp', body: zeros },
        { file: 'sound/TimGM6mb.sf2', body: noise },
        { file: 'icon.png', body: noise },
        { file: 'icon.png', body: noise },
    ]);

    test('each response is a row of its own, its body as sent and gzipped', () => {
        assert.equal(rows.length, 4);
        const space = rows.find((row) => row.file === 'data/space.bmp');
        assert.equal(space.raw, 100000);
        assert.ok(space.gzipped < 1000, `zeros gzipped to ${space.gzipped} bytes`);
        for (const row of rows.filter((row) => row.file !== 'data/space.bmp')) {
            assert.equal(row.raw, 5000);
            assert.ok(row.gzipped >= 5000, 'noise cannot shrink');
        }
        assert.deepEqual(rows.map((row) => row.gzipped), [...rows.map((row) => row.gzipped)].sort((a, b) => b - a));
    });

    test('the sums by kind and over all count every response', () => {
        const { kinds, total } = transferTotals(rows);
        const pictures = kinds.find((sum) => sum.kind === 'picture');
        assert.equal(pictures.files, 3);
        assert.equal(pictures.raw, 110000);
        assert.equal(total.files, 4);
        assert.equal(total.raw, 115000);
        assert.equal(total.gzipped, rows.reduce((sum, row) => sum + row.gzipped, 0));
        assert.deepEqual(kinds.map((sum) => sum.kind), ['picture', 'sound font']);
    });
});

describe('report', () => {
    const within = (limit) => [`<= ${limit}`, (value) => value <= limit];

    test('a figure that misses its target is marked, one on it is not', () => {
        assert.match(figureLine('gzip (MB)', 7.84, 2, within(4)), /7\.84\*\s+<= 4$/);
        assert.match(figureLine('gzip (MB)', 4, 2, within(4)), /4\.00 \s+<= 4$/);
        assert.match(figureLine('raw (MB)', 11.84, 2), /^raw \(MB\)\s+11\.84$/);
    });

    test('the median of an odd and an even count', () => {
        assert.equal(median([5, 1, 3]), 3);
        assert.equal(median([4, 1, 3, 2]), 2.5);
    });

    const phase = (name, kinds, threads, musicLevel, checked) => ({ name, cpu: { kinds, threads }, musicLevel, checked });

    test('CPU: renderer and audio together against the target, other kinds summed apart', () => {
        const [, title, play] = cpuTable([
            phase('title', { renderer: 20, audio: 1 }, {}, -36, false),
            phase('play', { renderer: 7, audio: 1.5, gpu: 1, zygote: 0.25, network: 0.5 }, {}, -Infinity, true),
        ], within(8));
        assert.match(title, /21\.00 \s+-36\.0$/);
        const cells = play.split(/\s+/);
        assert.deepEqual(cells.slice(1, 6), ['7.00', '1.50', '1.00', '0.00', '0.75']);
        assert.equal(cells[6], '8.50*');
        assert.equal(cells[7], 'silent');
    });

    test('threads: those busy in any phase, the busiest in the last phase first', () => {
        const [, ...rows] = threadTable([
            phase('title', {}, { 'renderer: Media': 3, 'renderer: idle': 0.05, 'gpu: Viz': 0.5 }, 0, false),
            phase('play', {}, { 'renderer: main': 4, 'gpu: Viz': 2, 'renderer: idle': 0.09 }, 0, true),
        ]);
        assert.deepEqual(rows.map((row) => row.split(/\s{2,}/)), [
            ['renderer: main', '0.00', '4.00'],
            ['gpu: Viz', '0.50', '2.00'],
            ['renderer: Media', '3.00', '0.00'],
        ]);
    });
});

describe('autopilot', () => {
    const unseen = Array(kLanes.length).fill(null);
    const crates = (lefts) => Object.assign([...unseen], lefts);

    test('the ship goes to the row of the crate that comes within reach first', () => {
        assert.equal(targetTop(crates({ 2: 300, 6: 120, 7: 400 })), kLanes[6].catchTop);
        // A crate at the ship's left edge has gone past it; the next counts.
        assert.equal(targetTop(crates({ 0: 1, 3: 250 })), kLanes[3].catchTop);
        assert.equal(targetTop(crates({ 0: 2, 3: 250 })), kLanes[0].catchTop);
        assert.equal(targetTop(unseen), null);
    });

    test('no row that catches is a laser row', () => {
        const laserRows = [1, 129, 225, 385];
        for (const { catchTop } of kLanes) {
            assert.ok(!laserRows.includes(catchTop), `${catchTop} is a laser row`);
            assert.equal((catchTop - kFirstTop) % kRowStep, 0, `${catchTop} is not a row of the ship`);
        }
    });

    test('the keys take the short way round the rows, over the wrap too', () => {
        const top = (row) => kFirstTop + row * kRowStep;
        assert.deepEqual(pressesBetween(top(1), top(4)), { key: 'ArrowDown', count: 3 });
        assert.deepEqual(pressesBetween(top(4), top(1)), { key: 'ArrowUp', count: 3 });
        assert.deepEqual(pressesBetween(top(11), top(1)), { key: 'ArrowDown', count: 3 });
        assert.deepEqual(pressesBetween(top(0), top(kRows - 1)), { key: 'ArrowUp', count: 1 });
        assert.deepEqual(pressesBetween(top(5), top(5)), { key: 'ArrowDown', count: 0 });
    });

    // A row of RGBA pixels of one colour, with `pattern` drawn at `left`.
    function rowWith(width, background, pattern, left) {
        const row = new Uint8ClampedArray(4 * width);
        for (let x = 0; x < width; ++x) row.set(background, 4 * x);
        for (let i = 0; i < pattern.length / 4; ++i) {
            const x = left + i;
            const pixel = pattern.subarray(4 * i, 4 * i + 4);
            if (x >= 0 && x < width && pixel[0] !== 0) row.set(pixel, 4 * x);
        }
        return row;
    }
    // A sprite row: transparent black, with twelve grey and white pixels.
    const pattern = new Uint8ClampedArray(4 * 20);
    for (const i of [1, 2, 3, 5, 8, 9, 10, 11, 14, 15, 17, 18]) pattern.set(i % 2 ? [255, 255, 255, 255] : [128, 128, 128, 255], 4 * i);

    test('a sprite row is found wherever it is shown, partly off the row too', () => {
        const background = [0, 0, 40, 255];
        for (const left of [0, 37, 80, -5, 88]) {
            assert.deepEqual(spriteLefts(rowWith(100, background, pattern, left), 100, pattern, [0, 0, 0]), [left]);
        }
        // Too little of it on the row to tell it from the background.
        assert.deepEqual(spriteLefts(rowWith(100, background, pattern, 95), 100, pattern, [0, 0, 0]), []);
    });

    test('the transparent pixels show whatever is behind them, and one pixel may differ', () => {
        const row = rowWith(100, [90, 20, 20, 255], pattern, 30);
        assert.deepEqual(spriteLefts(row, 100, pattern, [0, 0, 0]), [30]);
        row.set([1, 2, 3, 255], 4 * (30 + 8));
        assert.deepEqual(spriteLefts(row, 100, pattern, [0, 0, 0]), [30]);
        row.set([1, 2, 3, 255], 4 * (30 + 9));
        assert.deepEqual(spriteLefts(row, 100, pattern, [0, 0, 0]), []);
    });
});
