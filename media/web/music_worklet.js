// The game's music in the page's audio worklet: FluidSynth as js-synthesizer
// builds it (loaded before this module), set as the desktop's synthesizer is
// (media/MidiSynth.cpp) and taking its pieces in turn as the desktop's deck
// does (media/MidiDeck.cpp, media/SdlMidiTrack.cpp, media/MidiSequence.cpp):
// one piece sounds at a time; a piece that stops, is superseded or reaches
// its end fades out over 5 ms, then every voice goes and the next piece
// starts on channels as new, at the tick it had reached, its programs and
// controllers as the file has them there. The page sends the sound font,
// then opens and plays pieces by number:
//   {font: ArrayBuffer}            answered {ready: true} or {failed: text}
//   {open: id, bytes, frames}      a MIDI file, played through for `frames`
//   {play: id} {stop: id} {rewind: id} {close: id}
const kFadeMs = 5;
// As the desktop's: the pieces need at most 114 voices, one sounds at a time.
const kSettings = { initialGain: 0.2, polyphony: 128, reverbActive: true, chorusActive: true };
const kFourthOrderInterpolation = 4;

// FluidSynth's own functions, for the player and the resets js-synthesizer
// does not offer as the deck needs them.
const fluid = AudioWorkletGlobalScope.wasmModule;
const setString = fluid.cwrap('fluid_settings_setstr', 'number', ['number', 'string', 'string']);
const setInteger = fluid.cwrap('fluid_settings_setint', 'number', ['number', 'string', 'number']);

// One piece's player on the shared synthesizer, made at the tick it is to
// start from (a seek before the first block sends every event before the
// tick but the notes), and the piece's place: its tick and frames played.
class Piece {
    constructor(synth, bytes, lengthFrames) {
        this.synth = synth;
        this.bytes = new Uint8Array(bytes);
        this.lengthFrames = lengthFrames;
        this.player = 0;
        this.from = 0;
        this.tick = 0;
        this.frames = 0;
        this.running = false;
    }

    prepare() {
        this.halt();
        this.player = fluid._new_fluid_player(this.synth);
        const copy = fluid._malloc(this.bytes.length);
        fluid.HEAPU8.set(this.bytes, copy);
        fluid._fluid_player_add_mem(this.player, copy, this.bytes.length);
        fluid._free(copy);
        if (this.tick > 0) fluid._fluid_player_seek(this.player, this.tick);
        this.from = this.tick;
    }

    run() {
        if (this.player) fluid._fluid_player_play(this.player);
    }

    // The player goes, silently; the piece keeps the tick it reached.
    halt() {
        if (!this.player) return;
        this.tick = Math.max(this.from, fluid._fluid_player_get_current_tick(this.player));
        fluid._delete_fluid_player(this.player);
        this.player = 0;
        this.from = this.tick;
    }

    get framesLeft() {
        return this.lengthFrames - this.frames;
    }

    get ended() {
        return this.frames >= this.lengthFrames;
    }
}

class MusicProcessor extends AudioWorkletProcessor {
    constructor() {
        super();
        this.synth = null;
        this.pieces = new Map();
        this.sounding = null;
        this.waiting = null;
        this.fadeFrames = Math.floor((sampleRate * kFadeMs) / 1000);
        this.fadeLeft = 0;
        this.framesRendered = 0;
        this.port.onmessage = (event) => this.receive(event.data);
    }

    receive(message) {
        if ('font' in message) this.load(message.font);
        else if ('open' in message) this.pieces.set(message.open, new Piece(this.raw, message.bytes, message.frames));
        else if ('play' in message) this.play(this.pieces.get(message.play));
        else if ('stop' in message) this.stop(this.pieces.get(message.stop));
        else if ('rewind' in message) this.rewind(this.pieces.get(message.rewind));
        else if ('close' in message) this.close(message.close);
    }

