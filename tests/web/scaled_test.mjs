// The game's page in a 1920 x 1200 browser window: the largest whole scale
// at which 640 x 480 fit is 2, so the title screen's canvas keeps its 632 x
// 454 pixels and is shown twice that size, crisp, centred; a click at the
// doubled place of "Přeskočit" skips the intro (the pointer's places are
// divided back), and what the page then shows is the canvas, each of its
// pixels a sharp 2 x 2 square. F11 shows the screen fullscreen over a dark
// cover and Escape leaves it; Alt+Enter enters it again, though a stale
// switch event comes in between, and F11 leaves it.
// In a page whose edge the screen touches, a hint goes when the pointer
// leaves the page. Usage (through tests/browser-run-test): scaled_test.mjs TITLE.bmp TEXT_RECTS_JSON
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import process from 'node:process';

import { withPage } from './browser.mjs';
import {
    clickAt, compareWithPicture, differingOnPage, kPatience, moveTo, pressStart, shownWindows, theScreen,
} from './game_page.mjs';

const nativeTitle = readFileSync(process.argv[2]);
const textAreas = JSON.parse(process.argv[3]);

async function fullscreen(page) {
    return page.evaluate(() => !!document.fullscreenElement);
}

async function coverShown(page) {
    return page.evaluate(() => {
        const cover = document.querySelector('.orbitrove-cover');
        return !!cover && !cover.hidden;
    });
}

// Waits until the page is (or is not) fullscreen with the title above the
// cover. The page follows the switch once the browser has told it, at the
// program's next turn, which on a busy machine comes a while after.
async function switched(page, into, how) {
    await page.waitForFunction((into) => !!document.fullscreenElement === into, into, { timeout: kPatience });
    const deadline = Date.now() + kPatience;
    let cover;
    let title;
    do {
        if (cover !== undefined) await page.waitForTimeout(50);
        cover = await coverShown(page);
        [title] = await shownWindows(page);
    } while ((cover !== into || title.layer > 1000 !== into) && Date.now() < deadline);
    assert.equal(cover, into, `${how}: the cover`);
    assert.equal(title.layer > 1000, into, `${how}: the screen's layer`);
}

await withPage('', async (page) => {
    await page.setViewportSize({ width: 1920, height: 1200 });
    await page.reload();
    await pressStart(page);
    const title = await theScreen(page);
    assert.deepEqual(title.logical, { width: 632, height: 454 });
    assert.deepEqual([title.x, title.y, title.width, title.height], [328, 146, 1264, 908]);
    assert.equal(title.rendering, 'pixelated');
    await clickAt(page, title, 310, 436);
    const { differing } = await compareWithPicture(page, title.id, nativeTitle, textAreas);
    assert.equal(differing, 0, 'the intro was not skipped');
    assert.equal(await differingOnPage(page, title), 0, 'the page does not show the canvas crisp at twice its size');

    await page.keyboard.press('F11');
    await switched(page, true, 'F11');
    await page.keyboard.press('Escape');
    await switched(page, false, 'Escape');
    // An earlier switch's event coming while Alt+Enter's request is under
    // way, as Escape's exit may on a busy machine.
    await page.evaluate(() => document.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' && event.altKey)
            setTimeout(() => document.dispatchEvent(new Event('fullscreenchange')));
    }));
    await page.keyboard.down('Alt');
    await page.keyboard.press('Enter');
    await page.keyboard.up('Alt');
    await switched(page, true, 'Alt+Enter');
    await page.keyboard.press('F11');
    await switched(page, false, 'F11 again');
    assert.ok(!(await fullscreen(page)));
});

await withPage('', async (page) => {
    await page.setViewportSize({ width: 632, height: 454 });
    await page.reload();
    await pressStart(page);
    const title = await theScreen(page);
    await clickAt(page, title, 310, 436);
    await moveTo(page, title, 548, 64);
    await clickAt(page, title, 548, 64);
    const game = await theScreen(page, title.id);
    await moveTo(page, game, 14, 434);
    await page.waitForSelector('canvas.orbitrove-tip:not([hidden])', { timeout: kPatience });
    // Straight out of the page: no screen's edge on the way.
    await page.mouse.move(game.x + 14, 460);
    await page.waitForSelector('canvas.orbitrove-tip', { state: 'detached', timeout: kPatience });
});
console.log('scaled page test passed');
