// The start-up error box in the page, for a site whose data/ship.bmp the
// browser cannot decode (served at picture/), one without data/laser.wav
// (at media/) and those whose data/laser.wav (at sound/) or data/intro.avi
// (at intro/) is damaged: the console has the desktop's standard error text, naming
// the file and the folder it was looked for in (the page's path); the box,
// titled "Application Error", comes up centred with the error icon, and the
// page sleeps under it. Enter, or a click on OK, ends the program with
// status 1 and the page says so.
// Usage (through tests/browser-run-test): startup_box_test.mjs
import assert from 'node:assert/strict';

import { withPage } from './browser.mjs';
import { clickAt, endStatus, pixelAt, pressStart, staysIdle, theScreen } from './game_page.mjs';

const kErrorRed = 0xd02020;

// Loads the page again with its console listened to; the box and what was said.
async function boxOf(page) {
    const said = [];
    page.on('console', (message) => said.push(message.text()));
    await page.reload();
    await pressStart(page);
    const box = await theScreen(page);
    return { box, said: said.join('\n') };
}

function checkBox(box) {
    assert.equal(box.label, 'Application Error');
    assert.equal(box.logical.width, 380);
    assert.equal(box.x, (1280 - 380) / 2, 'the box is not centred');
    assert.equal(box.y, Math.floor((720 - box.logical.height) / 2), 'the box is not centred');
}

await withPage('picture/', async (page) => {
    const { box, said } = await boxOf(page);
    assert.match(said, /^Application Error: Exception EInvalidGraphic in module orbitrove at 0{16}\.$/m);
    assert.match(said, /^The picture is damaged or not a BMP picture: data\/ship\.bmp \(looked for in \/picture\)\.$/m);
    checkBox(box);
    assert.equal(await pixelAt(page, box.id, 30, 36), kErrorRed, 'no error icon');
    await staysIdle(page, 'the start-up box');
    await page.keyboard.press('Enter');
    assert.equal(await endStatus(page), 1);
});

await withPage('media/', async (page) => {
    const { box, said } = await boxOf(page);
    assert.match(said, /^Application Error: Exception EMCIDeviceError in module orbitrove at 0{16}\.$/m);
    assert.match(said, /data\/laser\.wav \(looked for in \/media\)\.$/m);
    checkBox(box);
    await clickAt(page, box, 189, box.logical.height - 14 - 13);
    assert.equal(await endStatus(page), 1);
});
await withPage('sound/', async (page) => {
    const { box, said } = await boxOf(page);
    assert.match(said, /^Application Error: Exception EMCIDeviceError in module orbitrove at 0{16}\.$/m);
    assert.match(
        said,
        /^The media file is damaged or in a format the device cannot read: data\/laser\.wav \(looked for in \/sound\)\.$/m,
    );
    checkBox(box);
    await page.keyboard.press('Enter');
    assert.equal(await endStatus(page), 1);
});
await withPage('intro/', async (page) => {
    const { box, said } = await boxOf(page);
    assert.match(said, /^Application Error: Exception EMCIDeviceError in module orbitrove at 0{16}\.$/m);
    assert.match(
        said,
        /^The media file is damaged or in a format the device cannot read: data\/intro\.avi \(looked for in \/intro\)\.$/m,
    );
    checkBox(box);
    await page.keyboard.press('Enter');
    assert.equal(await endStatus(page), 1);
});
console.log('start-up box test passed');
