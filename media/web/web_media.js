// The page's side of the browser build's media (declared in WebMediaGlue.h):
// sounds on the audio graph web_media_start.js made at the start (waves
// from the buffers the page decoded, MIDI pieces on the music worklet), and
// the pictures of a video the browser decodes, each fetched by seeking a
// video element of its own to the picture's time. The output is
// Module.orbitroveAudio: {context, music (the worklet's node), output (the
// node every sound goes through)}; none when nothing can sound.
mergeInto(LibraryManager.library, {
  $OrbitroveMedia__postset: 'OrbitroveMedia.sounds = new Map(); OrbitroveMedia.videos = new Map();',
  $OrbitroveMedia: {
    sounds: null,
    videos: null,
    next: 1,
    audio: function () {
      return Module['orbitroveAudio'];
    },
    add: function (map, entry) {
      var id = OrbitroveMedia.next++;
      map.set(id, entry);
      return id;
    },
    // A wave's source node stops; the buffer stays for the next play.
    silence: function (sound) {
      if (!sound.node) return;
      sound.node.onended = null;
      sound.node.stop();
      sound.node.disconnect();
      sound.node = null;
    },
    // Seeks a video's element to the picture it needs next: the one last
    // asked for, else the one after it, so that it is there when it comes due.
    seekNext: function (video) {
      if (video.seeking !== null) return;
      var next = [video.wanted, video.wanted + 1].find(function (index) {
        return index < video.count && !video.pictures.has(index);
      });
      if (next === undefined) return;
      video.seeking = next;
      video.element.currentTime = ((next + 0.5) * video.interval) / 1000;
    },
    // The picture the element shows after a seek, as 0x00RRGGBB words.
    capture: function (video) {
      video.context.drawImage(video.element, 0, 0, video.width, video.height);
      var rgba = video.context.getImageData(0, 0, video.width, video.height).data;
      var words = new Uint32Array(video.width * video.height);
      for (var i = 0; i < words.length; ++i) words[i] = (rgba[4 * i] << 16) | (rgba[4 * i + 1] << 8) | rgba[4 * i + 2];
      video.pictures.set(video.seeking, words);
      video.seeking = null;
      OrbitroveMedia.seekNext(video);
    },
  },

  orbitrove_sound_rate__deps: ['$OrbitroveMedia'],
  orbitrove_sound_rate: function () {
    var audio = OrbitroveMedia.audio();
    return audio ? audio.context.sampleRate : 0;
  },

  orbitrove_wave_decoded: function (path) {
    return !!Module['orbitroveSounds'].get(UTF8ToString(path));
  },

  orbitrove_wave_open__deps: ['$OrbitroveMedia'],
  orbitrove_wave_open: function (path) {
    var buffer = Module['orbitroveSounds'].get(UTF8ToString(path));
    return OrbitroveMedia.add(OrbitroveMedia.sounds, { buffer: buffer, node: null });
  },

  orbitrove_music_open__deps: ['$OrbitroveMedia'],
  orbitrove_music_open: function (bytes, size, frames) {
    var id = OrbitroveMedia.add(OrbitroveMedia.sounds, { music: true });
    var copy = HEAPU8.slice(bytes, bytes + size).buffer;
    OrbitroveMedia.audio().music.port.postMessage({ open: id, bytes: copy, frames: frames }, [copy]);
    return id;
  },

  orbitrove_sound_play__deps: ['$OrbitroveMedia'],
  orbitrove_sound_play: function (id, fromMs) {
    var sound = OrbitroveMedia.sounds.get(id);
    var audio = OrbitroveMedia.audio();
    if (sound.music) {
      audio.music.port.postMessage({ play: id });
      return;
    }
    OrbitroveMedia.silence(sound);
    var node = new AudioBufferSourceNode(audio.context, { buffer: sound.buffer });
    node.connect(audio.output);
    node.onended = function () {
      if (sound.node === node) sound.node = null;
      node.disconnect();
    };
    node.start(0, fromMs / 1000);
    sound.node = node;
  },

  orbitrove_sound_stop__deps: ['$OrbitroveMedia'],
  orbitrove_sound_stop: function (id) {
    var sound = OrbitroveMedia.sounds.get(id);
    if (sound.music) OrbitroveMedia.audio().music.port.postMessage({ stop: id });
    else OrbitroveMedia.silence(sound);
  },

  orbitrove_sound_rewind__deps: ['$OrbitroveMedia'],
  orbitrove_sound_rewind: function (id) {
    var sound = OrbitroveMedia.sounds.get(id);
    if (sound.music) OrbitroveMedia.audio().music.port.postMessage({ rewind: id });
    else OrbitroveMedia.silence(sound);
  },

  orbitrove_sound_close__deps: ['$OrbitroveMedia'],
  orbitrove_sound_close: function (id) {
    var sound = OrbitroveMedia.sounds.get(id);
    if (sound.music) OrbitroveMedia.audio().music.port.postMessage({ close: id });
    else OrbitroveMedia.silence(sound);
    OrbitroveMedia.sounds.delete(id);
  },

  orbitrove_video_open__deps: ['$OrbitroveMedia'],
  orbitrove_video_open: function (path, width, height, interval) {
    var loaded = Module['orbitroveVideos'].get(UTF8ToString(path));
    if (!loaded || !loaded.url) return 0;
    var element = document.createElement('video');
    element.muted = true;
    element.preload = 'auto';
    element.src = loaded.url;
    var canvas = new OffscreenCanvas(width, height);
    var video = {
      element: element,
      context: canvas.getContext('2d', { willReadFrequently: true }),
      width: width,
      height: height,
      interval: interval,
      count: Math.max(1, Math.round((loaded.duration * 1000) / interval)),
      pictures: new Map(),
      wanted: 0,
      seeking: null,
      written: -1,
    };
    element.addEventListener('seeked', function () {
      OrbitroveMedia.capture(video);
    });
    element.addEventListener('loadeddata', function () {
      OrbitroveMedia.seekNext(video);
    });
    return OrbitroveMedia.add(OrbitroveMedia.videos, video);
  },

  // Writes the last picture due by `ms` that the browser has decoded, when
  // it is not the one written before; pictures before it are let go.
  orbitrove_video_picture__deps: ['$OrbitroveMedia'],
  orbitrove_video_picture: function (id, ms, target) {
    var video = OrbitroveMedia.videos.get(id);
    video.wanted = Math.min(video.count - 1, Math.floor(ms / video.interval));
    OrbitroveMedia.seekNext(video);
    var best = -1;
    video.pictures.forEach(function (words, index) {
      if (index <= video.wanted && index > best) best = index;
    });
    video.pictures.forEach(function (words, index) {
      if (index < best) video.pictures.delete(index);
    });
    if (best < 0 || best === video.written) return -1;
    HEAPU32.set(video.pictures.get(best), target >> 2);
    video.written = best;
    return best;
  },

  orbitrove_video_close__deps: ['$OrbitroveMedia'],
  orbitrove_video_close: function (id) {
    var video = OrbitroveMedia.videos.get(id);
    video.element.removeAttribute('src');
    video.element.load();
    OrbitroveMedia.videos.delete(id);
  },
});
