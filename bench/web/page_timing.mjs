// When the page shows its start page, when it is pressed, and when the
// intro's first picture and first sound come after the press, all in the
// page's own clock (milliseconds from the navigation's start). A probe run
// in the page before its scripts watches the start page and the title's
// display panel; the sound is found in what audio_tap.mjs records of the
// page's output.
import { installAudioTaps, recorded } from '../../tests/web/audio_tap.mjs';

// The title screen's display panel, where the intro plays (logical pixels).
const kPanel = { x: 224, y: 184, width: 184, height: 112 };
const kPatience = 60000;

// Runs in the page, before its scripts (page.addInitScript).
function timingProbe(panel) {
    const times = { startShown: null, pressed: null, firstPicture: null };
    window.orbitroveBenchTimes = times;
    // Shown: the start of the first frame that paints it once unhidden.
    const watch = new MutationObserver(() => {
        const start = document.getElementById('orbitrove-start');
        if (!start || start.hidden) return;
        watch.disconnect();
        requestAnimationFrame((frameStart) => {
            times.startShown = frameStart;
        });
    });
    watch.observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['hidden'] });
    // The press, seen before the start page's own handler takes it away.
    const press = (event) => {
        if (times.pressed !== null || !document.getElementById('orbitrove-start')) return;
        times.pressed = event.timeStamp;
        requestAnimationFrame(lookForPicture);
    };
    window.addEventListener('click', press, true);
    window.addEventListener('keydown', press, true);
    // The panel is black until the intro shows a picture that is not.
    function lookForPicture(frameStart) {
        const screen = document.querySelector('canvas.orbitrove-screen:not([hidden])');
        if (screen) {
            const { x, y, width, height } = panel;
            const pixels = screen.getContext('2d').getImageData(x, y, width, height).data;
            for (let i = 0; i < pixels.length; i += 4) {
                if (pixels[i] | pixels[i + 1] | pixels[i + 2]) {
                    times.firstPicture = frameStart;
                    return;
                }
            }
        }
        requestAnimationFrame(lookForPicture);
    }
}

// Installs the probe and the audio taps; the page's next navigation has them.
export async function installTimingProbe(page) {
    await page.addInitScript(timingProbe, kPanel);
    await installAudioTaps(page);
}

// Waits until `times` (in the page) has `field`, and returns the times.
export async function timesOnceSet(page, field) {
    await page.waitForFunction((field) => window.orbitroveBenchTimes?.[field] !== null, field, { timeout: kPatience });
    return page.evaluate(() => ({ ...window.orbitroveBenchTimes }));
}

// The first sample of the page's output that is not silent: its frame on
// the audio clock, or -1 in what `tap` holds ({from, left, right}).
export function firstSoundingFrame(tap) {
    for (let i = 0; i < tap.left.length; ++i) if (tap.left[i] !== 0 || tap.right[i] !== 0) return tap.from + i;
    return -1;
}

// When the page's first sound reached its output, on the page's clock: the
// frame's time on the audio clock, placed by the context's output timestamp
// (which sample is being played at which page time).
export async function firstSoundTime(page) {
    const deadline = Date.now() + kPatience;
    for (;;) {
        const frame = firstSoundingFrame((await recorded(page)).total ?? { from: 0, left: [], right: [] });
        if (frame >= 0) {
            return page.evaluate((frame) => {
                const context = window.Module.orbitroveAudio.context;
                const { contextTime, performanceTime } = context.getOutputTimestamp();
                return performanceTime + (frame / context.sampleRate - contextTime) * 1000;
            }, frame);
        }
        if (Date.now() > deadline) throw new Error('the page never sounded');
        await page.waitForTimeout(100);
    }
}
