// Taps the game page's audio graph for the browser tests: a script run in
// the page before its own records, from its first block, what reaches the
// speakers ("total": every node connected to the destination) and what the
// music worklet gives ("music"), each through a recording worklet of the
// test's own, frame by frame on the audio clock.

// Runs in the page, before its scripts (page.addInitScript).
function tapAudioGraph() {
    const recorder = `registerProcessor('test-tap', class extends AudioWorkletProcessor {
        constructor() {
            super();
            this.blocks = [];
            this.port.onmessage = () => {
                this.port.postMessage(this.blocks);
                this.blocks = [];
            };
        }
        process(inputs) {
            const [left, right] = inputs[0];
            if (left) this.blocks.push({ at: currentFrame, left: left.slice(), right: (right || left).slice() });
            return true;
        }
    });`;
    const url = URL.createObjectURL(new Blob([recorder], { type: 'text/javascript' }));
    const connect = AudioNode.prototype.connect;
    const modules = new WeakMap();
    const taps = [];
    window.orbitroveTaps = taps;
    AudioNode.prototype.connect = function (target, ...rest) {
        const result = connect.call(this, target, ...rest);
        const name = target instanceof AudioDestinationNode ? 'total'
            : this instanceof AudioWorkletNode && !this.isTestTap ? 'music' : null;
        if (!name) return result;
        const context = this.context;
        if (!modules.has(context)) modules.set(context, context.audioWorklet.addModule(url));
        const source = this;
        taps.push({
            name,
            node: modules.get(context).then(() => {
                const tap = new AudioWorkletNode(context, 'test-tap', {
                    numberOfOutputs: 0, channelCount: 2, channelCountMode: 'explicit',
                });
                tap.isTestTap = true;
                connect.call(source, tap);
                return tap;
            }),
        });
        return result;
    };
}

export async function installAudioTaps(page) {
    await page.addInitScript(tapAudioGraph);
}

// What each tap recorded since the last call: {name: {from, left, right}},
// the frames from the audio clock's frame `from` on, without gaps.
export async function recorded(page) {
    const taps = await page.evaluate(async () => {
        const out = {};
        for (const tap of window.orbitroveTaps) {
            const node = await tap.node;
            const blocks = await new Promise((resolve) => {
                node.port.onmessage = (event) => resolve(event.data);
                node.port.postMessage('give');
            });
            if (!blocks.length) continue;
            const from = blocks[0].at;
            const frames = blocks[blocks.length - 1].at + blocks[blocks.length - 1].left.length - from;
            const left = new Float32Array(frames), right = new Float32Array(frames);
            for (const block of blocks) {
                left.set(block.left, block.at - from);
                right.set(block.right, block.at - from);
            }
            const bytes = (array) => {
                const raw = new Uint8Array(array.buffer);
                let text = '';
                for (let i = 0; i < raw.length; i += 8192) text += String.fromCharCode(...raw.subarray(i, i + 8192));
                return btoa(text);
            };
            out[tap.name] = { from, left: bytes(left), right: bytes(right) };
        }
        return out;
    });
    const floats = (text) => new Float32Array(new Uint8Array(Buffer.from(text, 'base64')).buffer);
    return Object.fromEntries(Object.entries(taps).map(([name, tap]) => [
        name, { from: tap.from, left: floats(tap.left), right: floats(tap.right) },
    ]));
}
