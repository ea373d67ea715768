// The browser build's size and speed, in Debian's headless Chromium on this
// machine (bench/README.md, "The game in the browser"): what the page
// transfers until the game is in play, as it is and gzipped; how soon the
// start page shows and the intro's first picture and sound follow the
// press; the CPU of Chromium's processes on the title and in play (the
// game played by bench/web/autopilot.mjs).
// Usage: node bench/web/web_bench.mjs [--seconds N] [--loads N] [SITE]
// (SITE: build-web/site, which `make web` builds).
import { readFileSync } from 'node:fs';
import { loadavg, availableParallelism } from 'node:os';
import path from 'node:path';
import process from 'node:process';
import { parseArgs } from 'node:util';

import { launchChromium } from '../../tests/web/browser.mjs';
import { clickAt, moveTo, pressStart, shownWindows, theScreen } from '../../tests/web/game_page.mjs';
import { serveFolder } from '../../tests/web/serve.mjs';
import { startAutopilot } from './autopilot.mjs';
import { chromiumProcesses, cpuReading, cpuShares } from './chromium_cpu.mjs';
import { firstSoundTime, installTimingProbe, timesOnceSet } from './page_timing.mjs';
import { cpuTable, figureLine, kMegabyte, median, threadTable, transferTable } from './report.mjs';
import { transferRows, transferTotals } from './transfer.mjs';

// The title screen's start button, which opens the game screen.
const kStartButton = { x: 548, y: 64 };
// The intro covers the title, start button included, for its first 8 s.
const kIntroMs = 9000;
// Before play is measured: the game screen's first seconds and the level's
// banner (3 s), after which the crates fly.
const kSettleMs = 4000;
// The share of the autopilot's looks in the phase that must see crates
// move for it to have been play: after a game over none do, in play more
// than half (a banner between levels stops them for 3 s, and a crate just
// launched is behind the station for 4 s).
const kInPlayShare = 0.25;

function options() {
    const { values, positionals } = parseArgs({
        options: { seconds: { type: 'string', default: '30' }, loads: { type: 'string', default: '5' } },
        allowPositionals: true,
    });
    const positive = (name) => {
        const value = Number(values[name]);
        if (!(value > 0)) throw new Error(`--${name} wants a positive number, not '${values[name]}'`);
        return value;
    };
    return { seconds: positive('seconds'), loads: Math.round(positive('loads')), site: positionals[0] ?? 'build-web/site' };
}

// One load in a fresh browser context (nothing cached): the start page's
// time from the navigation, the first picture's and sound's from the press.
async function timeOneLoad(browser, address) {
    const context = await browser.newContext();
    try {
        const page = await context.newPage();
        await installTimingProbe(page);
        await page.goto(address);
        await timesOnceSet(page, 'startShown');
        await page.click('#orbitrove-start button');
        const times = await timesOnceSet(page, 'firstPicture');
        const sound = await firstSoundTime(page);
        return { startShown: times.startShown, picture: times.firstPicture - times.pressed, sound: sound - times.pressed };
    } finally {
        await context.close();
    }
}

// The level (dBFS) of what the page's sounds give, over about 0.7 s, read
// by a node added only now so that it costs nothing while CPU is measured.
async function musicLevel(page) {
    return page.evaluate(async () => {
        const { context, output } = window.Module.orbitroveAudio;
        const analyser = new AnalyserNode(context, { fftSize: 32768 });
        output.connect(analyser);
        await new Promise((resolve) => setTimeout(resolve, 1000));
        const samples = new Float32Array(analyser.fftSize);
        analyser.getFloatTimeDomainData(samples);
        output.disconnect(analyser);
        return 10 * Math.log10(samples.reduce((sum, value) => sum + value * value, 0) / samples.length);
    });
}

// CPU of every Chromium process of this program over `seconds`, by kind of
// process and by thread: {kinds, threads}.
async function measureCpu(page, seconds) {
    const before = cpuReading(chromiumProcesses());
    const startedAt = performance.now();
    await page.waitForTimeout(seconds * 1000);
    const after = cpuReading(chromiumProcesses());
    const elapsed = (performance.now() - startedAt) / 1000;
    return {
        kinds: cpuShares(before.processes, after.processes, elapsed),
        threads: cpuShares(before.threads, after.threads, elapsed),
    };
}

