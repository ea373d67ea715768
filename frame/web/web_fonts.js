// Loads the web fonts the canvas typesetter draws with before the program
// starts (it is linked in as a --pre-js): the screens are built, and their
// text measured, in main. The site's fonts/fonts.json (WebFonts.cmake writes
// it) names each font file with its families and weight, as fontconfig
// describes them; each file becomes a FontFace of a name of its own, so that
// the browser never substitutes or emboldens one. Module.orbitroveFontFolder
// moves the folder. A font that does not load is said on the console and
// left out; the typesetter then reports the face it cannot open, as the
// native one does.
Module['preRun'] = [].concat(Module['preRun'] || [], function loadWebFonts() {
  // The em size of a font file, from its 'head' table: the canvas measures
  // in pixels, the layout needs font units.
  function unitsPerEm(bytes) {
    var view = new DataView(bytes);
    var tables = view.getUint16(4);
    for (var i = 0; i < tables; ++i) {
      var record = 12 + 16 * i;
      if (view.getUint32(record) === 0x68656164) return view.getUint16(view.getUint32(record + 8) + 18);
    }
    throw new Error('no head table');
  }

  function loadFace(folder, entry, index) {
    return fetch(folder + entry.file)
      .then(function (response) {
        if (!response.ok) throw new Error('HTTP ' + response.status);
        return response.arrayBuffer();
      })
      .then(function (bytes) {
        var css = 'orbitrove-face-' + index;
        var face = new FontFace(css, bytes);
        return face.load().then(function () {
          (self.document ? document.fonts : self.fonts).add(face);
          return {css: css, file: entry.file, families: entry.families, weight: entry.weight,
                  unitsPerEm: unitsPerEm(bytes)};
        });
      })
      .catch(function (error) {
        console.error('orbitrove: the font ' + folder + entry.file + ' does not load: ' + error.message);
        return null;
      });
  }

  var folder = Module['orbitroveFontFolder'] || 'fonts/';
  addRunDependency('orbitrove-web-fonts');
  fetch(folder + 'fonts.json')
    .then(function (response) {
      if (!response.ok) throw new Error('HTTP ' + response.status);
      return response.json();
    })
    .then(function (entries) {
      return Promise.all(entries.map(function (entry, index) { return loadFace(folder, entry, index); }));
    })
    .catch(function (error) {
      console.error('orbitrove: no font list at ' + folder + 'fonts.json: ' + error.message);
      return [];
    })
    .then(function (faces) {
      Module['orbitroveWebFonts'] = faces.filter(function (face) { return face; });
      removeRunDependency('orbitrove-web-fonts');
    });
});