    async load(font) {
        try {
            await JSSynth.Synthesizer.waitForWasmInitialized();
            JSSynth.disableLogging();
            const synth = new JSSynth.Synthesizer();
            synth.init(sampleRate, kSettings);
            const raw = synth.getRawSynthesizer();
            const settings = fluid._fluid_synth_get_settings(raw);
            // Players keep time by the frames rendered, and none may reset
            // the synthesizer that the pieces share.
            setString(settings, 'player.timing-source', 'sample');
            setInteger(settings, 'player.reset-synth', 0);
            synth.setInterpolation(kFourthOrderInterpolation);
            await synth.loadSFont(font);
            this.synth = synth;
            this.raw = raw;
            // Made here, so that a reset on the audio thread allocates nothing.
            const block = fluid._fluid_synth_get_internal_bufsize(raw);
            this.dropped = [new Float32Array(block), new Float32Array(block)];
            this.port.postMessage({ ready: true });
        } catch (error) {
            this.port.postMessage({ failed: String(error && error.message ? error.message : error) });
        }
    }

    // A piece that sounds, or waits for its turn, goes on as it is.
    play(piece) {
        if (!piece || piece.ended || piece.running) return;
        piece.running = true;
        piece.prepare();
        if (this.sounding) this.beginFade();
        this.waiting = piece;
        if (this.fadeLeft === 0) this.startWaiting();
    }

    stop(piece) {
        if (!piece || !piece.running) return;
        piece.running = false;
        this.leave(piece);
        piece.halt();
    }

    rewind(piece) {
        if (!piece) return;
        piece.running = false;
        this.leave(piece);
        piece.halt();
        piece.tick = 0;
        piece.from = 0;
        piece.frames = 0;
    }

    close(id) {
        const piece = this.pieces.get(id);
        if (!piece) return;
        this.leave(piece);
        piece.halt();
        this.pieces.delete(id);
    }

    // Fades the piece out when it sounds, and forgets it when it waits.
    leave(piece) {
        if (this.waiting === piece) this.waiting = null;
        if (this.sounding === piece) this.beginFade();
    }

    beginFade() {
        this.sounding.halt();
        this.sounding = null;
        this.fadeLeft = this.fadeFrames;
    }

    startWaiting() {
        this.sounding = this.waiting;
        this.waiting = null;
        if (this.sounding) this.sounding.run();
    }

    idle() {
        return !this.sounding && !this.waiting && this.fadeLeft === 0;
    }

    // The outputs hold silence, and keep it while nothing sounds.
    process(inputs, outputs) {
        const [left, right] = outputs[0];
        const frames = left.length;
        for (let done = 0; done < frames && !this.idle();) {
            const out = [left.subarray(done), right.subarray(done)];
            done += this.fadeLeft > 0 ? this.renderFade(out, frames - done) : this.renderSounding(out, frames - done);
        }
        return true;
    }

    render(out, frames) {
        this.synth.render([out[0].subarray(0, frames), out[1].subarray(0, frames)]);
        this.framesRendered += frames;
    }

    // A system reset alone leaves the voices sounding (and after it, turning
    // them off takes effect with the next block); FluidSynth also renders
    // whole blocks and hands out the rest of one on the next call. The rest
    // rendered before the reset would bring the faded piece back at full
    // level, so it is taken and dropped.
    reset() {
        fluid._fluid_synth_system_reset(this.raw);
        fluid._fluid_synth_all_sounds_off(this.raw, -1);
        const block = this.dropped[0].length;
        const rest = (block - (this.framesRendered % block)) % block;
        if (rest > 0) this.render(this.dropped, rest);
    }

    // Up to the piece's end, which fades out what still sounds of it.
    renderSounding(out, frames) {
        const n = Math.min(frames, this.sounding.framesLeft);
        this.render(out, n);
        this.sounding.frames += n;
        if (this.sounding.framesLeft === 0) {
            this.sounding.running = false;
            this.beginFade();
        }
        return n;
    }

    // A straight ramp down to silence; the reset after it leaves no voice and
    // no reverb behind, so the next piece starts from silence.
    renderFade(out, frames) {
        const n = Math.min(frames, this.fadeLeft);
        this.render(out, n);
        for (let i = 0; i < n; ++i) {
            const gain = (this.fadeLeft - i - 1) / this.fadeFrames;
            out[0][i] *= gain;
            out[1][i] *= gain;
        }
        this.fadeLeft -= n;
        if (this.fadeLeft === 0) {
            this.reset();
            this.startWaiting();
        }
        return n;
    }
}

registerProcessor('orbitrove-music', MusicProcessor);