// The title with its intro, then the game: CPU in each, and the files the
// page fetched by the time the game is in play.
async function playTheGame(browser, address, seconds, served) {
    const page = await browser.newPage();
    try {
        await page.goto(address);
        await pressStart(page);
        const title = await theScreen(page);
        const titleShown = Date.now();
        const titleCpu = await measureCpu(page, seconds);
        const titleLevel = await musicLevel(page);
        await page.waitForTimeout(Math.max(0, titleShown + kIntroMs - Date.now()));
        await moveTo(page, title, kStartButton.x, kStartButton.y);
        await clickAt(page, title, kStartButton.x, kStartButton.y);
        const game = await theScreen(page, title.id);
        const autopilot = await startAutopilot(page, game);
        await page.waitForTimeout(kSettleMs);
        const fetched = [...served];
        const before = autopilot.played();
        const playCpu = await measureCpu(page, seconds);
        const after = autopilot.played();
        const playLevel = await musicLevel(page);
        await autopilot.stop();
        // Its looks while play was measured; the banner's are not of play.
        const played = Object.fromEntries(Object.keys(after).map((key) => [key, after[key] - before[key]]));
        const gameLeft = !(await shownWindows(page)).some((shown) => shown.id === game.id);
        return {
            fetched,
            gameLeft,
            played,
            phases: [
                { name: 'title, intro music', cpu: titleCpu, musicLevel: titleLevel, checked: false },
                { name: 'play', cpu: playCpu, musicLevel: playLevel, checked: true },
            ],
        };
    } finally {
        await page.close();
    }
}

function machine() {
    return `${new Date().toUTCString()}, ${availableParallelism()} CPUs, load average ${loadavg()[0].toFixed(2)}`;
}

const printed = (lines) => console.log(lines.map((line) => `    ${line}`.trimEnd()).join('\n'));
const within = (limit) => [`<= ${limit}`, (value) => value <= limit];

// Every response of the play run, by file and by kind; the figures.
function printReport(root, timed, play, seconds) {
    const bodies = new Map();
    const body = (file) => bodies.get(file) ?? bodies.set(file, readFileSync(path.join(root, file))).get(file);
    const rows = transferRows(play.fetched.map((file) => ({ file, body: body(file) })));
    const totals = transferTotals(rows);
    console.log('Fetched by the page until the game was in play:');
    printed(transferTable(rows, totals));

    const series = (field) => timed.map((load) => load[field]);
    const list = (field) => series(field).map((value) => value.toFixed(0)).join(' ');
    console.log(`\nLoads (ms): start page ${list('startShown')}; picture ${list('picture')}; sound ${list('sound')}\n`);
    printed([
        figureLine('transferred until play, gzip -9 (MB)', totals.total.gzipped / kMegabyte, 2, within(4)),
        figureLine('transferred until play, raw (MB)', totals.total.raw / kMegabyte, 2),
        figureLine(`start page shown, median of ${timed.length} (ms)`, median(series('startShown')), 0, within(1000)),
        figureLine('start page shown, slowest (ms)', Math.max(...series('startShown')), 0),
        figureLine('first picture after the press, median (ms)', median(series('picture')), 0, within(1000)),
        figureLine('first sound after the press, median (ms)', median(series('sound')), 0, within(1000)),
        '',
        `CPU, % of one core, ${seconds} s a phase:`,
        ...cpuTable(play.phases, within(8)),
        '* misses its target',
        '',
        'CPU by thread, % of one core (threads of a name summed):',
        ...threadTable(play.phases),
    ]);
    const { looks, moving, presses } = play.played;
    console.log(`\nWhile play was measured the autopilot looked ${looks} times (crates had moved at ${moving}) and pressed ${presses} keys.`);
    if (play.gameLeft) console.log('The game screen was gone at the end of play: its figure is not of play.');
    if (moving < kInPlayShare * looks) console.log('The crates stood still in more than three looks in four: the game was over, and the figure is not of play.');
}

async function main() {
    const { seconds, loads, site } = options();
    const root = path.resolve(site);
    const served = [];
    const { server, address } = await serveFolder(root, (file) => served.push(path.relative(root, file)));
    console.log(`Orbitrove in headless Chromium, ${address} serving ${site}`);
    console.log(`start: ${machine()}`);
    const browser = await launchChromium();
    try {
        const timed = [];
        for (let i = 0; i < loads; ++i) timed.push(await timeOneLoad(browser, address));
        served.length = 0;
        const play = await playTheGame(browser, address, seconds, served);
        console.log(`end:   ${machine()}\n`);
        printReport(root, timed, play, seconds);
    } finally {
        await browser.close();
        server.closeAllConnections();
        server.close();
    }
}

await main();
