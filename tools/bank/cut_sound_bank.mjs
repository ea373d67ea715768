// Writes the game's sound bank, the native build's and the site's: the
// General MIDI bank cut to what the given MIDI pieces play, the presets they
// select and, of those, the zones their notes reach, with the instruments
// and samples those zones use.
// spessasynth_core reads the pieces and the bank and writes the cut bank;
// what is kept is copied as it is (the 16-bit samples byte for byte, every
// generator and modulator), so FluidSynth renders the pieces from it as from
// the whole bank (the WebSiteCuts test renders both).
// Usage: node cut_sound_bank.mjs BANK.sf2 OUT.sf2 PIECE.mid...
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';
import process from 'node:process';

import { BasicMIDI, SoundBankLoader } from 'spessasynth_core';

function arrayBufferOf(file) {
    const bytes = readFileSync(file);
    return bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength);
}

// Preset -> key -> velocities, of every piece together.
function usedByAll(bank, pieces) {
    const used = new Map();
    for (const piece of pieces) {
        const midi = BasicMIDI.fromArrayBuffer(arrayBufferOf(piece), basename(piece));
        for (const [preset, keys] of midi.getUsedProgramsAndKeys(bank)) {
            if (!used.has(preset)) used.set(preset, new Map());
            const usedKeys = used.get(preset);
            for (const [key, velocities] of keys) {
                if (!usedKeys.has(key)) usedKeys.set(key, new Set());
                for (const velocity of velocities) usedKeys.get(key).add(velocity);
            }
        }
    }
    return used;
}

const [bankFile, out, ...pieces] = process.argv.slice(2);
if (!out || pieces.length === 0) {
    console.error('usage: node cut_sound_bank.mjs BANK.sf2 OUT.sf2 PIECE.mid...');
    process.exit(2);
}
const bank = SoundBankLoader.fromArrayBuffer(arrayBufferOf(bankFile));
bank.trim(usedByAll(bank, pieces));
// The whole bank's date rather than today's: the same inputs make the same file.
bank.soundBankInfo.creationDate = statSync(bankFile).mtime;
bank.soundBankInfo.comment = `${basename(bankFile)} cut to what ${pieces.map((piece) => basename(piece)).join(', ')} play`;
// Only the chunks of the SoundFont 2 format itself, which FluidSynth reads.
writeFileSync(out, Buffer.from(bank.writeSF2({ writeDefaultModulators: false, writeExtendedLimits: false })));
