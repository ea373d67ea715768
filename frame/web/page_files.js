// Before the program starts, the page fetches the files it reads (the list
// the site was built with, files.json) into the program's file system, in a
// folder named as the page's own path, which becomes the current folder.
// Pictures are not copied: the browser decodes them, and the program's
// picture reader takes their pixels (Module.orbitrovePictures, by path). A
// file that cannot be fetched is left out, and one the browser cannot decode
// is marked so: the program reports either as it does on the desktop.
// Other parts of the page take what they need of each file as it comes:
// each of Module.orbitroveFileReaders is called with the file's path and
// bytes, and the program starts once all they return has settled.
Module['orbitrovePictures'] = new Map();
Module['orbitroveFileReaders'] = Module['orbitroveFileReaders'] || [];
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  addRunDependency('orbitrove-files');
  orbitroveLoadFiles().then(
    function () {
      removeRunDependency('orbitrove-files');
    },
    function (error) {
      abort('the game files cannot be loaded: ' + error);
    }
  );
});

function orbitroveIsPicture(path) {
  return /\.bmp$/i.test(path);
}

// The pixels of a picture file as RGBA, or no pixels when it cannot be decoded.
async function orbitroveDecode(bytes) {
  try {
    var options = { premultiplyAlpha: 'none', colorSpaceConversion: 'none' };
    var bitmap = await createImageBitmap(new Blob([bytes]), options);
    var canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    var context = canvas.getContext('2d', { willReadFrequently: true });
    context.drawImage(bitmap, 0, 0);
    var pixels = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    return { width: bitmap.width, height: bitmap.height, pixels: pixels };
  } catch (error) {
    return { width: 0, height: 0, pixels: null };
  }
}

async function orbitroveLoadOne(path) {
  var response = await fetch(path).catch(function () {
    return null;
  });
  if (!response || !response.ok) return;
  var bytes = new Uint8Array(await response.arrayBuffer());
  if (orbitroveIsPicture(path)) Module['orbitrovePictures'].set(path, await orbitroveDecode(bytes));
  else FS.writeFile(path, bytes);
  await Promise.all(Module['orbitroveFileReaders'].map(function (read) {
    return read(path, bytes);
  }));
}

async function orbitroveLoadFiles() {
  var folder = decodeURIComponent(new URL('.', location.href).pathname);
  var list = await (await fetch('files.json')).json();
  FS.mkdirTree(folder);
  FS.chdir(folder);
  list.forEach(function (path) {
    FS.mkdirTree(folder + path.substring(0, path.lastIndexOf('/') + 1));
  });
  await Promise.all(list.map(orbitroveLoadOne));
}
