// What the browser tests see of the game's page: its windows (canvases, by
// the window ids the page gives them), their pixels, and what the program
// tells the page. Every wait has a ceiling for a hang only, generous for a
// loaded machine, never a figure of speed.
import assert from 'node:assert/strict';

export const kPatience = 30000;

// The shown windows of a kind ('screen' or 'tip'): id, place and size on the
// page in CSS pixels, the canvas's own size, its label and layer.
export async function shownWindows(page, kind = 'screen') {
    return page.evaluate((kind) => {
        return [...document.querySelectorAll(`canvas.orbitrove-${kind}:not([hidden])`)].map((canvas) => {
            const r = canvas.getBoundingClientRect();
            return {
                id: canvas.dataset.window,
                x: r.x, y: r.y, width: r.width, height: r.height,
                logical: { width: canvas.width, height: canvas.height },
                label: canvas.getAttribute('aria-label'),
                layer: Number(canvas.style.zIndex),
                rendering: getComputedStyle(canvas).imageRendering,
            };
        });
    }, kind);
}

// Presses the page's start ("Hrát"), which the program waits for: the page
// may sound from then on.
export async function pressStart(page) {
    await page.click('#orbitrove-start button', { timeout: kPatience });
    await page.waitForSelector('#orbitrove-start', { state: 'detached', timeout: kPatience });
}

// Waits for exactly one shown screen other than `not` and returns it.
export async function theScreen(page, not = null) {
    await page.waitForFunction((not) => {
        const shown = [...document.querySelectorAll('canvas.orbitrove-screen:not([hidden])')];
        return shown.length === 1 && shown[0].dataset.window !== not;
    }, not, { timeout: kPatience });
    return (await shownWindows(page))[0];
}

// The page point of a logical point of a screen.
export function onPage(screen, x, y) {
    const scale = screen.width / screen.logical.width;
    return { x: screen.x + (x + 0.5) * scale, y: screen.y + (y + 0.5) * scale };
}

export async function clickAt(page, screen, x, y) {
    const at = onPage(screen, x, y);
    await page.mouse.click(at.x, at.y);
}

export async function moveTo(page, screen, x, y) {
    const at = onPage(screen, x, y);
    await page.mouse.move(at.x, at.y);
}

// How many times the program's loop has been woken by its alarm.
export async function alarmRings(page) {
    return page.evaluate(() => Module._orbitrove_alarm_rings());
}

// Checks that the page sleeps: its alarm does not ring within a second.
export async function staysIdle(page, what) {
    const before = await alarmRings(page);
    await page.waitForTimeout(1000);
    assert.equal(await alarmRings(page), before, `${what}: the loop woke with nothing due`);
}

// Waits for the page to say the program has ended and returns the status.
export async function endStatus(page) {
    await page.waitForSelector('#ended:not([hidden])', { timeout: kPatience });
    const status = await page.evaluate(() => document.body.dataset.exitStatus);
    assert.equal(await page.locator('canvas').count(), 0, 'windows are left after the end');
    return Number(status);
}

// Window `id` against the picture `bytes` (a BMP or PNG file the browser
// decodes): how many of its pixels differ outside the rectangles `text`,
// and the largest difference of a colour channel inside them (the text,
// which another engine draws from the same fonts). Null when the sizes differ.
export async function compareWithPicture(page, id, bytes, text = []) {
    return page.evaluate(async ({ id, file, text }) => {
        const picture = await createImageBitmap(new Blob([Uint8Array.from(atob(file), (c) => c.charCodeAt(0))]), {
            colorSpaceConversion: 'none',
        });
        const scratch = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
        scratch.drawImage(picture, 0, 0);
        const want = scratch.getImageData(0, 0, picture.width, picture.height).data;
        const canvas = document.querySelector(`canvas[data-window="${id}"]`);
        if (canvas.width !== picture.width || canvas.height !== picture.height) return null;
        const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const inText = (x, y) => text.some((r) => x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height);
        let differing = 0, textDifference = 0;
        for (let i = 0; i < want.length; i += 4) {
            const x = (i / 4) % canvas.width, y = Math.floor(i / 4 / canvas.width);
            const difference = Math.max(...[0, 1, 2].map((c) => Math.abs(want[i + c] - got[i + c])));
            if (inText(x, y)) textDifference = Math.max(textDifference, difference);
            else if (difference) ++differing;
        }
        return { differing, textDifference };
    }, { id, file: Buffer.from(bytes).toString('base64'), text });
}

