// The page's music worklet (media/web/music_worklet.js) run in Node on the
// FluidSynth that js-synthesizer builds, with the scope an audio worklet
// gives it stood in for: its pieces take their turns as the desktop's deck
// gives them (media/MidiDeck.cpp). Most cases end with a "late" piece,
// whose one note comes half a second in, so that what sounds before that
// note is what the piece before it left behind: no more than the fading
// tail of its reverb, once it has faded. On Debian's whole sound bank, as
// the desktop deck's tests (the late piece's piano is not in the cut one).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

const kRepository = fileURLToPath(new URL('../..', import.meta.url));
const kSynthesizer = `${kRepository}/node_modules/js-synthesizer`;
const kScripts = [
    `${kSynthesizer}/externals/libfluidsynth-2.3.0.js`,
    `${kSynthesizer}/dist/js-synthesizer.worklet.js`,
    `${kRepository}/media/web/music_worklet.js`,
];
const kRate = 44100;
const kBlock = 128; // frames an audio worklet is asked for at a time
const kFadeFrames = Math.floor((kRate * 5) / 1000);
const kSilence = 1e-3; // -60 dBFS, the desktop benchmark's bound for a click
// What a switch leaves: the reverb's tail, at -55 dBFS after the song; a
// voice left on, or the synthesizer's block rendered before the fade's
// end, sounds at the music's level (-30 dBFS).
const kLeftOver = 1e-2;
const kBank = readFileSync('/usr/share/sounds/sf2/TimGM6mb.sf2');
const kSong = readFileSync(`${kRepository}/data/song.mid`);
const kLateNote = kRate / 2;
// One track at 120 beats a minute, 480 ticks a beat: a piano's note held
// from the second beat to the third.
const kLate = Buffer.from([
    ...[0x4d, 0x54, 0x68, 0x64, 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xe0],
    ...[0x4d, 0x54, 0x72, 0x6b, 0, 0, 0, 17],
    ...[0, 0xc0, 0, 0x83, 0x60, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0, 0xff, 0x2f, 0],
]);

function arrayBuffer(bytes) {
    return bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length);
}

// A worklet of its own: the scripts in a fresh scope, the sound font loaded.
async function worklet() {
    const processors = new Map();
    class AudioWorkletProcessor {
        constructor() {
            this.answers = [];
            this.port = { postMessage: (message) => this.answers.push(message), onmessage: null };
        }
    }
    const scope = { sampleRate: kRate, AudioWorkletProcessor, console, setTimeout, clearTimeout, performance };
    scope.registerProcessor = (name, processor) => processors.set(name, processor);
    scope.AudioWorkletGlobalScope = scope;
    scope.globalThis = scope;
    const context = vm.createContext(scope);
    for (const script of kScripts) vm.runInContext(readFileSync(script, 'utf8'), context, { filename: script });
    const music = new (processors.get('orbitrove-music'))();
    const send = (message) => music.port.onmessage({ data: message });
    send({ font: arrayBuffer(kBank) });
    for (let i = 0; i < 200 && music.answers.length === 0; ++i) await new Promise((done) => setTimeout(done, 10));
    assert.equal(JSON.stringify(music.answers), '[{"ready":true}]'); // made in the worklet's realm
    return {
        send,
        open(id, bytes, frames = 60 * kRate) {
            send({ open: id, bytes: arrayBuffer(bytes), frames });
        },
        // The next `frames` frames of its output (the left channel).
        render(frames) {
            const left = new Float32Array(frames);
            const right = new Float32Array(frames);
            for (let done = 0; done < frames; done += kBlock)
                music.process([], [[left.subarray(done, done + kBlock), right.subarray(done, done + kBlock)]]);
            return left;
        },
    };
}

function peak(samples) {
    return samples.reduce((most, value) => Math.max(most, Math.abs(value)), 0);
}

// Frames that end a fade one frame into a block of FluidSynth's (64 frames),
// so that what it rendered past the fade is as much as it can be.
const kPlayed = kRate - ((kRate + kFadeFrames - 1) % 64) + 64;

// The late piece from its start: silence before its note, then its note.
function assertLateFromItsStart(sound, what) {
    assert.ok(peak(sound.subarray(0, kLateNote - kBlock)) < kLeftOver, `${what}: nothing before its note`);
    assert.ok(peak(sound.subarray(kLateNote + kBlock)) > 10 * kSilence, `${what}: its note sounds`);
}

test('a piece played over another fades the other out, and nothing of it sounds on', async () => {
    const music = await worklet();
    music.open(1, kSong);
    music.open(2, kLate);
    music.send({ play: 1 });
    const before = music.render(kPlayed);
    assert.ok(peak(before.subarray(kPlayed - 1024)) > 10 * kSilence, 'the song sounded');
    music.send({ play: 2 });
    const fade = music.render(kFadeFrames);
    assert.ok(peak(fade.subarray(0, 32)) > kSilence, 'no step down at the switch');
    assert.ok(peak(fade.subarray(kFadeFrames - 8)) < kSilence, 'a ramp down to silence');
    assertLateFromItsStart(music.render(kLateNote + kRate / 4), 'the next piece');
});

test('a rewound piece starts again from its beginning', async () => {
    const music = await worklet();
    music.open(1, kLate);
    music.send({ play: 1 });
    assertLateFromItsStart(music.render(kLateNote + kRate / 4), 'first');
    music.send({ rewind: 1 });
    music.send({ play: 1 });
    music.render(kFadeFrames);
    assertLateFromItsStart(music.render(kLateNote + kRate / 4), 'rewound');
});

test('of the pieces played during a fade the last takes the turn, and a stopped one never sounds', async () => {
    const music = await worklet();
    music.open(1, kSong);
    music.open(2, kSong);
    music.open(3, kLate);
    music.send({ play: 1 });
    music.render(kPlayed);
    music.send({ play: 2 });
    music.send({ play: 3 });
    music.render(kFadeFrames);
    assertLateFromItsStart(music.render(kLateNote + kRate / 4), 'the last one played');

    // The late piece fades for the song, which is stopped while it waits.
    music.send({ rewind: 1 });
    music.send({ play: 1 });
    music.send({ stop: 1 });
    music.render(kFadeFrames);
    assert.ok(peak(music.render(kRate)) < kSilence, 'nothing after the fade');
});

test('a piece ends at its length, fading out, and plays again only once rewound', async () => {
    const music = await worklet();
    music.open(1, kSong, kPlayed);
    music.open(2, kLate);
    music.send({ play: 1 });
    music.render(kPlayed + kFadeFrames);
    assert.ok(peak(music.render(kRate)) < kSilence, 'silence after its end');
    music.send({ play: 1 });
    assert.ok(peak(music.render(kRate / 2)) < kSilence, 'an ended piece stays silent');
    music.send({ play: 2 });
    assertLateFromItsStart(music.render(kLateNote + kRate / 4), 'the next piece');
    music.send({ rewind: 1 });
    music.send({ play: 1 });
    music.render(kFadeFrames);
    assert.ok(peak(music.render(kRate / 2)) > 10 * kSilence, 'rewound, it sounds again');
});
