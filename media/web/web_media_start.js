// What the browser build's media need before the program starts (linked in
// as a --pre-js). A browser lets a page sound only once the person has
// touched it, so the program waits for the page's start (a click on its
// start page, #orbitrove-start, but for its links, or any key; at once
// where the page has none): then the audio graph is made, the music worklet loaded with the
// sound font (fetched from the page's opening on), and the program runs, its intro and music included. The
// files are fetched meanwhile (page_files.js), and as they come the waves
// are decoded and the videos' browser versions loaded. Without Web Audio,
// or when the worklet does not load, the program plays silently, as on a
// desktop without a sound card.
//
// The site holds the worklet's files and the sound font in sound/, and the
// videos, transcoded for the browser, in video/ (main/web/site.cmake).
Module['orbitroveSounds'] = new Map();
Module['orbitroveVideos'] = new Map();
Module['orbitroveFileReaders'] = (Module['orbitroveFileReaders'] || []).concat(async function (path, bytes) {
  if (orbitroveIsSound(path)) Module['orbitroveSounds'].set(path, await orbitroveDecodeSound(bytes));
  if (orbitroveIsVideo(path)) Module['orbitroveVideos'].set(path, await orbitroveLoadVideo(path));
});
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  addRunDependency('orbitrove-start');
  // Fetched while the page waits for its start: on a slow connection the
  // wait for the sound font then comes before the press, not after it.
  var font = orbitroveFetchSoundFont();
  orbitroveStartPressed()
    .then(function () {
      return orbitroveOpenAudio(font);
    })
    .then(function (audio) {
      Module['orbitroveAudio'] = audio;
      // Once the program has ended, nothing sounds any more.
      if (audio) window.addEventListener('orbitrove-ended', function () {
        audio.context.close();
      });
      removeRunDependency('orbitrove-start');
    });
});

// The rate the desktop's sound card is opened at first; the browser
// resamples for its device.
var kOrbitroveSampleRate = 44100;
// The sound goes to the device in blocks of 20 ms, not the shortest it
// takes (10 ms in headless Chromium): the worklet, the page's audio output
// and the audio service wake half as often, which saved a point and more of
// a core's CPU in play; what sounds reaches the speakers about 30 ms later.
var kOrbitroveLatency = 0.02;
var kOrbitroveWorklet = ['sound/libfluidsynth-2.3.0.js', 'sound/js-synthesizer.worklet.js', 'sound/music_worklet.js'];
// The whole bank cut to what the pieces play (tools/bank/CutSoundBank.cmake).
var kOrbitroveSoundFont = 'sound/TimGM6mb-cut.sf2';

// Resolves when the page's start is pressed; the start goes with it.
function orbitroveStartPressed() {
  var start = document.getElementById('orbitrove-start');
  if (!start) return Promise.resolve();
  start.hidden = false;
  return new Promise(function (resolve) {
    function go(event) {
      // Keys that move the focus or ask something of the browser are its own.
      if (event.type === 'keydown' && (event.repeat || event.key === 'Tab' || /^F\d+$/.test(event.key) ||
                                       event.ctrlKey || event.altKey || event.metaKey)) return;
      if (event.type === 'click' && event.target.closest('a')) return;
      event.preventDefault();
      window.removeEventListener('keydown', go, true);
      start.removeEventListener('click', go);
      start.remove();
      resolve();
    }
    window.addEventListener('keydown', go, true);
    start.addEventListener('click', go);
  });
}

// The sound font's bytes; a failure is reported when the audio is opened.
function orbitroveFetchSoundFont() {
  var font = fetch(kOrbitroveSoundFont).then(function (response) {
    if (!response.ok) throw new Error(kOrbitroveSoundFont + ': HTTP ' + response.status);
    return response.arrayBuffer();
  });
  font.catch(function () {});
  return font;
}

// The audio graph: every sound through one gain node to the speakers, the
// music from the worklet's synthesizer, which takes the sound font `font`
// (a promise of its bytes). Null when it cannot be made.
async function orbitroveOpenAudio(font) {
  try {
    var context = new AudioContext({ sampleRate: kOrbitroveSampleRate, latencyHint: kOrbitroveLatency });
    var output = new GainNode(context);
    output.connect(context.destination);
    for (var i = 0; i < kOrbitroveWorklet.length; ++i) await context.audioWorklet.addModule(kOrbitroveWorklet[i]);
    var music = new AudioWorkletNode(context, 'orbitrove-music', { numberOfInputs: 0, outputChannelCount: [2] });
    music.connect(output);
    await orbitroveLoadFont(music, await font);
    await context.resume();
    return { context: context, output: output, music: music };
  } catch (error) {
    console.error('orbitrove: the page cannot sound (' + error.message + '); the game plays silently');
    return null;
  }
}

function orbitroveLoadFont(music, font) {
  return new Promise(function (resolve, reject) {
    music.port.onmessage = function (event) {
      music.port.onmessage = null;
      if (event.data.ready) resolve();
      else reject(new Error('the sound font does not load: ' + event.data.failed));
    };
    music.port.postMessage({ font: font }, [font]);
  });
}

function orbitroveIsSound(path) {
  return /\.wav$/i.test(path);
}

function orbitroveIsVideo(path) {
  return /\.avi$/i.test(path);
}

// A wave file's samples at the audio graph's rate, or null when the browser
// cannot decode it. No audio context is needed (nor allowed) yet.
async function orbitroveDecodeSound(bytes) {
  try {
    var decoder = new OfflineAudioContext(1, 1, kOrbitroveSampleRate);
    return await decoder.decodeAudioData(bytes.slice().buffer);
  } catch (error) {
    return null;
  }
}

// The browser's version of a video file (data/NAME.avi is video/NAME.webm),
// fetched whole: its address as a Blob and its duration, or no address when
// it cannot be had or decoded.
async function orbitroveLoadVideo(path) {
  var name = path.substring(path.lastIndexOf('/') + 1).replace(/\.avi$/i, '.webm');
  try {
    var response = await fetch('video/' + name);
    if (!response.ok) throw new Error('HTTP ' + response.status);
    var url = URL.createObjectURL(await response.blob());
    var element = document.createElement('video');
    element.muted = true;
    element.preload = 'auto';
    await new Promise(function (resolve, reject) {
      element.onloadeddata = resolve;
      element.onerror = function () {
        reject(new Error('not decodable'));
      };
      element.src = url;
    });
    return { url: url, duration: element.duration };
  } catch (error) {
    console.error('orbitrove: the video video/' + name + ' does not load: ' + error.message);
    return { url: null, duration: 0 };
  }
}
