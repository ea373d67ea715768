// The canvas typesetter (the text_probe site) against the native one on
// every caption of both screens: the same font file, width and line height,
// and a drawing within a small difference of the native drawing. Then the
// face alias file's faults, as natively. Usage, through browser-run-test:
// text_test.mjs NATIVE_FIGURES (what native_captions prints).
import { readFileSync } from 'node:fs';
import process from 'node:process';
import { withPage } from './browser.mjs';

// Coverage, 0 to 255 a pixel. The canvas's glyphs are the native ones to
// within antialiasing (measured: a mean difference of 2.4 at most, a pixel
// 148 off, ink 4.5% lighter); a line of glyphs a pixel off their places is
// far outside these (a mean difference of 10).
const kMeanDifference = 4;
const kPixelDifference = 192;
const kInkShare = 0.08;

const captions = readFileSync(process.argv[2], 'utf8')
    .split('\n')
    .filter((line) => line)
    .map((line) => {
        const [face, height, bold, file, width, lineHeight, drawing, text] = line.split('\t');
        return { face, height: +height, bold: bold === '1', file, width: +width, lineHeight: +lineHeight, drawing, text };
    });

function compareDrawings(native, web) {
    const a = Buffer.from(native, 'hex');
    const b = Buffer.from(web, 'hex');
    if (a.length !== b.length) return { failure: `drawn ${b.length} pixels, natively ${a.length}` };
    let sum = 0, max = 0, inkA = 0, inkB = 0;
    for (let i = 0; i < a.length; ++i) {
        const difference = Math.abs(a[i] - b[i]);
        sum += difference;
        max = Math.max(max, difference);
        inkA += a[i];
        inkB += b[i];
    }
    const mean = a.length ? sum / a.length : 0;
    const ink = inkA ? (inkB - inkA) / inkA : 0;
    const failure =
        mean > kMeanDifference || max > kPixelDifference || Math.abs(ink) > kInkShare
            ? `drawing differs: mean ${mean.toFixed(2)}, a pixel ${max}, ink ${(100 * ink).toFixed(1)}%`
            : null;
    return { mean, max, ink, failure };
}

const failures = [];
const worst = { mean: 0, max: 0, ink: 0 };
await withPage('index.html', async (page) => {
    await page.waitForFunction(() => window.probeReady, null, { timeout: 60000 });
    const answers = await page.evaluate(
        (asked) =>
            asked.map((c) =>
                Module.ccall('probeCaption', 'string', ['string', 'number', 'number', 'string'], [c.face, c.height, c.bold ? 1 : 0, c.text]),
            ),
        captions.map(({ face, height, bold, text }) => ({ face, height, bold, text })),
    );
    captions.forEach((native, i) => {
        const [file, width, lineHeight, drawing] = answers[i].split('\t');
        const name = `${native.face} ${native.height}${native.bold ? ' bold' : ''} ${JSON.stringify(native.text)}`;
        const said = [];
        if (file !== native.file) said.push(`face ${file}, natively ${native.file}`);
        if (+width !== native.width || +lineHeight !== native.lineHeight)
            said.push(`${width} x ${lineHeight}, natively ${native.width} x ${native.lineHeight}`);
        if (!said.length) {
            const drawn = compareDrawings(native.drawing, drawing);
            if (drawn.failure) said.push(drawn.failure);
            else for (const key of ['mean', 'max']) worst[key] = Math.max(worst[key], drawn[key]);
            if (!drawn.failure) worst.ink = Math.max(worst.ink, Math.abs(drawn.ink));
        }
        if (said.length) failures.push(`${name}: ${said.join('; ')}`);
    });

    // As natively: a missing alias file is no error, a damaged or huge one is.
    const aliasFaults = await page.evaluate(() => {
        Module.FS.writeFile('cut.conf', '<fontconfig><alias><family>Arial</family>');
        Module.FS.writeFile('huge.conf', '<fontconfig>' + ' '.repeat(1 << 20) + '</fontconfig>');
        return ['missing.conf', 'cut.conf', 'huge.conf'].map((path) => Module.ccall('probeAliases', 'string', ['string'], [path]));
    });
    const expected = ['', ...['cut.conf', 'huge.conf'].map((path) => `EParserError: The font aliases are damaged: ${path} (looked for in /)`)];
    aliasFaults.forEach((said, i) => {
        if (said !== expected[i]) failures.push(`alias file ${i}: "${said}", expected "${expected[i]}"`);
    });
});

if (failures.length) {
    console.log(failures.join('\n'));
    console.log(`FAIL: ${failures.length} of ${captions.length} captions and alias checks differ`);
    process.exit(1);
}
console.log(
    `${captions.length} captions: the same faces, widths and line heights; drawings within a mean difference of ` +
        `${worst.mean.toFixed(2)}, a pixel at most ${worst.max} off, ink within ${(100 * worst.ink).toFixed(1)}%`,
);
