// The page's side of the browser back end (declared in PageGlue.h): each
// window of the program is a canvas of its logical size, placed on the page
// with CSS at its scaled size, its pixels kept crisp; a cover darkens the
// page behind a fullscreen screen. Places arrive in device pixels.
mergeInto(LibraryManager.library, {
  // Library objects are written out as source, so the map is made where the
  // object is set up.
  $OrbitrovePage__postset: 'OrbitrovePage.windows = new Map();',
  $OrbitrovePage: {
    windows: null,
    cover: null,
    // Where the windows go: the page's element of that id, or the body.
    root: function () {
      return document.getElementById('orbitrove') || document.body;
    },
    css: function (devicePixels) {
      return devicePixels / (window.devicePixelRatio || 1) + 'px';
    },
    // Puts an element at a place of the page, above those of lower layers.
    place: function (element, x, y, width, height, layer) {
      var style = element.style;
      style.left = OrbitrovePage.css(x);
      style.top = OrbitrovePage.css(y);
      style.width = OrbitrovePage.css(width);
      style.height = OrbitrovePage.css(height);
      style.zIndex = String(layer);
    },
  },

  orbitrove_page_size__deps: ['$OrbitrovePage'],
  orbitrove_page_size: function (size) {
    var ratio = window.devicePixelRatio || 1;
    var page = document.documentElement;
    HEAP32[size >> 2] = Math.round(page.clientWidth * ratio);
    HEAP32[(size >> 2) + 1] = Math.round(page.clientHeight * ratio);
  },

  orbitrove_page_cover__deps: ['$OrbitrovePage'],
  orbitrove_page_cover: function (shown) {
    if (!OrbitrovePage.cover) {
      var cover = document.createElement('div');
      cover.className = 'orbitrove-cover';
      cover.style.cssText = 'position: fixed; inset: 0; background: #000; z-index: 1000';
      OrbitrovePage.root().appendChild(cover);
      OrbitrovePage.cover = cover;
    }
    OrbitrovePage.cover.hidden = !shown;
  },

  orbitrove_page_request_fullscreen: function () {
    var page = document.documentElement;
    if (document.fullscreenElement || !page.requestFullscreen) return;
    // Refused (no user gesture, or a browser without it): the screen fills
    // the page all the same.
    page.requestFullscreen().catch(function () {});
  },

  orbitrove_page_exit_fullscreen: function () {
    if (document.fullscreenElement) document.exitFullscreen().catch(function () {});
  },

  orbitrove_page_fullscreen: function () {
    return !!document.fullscreenElement;
  },

  orbitrove_page_open: function (address) {
    window.open(UTF8ToString(address), '_blank', 'noopener');
  },

  // The page shows what it likes on the end; the event says with what status.
  orbitrove_page_ended: function (status) {
    window.dispatchEvent(new CustomEvent('orbitrove-ended', { detail: { status: status } }));
  },

  orbitrove_canvas_create__deps: ['$OrbitrovePage'],
  orbitrove_canvas_create: function (id, width, height, tooltip) {
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.className = tooltip ? 'orbitrove-tip' : 'orbitrove-screen';
    canvas.dataset.window = String(id);
    canvas.hidden = true;
    // The pointer reaches the screens through the page (see WebPlatform);
    // tool-tips let it through to what is under them.
    canvas.style.cssText = 'position: fixed; image-rendering: pixelated' + (tooltip ? '; pointer-events: none' : '');
    canvas.addEventListener('contextmenu', function (event) {
      event.preventDefault();
    });
    OrbitrovePage.root().appendChild(canvas);
    // Desynchronized: the canvas hands its pictures to the display itself,
    // so a change to it costs the page no frame of its own (no style,
    // layout, paint and commit on the page's threads), which was most of
    // the page's CPU in play; the pictures are the same.
    var context = canvas.getContext('2d', { alpha: false, desynchronized: true });
    OrbitrovePage.windows.set(id, { canvas: canvas, context: context });
  },

  orbitrove_canvas_destroy__deps: ['$OrbitrovePage'],
  orbitrove_canvas_destroy: function (id) {
    var entry = OrbitrovePage.windows.get(id);
    if (!entry) return;
    entry.canvas.remove();
    OrbitrovePage.windows.delete(id);
  },

  orbitrove_canvas_place__deps: ['$OrbitrovePage'],
  orbitrove_canvas_place: function (id, x, y, width, height, layer) {
    OrbitrovePage.place(OrbitrovePage.windows.get(id).canvas, x, y, width, height, layer);
  },

  orbitrove_canvas_show__deps: ['$OrbitrovePage'],
  orbitrove_canvas_show: function (id, shown) {
    OrbitrovePage.windows.get(id).canvas.hidden = !shown;
  },

  orbitrove_canvas_put__deps: ['$OrbitrovePage'],
  orbitrove_canvas_put: function (id, x, y, width, height, rgba) {
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    OrbitrovePage.windows.get(id).context.putImageData(new ImageData(pixels, width, height), x, y);
  },

  orbitrove_canvas_cursor__deps: ['$OrbitrovePage'],
  orbitrove_canvas_cursor: function (id, hand) {
    OrbitrovePage.windows.get(id).canvas.style.cursor = hand ? 'pointer' : 'default';
  },

  orbitrove_canvas_label__deps: ['$OrbitrovePage'],
  orbitrove_canvas_label: function (id, label) {
    OrbitrovePage.windows.get(id).canvas.setAttribute('aria-label', UTF8ToString(label));
  },

  orbitrove_picture_size: function (path, size) {
    var picture = Module['orbitrovePictures'].get(UTF8ToString(path));
    if (!picture) return 1;
    if (!picture.pixels) return 2;
    HEAP32[size >> 2] = picture.width;
    HEAP32[(size >> 2) + 1] = picture.height;
    return 0;
  },

  orbitrove_picture_copy: function (path, target) {
    var picture = Module['orbitrovePictures'].get(UTF8ToString(path));
    var rgba = picture.pixels;
    var first = target >> 2;
    for (var i = 0, n = picture.width * picture.height; i < n; ++i)
      HEAPU32[first + i] = (rgba[4 * i] << 16) | (rgba[4 * i + 1] << 8) | rgba[4 * i + 2];
  },
});
