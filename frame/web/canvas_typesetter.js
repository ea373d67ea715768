// The browser's half of the canvas typesetter (CanvasTypesetter.cpp): the
// canvas measures text in font units and draws single glyphs; the C++ half
// lays lines out from these figures as the native text engine does. Faces
// are indices into Module.orbitroveWebFonts (web_fonts.js).
mergeInto(LibraryManager.library, {
  $orbitroveCanvas: {
    context: null,
    // The shared offscreen context, at least width x height, in the face's
    // font at `pixels`. Kerning is asked for: the default leaves out the
    // pairs with a space, which the native shaper kerns.
    use: function (face, pixels, width, height) {
      var canvas = orbitroveCanvas.context ? orbitroveCanvas.context.canvas : null;
      if (!canvas || canvas.width < width || canvas.height < height) {
        width = Math.max(width, canvas ? canvas.width : 64);
        height = Math.max(height, canvas ? canvas.height : 64);
        canvas = typeof OffscreenCanvas !== 'undefined' ? new OffscreenCanvas(width, height)
                                                        : Object.assign(document.createElement('canvas'), {width: width, height: height});
        orbitroveCanvas.context = canvas.getContext('2d', {willReadFrequently: true});
      }
      var context = orbitroveCanvas.context;
      context.font = pixels + 'px "' + Module['orbitroveWebFonts'][face].css + '"';
      context.fontKerning = 'normal';
      context.textBaseline = 'alphabetic';
      return context;
    },
  },

  // The loaded faces, one a line: file, weight, then each family, by tabs.
  orbitrove_web_faces__deps: ['malloc'],
  orbitrove_web_faces: function () {
    var faces = Module['orbitroveWebFonts'] || [];
    return allocateUTF8(faces.map(function (face) {
      return [face.file, face.weight].concat(face.families).join('\t');
    }).join('\n'));
  },

  // units[0..2]: the face's em, ascender and descender (positive) in font
  // units, measured at one pixel a unit.
  orbitrove_face_units__deps: ['$orbitroveCanvas'],
  orbitrove_face_units: function (face, units) {
    var em = Module['orbitroveWebFonts'][face].unitsPerEm;
    var metrics = orbitroveCanvas.use(face, em, 1, 1).measureText('x');
    HEAP32[units >> 2] = em;
    HEAP32[(units >> 2) + 1] = Math.round(metrics.fontBoundingBoxAscent);
    HEAP32[(units >> 2) + 2] = Math.round(metrics.fontBoundingBoxDescent);
  },

  // The advance of one code point, or of two with their kerning (second > 0),
  // in font units.
  orbitrove_text_units__deps: ['$orbitroveCanvas'],
  orbitrove_text_units: function (face, first, second) {
    var text = String.fromCodePoint(first) + (second > 0 ? String.fromCodePoint(second) : '');
    var em = Module['orbitroveWebFonts'][face].unitsPerEm;
    return Math.round(orbitroveCanvas.use(face, em, 1, 1).measureText(text).width);
  },

  // box[0..3]: the pixels a code point inks at `pixels` size, from its
  // origin on the baseline: left, top (up), right, bottom (down).
  orbitrove_glyph_box__deps: ['$orbitroveCanvas'],
  orbitrove_glyph_box: function (face, pixels, codePoint, box) {
    var metrics = orbitroveCanvas.use(face, pixels, 1, 1).measureText(String.fromCodePoint(codePoint));
    HEAP32[box >> 2] = -Math.round(metrics.actualBoundingBoxLeft);
    HEAP32[(box >> 2) + 1] = Math.round(metrics.actualBoundingBoxAscent);
    HEAP32[(box >> 2) + 2] = Math.round(metrics.actualBoundingBoxRight);
    HEAP32[(box >> 2) + 3] = Math.round(metrics.actualBoundingBoxDescent);
  },

  // The coverage of a code point drawn with its origin at (-left, top) of a
  // width x rows box, a byte a pixel, into `coverage`. Drawn in black: the
  // canvas's glyph masks for dark text are the closest to the native ones.
  orbitrove_glyph_coverage__deps: ['$orbitroveCanvas'],
  orbitrove_glyph_coverage: function (face, pixels, codePoint, left, top, width, rows, coverage) {
    if (width <= 0 || rows <= 0) return;
    var context = orbitroveCanvas.use(face, pixels, width, rows);
    context.clearRect(0, 0, width, rows);
    context.fillStyle = '#000';
    context.fillText(String.fromCodePoint(codePoint), -left, top);
    var pixelsRgba = context.getImageData(0, 0, width, rows).data;
    for (var i = 0; i < width * rows; ++i) HEAPU8[coverage + i] = pixelsRgba[4 * i + 3];
  },

  // The aliases of a fontconfig file, one rule a line: "alias", then the
  // family, then each preferred, accepted and default family as
  // "prefer\tname" and so on; null when the text is not well-formed XML.
  orbitrove_parse_face_aliases__deps: ['malloc'],
  orbitrove_parse_face_aliases: function (text) {
    var document = new DOMParser().parseFromString(UTF8ToString(text), 'application/xml');
    if (document.getElementsByTagName('parsererror').length) return 0;
    var lines = [];
    var familyOf = function (element) { return element.textContent.trim(); };
    Array.prototype.forEach.call(document.getElementsByTagName('alias'), function (alias) {
      var family = alias.getElementsByTagName('family')[0];
      if (!family || family.parentNode !== alias) return;
      lines.push('alias\t' + familyOf(family));
      ['prefer', 'accept', 'default'].forEach(function (kind) {
        Array.prototype.forEach.call(alias.getElementsByTagName(kind), function (list) {
          Array.prototype.forEach.call(list.getElementsByTagName('family'), function (named) {
            lines.push(kind + '\t' + familyOf(named));
          });
        });
      });
    });
    return allocateUTF8(lines.join('\n'));
  },
});
