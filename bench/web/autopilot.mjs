// Plays the game screen as a person would, so that what the benchmark
// measures as play is play: without a player every crate escapes, and the
// game is over within 40 s of its start. The ship stays in its first column
// and goes to the row on which it catches the crate nearest to it; the
// rows it catches on are none of the laser rows. It looks at the screen's
// canvas a few times a second, reading only the rows it needs.
import { setTimeout as sleep } from 'node:timers/promises';

import { installSpriteReader } from '../../tests/web/game_page.mjs';

// The ship's rows: tops 1, 33, ..., 385; Down from the last wraps to the
// first and Up from the first to the last.
export const kFirstTop = 1;
export const kRowStep = 32;
export const kRows = 13;
const kShipLeft = 1;

// Each cargo lane: its crate's top, and the ship's top that catches it.
export const kLanes = [
    { crateTop: 35, catchTop: 33 },
    { crateTop: 67, catchTop: 65 },
    { crateTop: 100, catchTop: 97 },
    { crateTop: 163, catchTop: 161 },
    { crateTop: 195, catchTop: 193 },
    { crateTop: 293, catchTop: 289 },
    { crateTop: 323, catchTop: 321 },
    { crateTop: 356, catchTop: 353 },
];

// The crate is caught while its left edge is right of the ship's left edge.
const kCatchableLeft = kShipLeft + 1;
// Crates are looked for left of this; further right they wait behind the
// station.
const kLookWidth = 472;
// Often enough for the first levels, where a crate is within reach for
// 1 s or more, and seldom enough to cost the page little.
const kLookEveryMs = 400;

// The ship's top to go to for crates at `crateLefts` (a left edge per lane,
// null where none is seen): the row of the first to come within reach,
// or null when none is on its way.
export function targetTop(crateLefts) {
    let best = null;
    crateLefts.forEach((left, lane) => {
        if (left === null || left < kCatchableLeft) return;
        if (best === null || left < crateLefts[best]) best = lane;
    });
    return best === null ? null : kLanes[best].catchTop;
}

// The key and the number of presses that take the ship from one top to
// another the short way round.
export function pressesBetween(fromTop, toTop) {
    const from = Math.round((fromTop - kFirstTop) / kRowStep);
    const to = Math.round((toTop - kFirstTop) / kRowStep);
    const down = (to - from + kRows) % kRows;
    return down <= kRows - down ? { key: 'ArrowDown', count: down } : { key: 'ArrowUp', count: kRows - down };
}

// The left edges in `row` (RGBA, `width` pixels from the screen's left
// edge) at which the sprite row `pattern` (RGBA, its transparent colour
// `key` as [r, g, b]) is shown, its pixels outside the row not counted.
// Runs in the page too, so it uses nothing from outside.
export function spriteLefts(row, width, pattern, key) {
    const size = pattern.length / 4;
    const opaque = [];
    for (let i = 0; i < size; ++i) {
        const p = 4 * i;
        if (pattern[p] !== key[0] || pattern[p + 1] !== key[1] || pattern[p + 2] !== key[2]) opaque.push(i);
    }
    const found = [];
    for (let left = 1 - size; left < width; ++left) {
        let compared = 0;
        let same = 0;
        for (const i of opaque) {
            const x = left + i;
            if (x < 0 || x >= width) continue;
            ++compared;
            const p = 4 * i;
            const q = 4 * x;
            if (row[q] === pattern[p] && row[q + 1] === pattern[p + 1] && row[q + 2] === pattern[p + 2]) ++same;
            else if (compared - same > 1) break;
        }
        if (compared >= 8 && compared - same <= 1) found.push(left);
    }
    return found;
}

// In the page: of each sprite, the row with the most pixels of its own
// (not of its transparent colour), its place in the sprite and its width.
async function installSprites(page) {
    await installSpriteReader(page);
    await page.evaluate(`window.orbitroveAutopilot = { spriteLefts: ${spriteLefts.toString()} }`);
    await page.evaluate(async () => {
        const richestRow = async (file) => {
            const { width, height, data, key } = await window.orbitroveSprite(file);
            let best = { y: 0, count: -1 };
            for (let y = 0; y < height; ++y) {
                let count = 0;
                for (let x = 0; x < width; ++x) {
                    const p = 4 * (y * width + x);
                    if (data[p] !== key[0] || data[p + 1] !== key[1] || data[p + 2] !== key[2]) ++count;
                }
                if (count > best.count) best = { y, count };
            }
            return { width, y: best.y, row: data.slice(4 * width * best.y, 4 * width * (best.y + 1)), key };
        };
        const pilot = window.orbitroveAutopilot;
        pilot.ship = await richestRow('data/ship.bmp');
        pilot.crate = await richestRow('data/crate.bmp');
    });
}

// In the page: the ship's top (null when it is not in its column), looked
// for first where it was, and each lane's crate left edge (null when none
// is seen). Every read is one row: a look costs the page little.
function look(page, id, shipWas) {
    return page.evaluate(({ id, shipWas, lanes, shipLeft, tops, lookWidth }) => {
        const { ship, crate, spriteLefts } = window.orbitroveAutopilot;
        const context = document.querySelector(`canvas[data-window="${id}"]`).getContext('2d');
        const row = (left, y, width) => context.getImageData(left, y, width, 1).data;
        const shipAt = (top) => spriteLefts(row(shipLeft, top + ship.y, ship.width), ship.width, ship.row, ship.key).includes(0);
        const shipTop = [shipWas, ...tops].find((top) => top !== null && shipAt(top)) ?? null;
        const crates = lanes.map((lane) => {
            const lefts = spriteLefts(row(0, lane.crateTop + crate.y, lookWidth), lookWidth, crate.row, crate.key);
            return lefts.length ? lefts[0] : null;
        });
        return { shipTop, crates };
    }, { id, shipWas, lanes: kLanes, shipLeft: kShipLeft, tops: shipTops(), lookWidth: kLookWidth });
}

function shipTops() {
    return Array.from({ length: kRows }, (_, row) => kFirstTop + row * kRowStep);
}

// Starts playing the game screen `screen` (as shownWindows gives it). The
// returned object says how it has gone so far (played(): how often it
// looked, in how many looks a crate had moved since the look before, and
// the keys pressed); stop() ends it and says the same.
export async function startAutopilot(page, screen) {
    await installSprites(page);
    const played = { looks: 0, moving: 0, presses: 0 };
    let running = true;
    const loop = (async () => {
        let before = null;
        let shipWas = kFirstTop;
        while (running) {
            const { shipTop, crates } = await look(page, screen.id, shipWas);
            ++played.looks;
            if (before && crates.some((left, lane) => left !== null && left !== before[lane])) ++played.moving;
            before = crates;
            shipWas = shipTop;
            const top = targetTop(crates);
            if (shipTop !== null && top !== null && top !== shipTop) {
                const { key, count } = pressesBetween(shipTop, top);
                for (let i = 0; i < count; ++i) await page.keyboard.press(key);
                played.presses += count;
                shipWas = top;
            }
            await sleep(kLookEveryMs);
        }
    })();
    return {
        played: () => ({ ...played }),
        async stop() {
            running = false;
            await loop;
            return { ...played };
        },
    };
}
