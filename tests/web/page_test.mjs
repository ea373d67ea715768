// The game's page in headless Chromium at 1280 x 720 (scale 1): the title
// screen comes up centred on the page; "Přeskočit" skips the intro and the
// title then shows the native simulator's picture of the same state, pixel
// for pixel but for its text, which the canvas draws from the same fonts
// within a channel difference of 64 (measured: 15), and the page sleeps. Start, lit by the pointer, opens the
// game screen; the arrow keys move the ship a cell at a time; the quit
// icon's hint comes up below the pointer and goes when the pointer leaves
// the screen; a press on the icon holds the pointer until its release
// beside the screen; the quit icon ends the program and the page says so, with
// status 0, and sleeps; "Hrát znovu" there starts the page anew, and a key
// its start page.
// Usage (through tests/browser-run-test): page_test.mjs TITLE.bmp TEXT_RECTS_JSON
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import process from 'node:process';

import { withPage } from './browser.mjs';
import {
    clickAt, compareWithPicture, endStatus, kPatience, moveTo, onPage, pressStart, shownWindows, spriteMatch, staysIdle,
    theScreen,
} from './game_page.mjs';

const nativeTitle = readFileSync(process.argv[2]);
const textAreas = JSON.parse(process.argv[3]);

// One grid cell of the ship's moves, and its first cell.
const kCell = { x: 45, y: 32 };
const kFirstCell = { x: 1, y: 1 };

async function theTitle(page) {
    const title = await theScreen(page);
    assert.deepEqual(title.logical, { width: 632, height: 454 });
    assert.deepEqual([title.x, title.y, title.width, title.height], [324, 133, 632, 454], 'not centred on the page');
    return title;
}

// The text's pixels may differ this much from the native engine's.
const kTextTolerance = 64;

async function skipTheIntro(page, title) {
    await clickAt(page, title, 310, 436);
    const { differing, textDifference } = await compareWithPicture(page, title.id, nativeTitle, textAreas);
    assert.equal(differing, 0, 'the title differs from the native picture outside its text');
    assert.ok(textDifference <= kTextTolerance, `the title's text differs by ${textDifference}`);
    await staysIdle(page, 'the title screen');
}

async function startTheGame(page, title) {
    await moveTo(page, title, 548, 64);
    await clickAt(page, title, 548, 64);
    const game = await theScreen(page, title.id);
    assert.deepEqual(game.logical, { width: 632, height: 446 });
    assert.deepEqual([game.x, game.y], [324, 137], 'the game screen is not centred');
    return game;
}

// The level's banner takes the keys for its first seconds: Down is pressed
// until the ship has left its first cell (a key is handled before the press
// returns), then it must be one cell lower, and Right one cell right.
async function moveTheShip(page, game) {
    const at = (cell) => spriteMatch(page, game.id, 'data/ship.bmp', cell.x, cell.y);
    assert.ok((await at(kFirstCell)) > 0.95, 'no ship in its first cell');
    const deadline = Date.now() + kPatience;
    while ((await at(kFirstCell)) > 0.95) {
        assert.ok(Date.now() < deadline, 'Down never moved the ship');
        await page.keyboard.press('ArrowDown');
        await page.waitForTimeout(100);
    }
    const below = { x: kFirstCell.x, y: kFirstCell.y + kCell.y };
    assert.ok((await at(below)) > 0.95, 'the ship is not one cell lower');
    await page.keyboard.press('ArrowRight');
    assert.ok((await at({ x: below.x + kCell.x, y: below.y })) > 0.95, 'Right did not move the ship a cell');
}

// The hint of the control at (x, y) of the game screen, once it shows.
async function hintAt(page, game, x, y) {
    await moveTo(page, game, x, y);
    await page.waitForSelector('canvas.orbitrove-tip:not([hidden])', { timeout: kPatience });
    const [tip] = await shownWindows(page, 'tip');
    return tip;
}

// A press on the quit icon keeps the pointer in the game screen: the
// release on the dark page beside it reaches the screen, which lets go of
// the icon without quitting, so the pause icon's own hint comes next (a
// screen that never heard the release would still hold the quit icon).
async function pressHoldsThePointer(page, game, quitHint) {
    await moveTo(page, game, 14, 434);
    await page.mouse.down();
    await page.mouse.move(game.x - 100, game.y + 434);
    await page.mouse.up();
    const pauseHint = await hintAt(page, game, 38, 434);
    assert.notEqual(pauseHint.width, quitHint.width, "the pause icon shows the quit icon's hint");
    assert.ok(await page.isHidden('#ended'), 'a release off the quit icon quit');
}

async function hintOfTheQuitIcon(page, game) {
    const tip = await hintAt(page, game, 14, 434);
    const pointer = onPage(game, 14, 434);
    assert.equal(tip.y, Math.floor(pointer.y) + 20, 'the hint is not 20 pixels below the pointer');
    assert.ok(tip.layer > game.layer, 'the hint is under the screen');
    await page.mouse.move(pointer.x, 700);
    await page.waitForSelector('canvas.orbitrove-tip', { state: 'detached', timeout: kPatience });
    return tip;
}

await withPage('', async (page) => {
    await pressStart(page);
    const title = await theTitle(page);
    await skipTheIntro(page, title);
    const game = await startTheGame(page, title);
    await moveTheShip(page, game);
    const quitHint = await hintOfTheQuitIcon(page, game);
    await pressHoldsThePointer(page, game, quitHint);
    await clickAt(page, game, 14, 434);
    assert.equal(await endStatus(page), 0);
    assert.ok(await page.isVisible('text=Orbitrove has ended'));
    await staysIdle(page, 'the ended page');
    await page.click('text=Hrát znovu');
    // The start page again, which a key starts as well as a click.
    await page.waitForSelector('#orbitrove-start:not([hidden])', { timeout: kPatience });
    await page.keyboard.press('Enter');
    await page.waitForSelector('#orbitrove-start', { state: 'detached', timeout: kPatience });
    await theTitle(page);
});
console.log('page test passed');