// What the page shows of `screen` (a shown window from shownWindows) against
// what its canvas holds: the page's picture of the screen's place, taken as
// the display has it, and each of its pixels compared with the canvas pixel
// under it at the screen's whole scale, unsmoothed. Returns how many of the
// page's pixels differ.
export async function differingOnPage(page, screen) {
    const shot = await page.screenshot({ clip: { x: screen.x, y: screen.y, width: screen.width, height: screen.height } });
    return page.evaluate(async ({ id, file }) => {
        const picture = await createImageBitmap(new Blob([Uint8Array.from(atob(file), (c) => c.charCodeAt(0))]), {
            colorSpaceConversion: 'none',
        });
        const scratch = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
        scratch.drawImage(picture, 0, 0);
        const shown = scratch.getImageData(0, 0, picture.width, picture.height).data;
        const canvas = document.querySelector(`canvas[data-window="${id}"]`);
        const drawn = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const scale = picture.width / canvas.width;
        let differing = 0;
        for (let y = 0; y < picture.height; ++y) {
            for (let x = 0; x < picture.width; ++x) {
                const i = 4 * (y * picture.width + x);
                const j = 4 * (Math.floor(y / scale) * canvas.width + Math.floor(x / scale));
                if (shown[i] !== drawn[j] || shown[i + 1] !== drawn[j + 1] || shown[i + 2] !== drawn[j + 2]) ++differing;
            }
        }
        return differing;
    }, { id: screen.id, file: shot.toString('base64') });
}

// Gives the page `orbitroveSprite(file)`: a sprite, a file of the site, as
// the browser decodes it: {width, height, data (RGBA), key}, `key` being
// its transparent colour [r, g, b], that of its bottom-left pixel.
export async function installSpriteReader(page) {
    await page.evaluate(() => {
        window.orbitroveSprite ??= async (file) => {
            const picture = await createImageBitmap(await (await fetch(file)).blob(), { colorSpaceConversion: 'none' });
            const { width, height } = picture;
            const scratch = new OffscreenCanvas(width, height).getContext('2d');
            scratch.drawImage(picture, 0, 0);
            const data = scratch.getImageData(0, 0, width, height).data;
            const corner = 4 * width * (height - 1);
            return { width, height, data, key: [data[corner], data[corner + 1], data[corner + 2]] };
        };
    });
}

// The share (0 to 1) of a sprite's opaque pixels (those not of its
// transparent colour) that window `id` shows with the sprite's top-left at
// (x, y); the sprite is a file of the site, decoded by the browser.
export async function spriteMatch(page, id, sprite, x, y) {
    await installSpriteReader(page);
    return page.evaluate(async ({ id, sprite, x, y }) => {
        const { width, height, data: want, key } = await window.orbitroveSprite(sprite);
        const canvas = document.querySelector(`canvas[data-window="${id}"]`);
        const got = canvas.getContext('2d').getImageData(x, y, width, height).data;
        let opaque = 0, shown = 0;
        for (let i = 0; i < want.length; i += 4) {
            if (want[i] === key[0] && want[i + 1] === key[1] && want[i + 2] === key[2]) continue;
            ++opaque;
            if (want[i] === got[i] && want[i + 1] === got[i + 1] && want[i + 2] === got[i + 2]) ++shown;
        }
        return shown / opaque;
    }, { id, sprite, x, y });
}

// The colour of one pixel of window `id`, as 0xRRGGBB.
export async function pixelAt(page, id, x, y) {
    return page.evaluate(({ id, x, y }) => {
        const canvas = document.querySelector(`canvas[data-window="${id}"]`);
        const [r, g, b] = canvas.getContext('2d').getImageData(x, y, 1, 1).data;
        return (r << 16) | (g << 8) | b;
    }, { id, x, y });
}
