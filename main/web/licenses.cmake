# Writes the site's LICENSES.html and, in licenses/, the full terms of what
# the site ships: the game, the runtime compiled into it, js-synthesizer and
# its FluidSynth, the fonts and the sound font, each under its own terms.
# The fonts' and the sound font's terms are their Debian packages' copyright
# files. Run as cmake -DSOURCE=REPO -DSITE=FOLDER -DFONTS=A,B,...
# -DSOUND_FONT=FILE -DSITE_SOUND_FONT=NAME (the bank cut from it, in sound/)
# -DJS_SYNTHESIZER=FOLDER -DDPKG_QUERY=dpkg-query -P licenses.cmake.
set(terms ${SITE}/licenses)
file(REMOVE_RECURSE ${terms})
file(MAKE_DIRECTORY ${terms})

function(html text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The Debian package that installed `file`.
function(package_of file out)
  execute_process(COMMAND ${DPKG_QUERY} -S ${file} OUTPUT_VARIABLE owner COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE ":.*" "" owner "${owner}")
  set(${out} ${owner} PARENT_SCOPE)
endfunction()

# A Debian package's copyright file, copied into licenses/, and the licence
# it names first.
function(debian_terms package copy_out licence_out)
  set(copyright /usr/share/doc/${package}/copyright)
  file(COPY_FILE ${copyright} ${terms}/${package}-copyright.txt)
  file(READ ${copyright} text)
  string(REGEX MATCH "License:[ \t\r\n]*([^\r\n]+)" named "${text}")
  string(STRIP "${CMAKE_MATCH_1}" licence)
  string(REGEX REPLACE "\\.$" "" licence "${licence}")
  set(${copy_out} licenses/${package}-copyright.txt PARENT_SCOPE)
  set(${licence_out} ${licence} PARENT_SCOPE)
endfunction()

function(entry out title what licence links)
  html("${what}" what)
  set(${out} "${${out}}<section>\n<h2>${title}</h2>\n<p>${what}</p>\n<p>Licence: <strong>${licence}</strong>. ${links}</p>\n</section>\n" PARENT_SCOPE)
endfunction()

set(body)
file(COPY_FILE ${SOURCE}/LICENSE ${terms}/GPL-3.0.txt)
file(COPY_FILE ${SOURCE}/packaging/copyright ${terms}/orbitrove-copyright.txt)
file(STRINGS ${SOURCE}/packaging/copyright source REGEX "^Source: ")
string(REGEX REPLACE "^Source: *" "" source "${source}")
entry(body "Orbitrove"
  "The game: the program (orbitrove.js, orbitrove.wasm), this page and the game's page, and everything in data/ and video/, which the game's own generators make."
  "GPL-3.0-or-later"
  "Its source: <a href=\"${source}\">${source}</a>. <a href=\"licenses/orbitrove-copyright.txt\">Copyright</a>, <a href=\"licenses/GPL-3.0.txt\">the licence's text</a>.")

debian_terms(emscripten copy licence)
entry(body "Emscripten's runtime and libraries"
  "The C and C++ libraries and the JavaScript runtime that Debian's Emscripten compiles into the program (orbitrove.js, orbitrove.wasm)."
  "Expat (MIT) or NCSA, and the further terms its copyright file lists"
  "<a href=\"${copy}\">Copyright and terms</a> (Debian's emscripten package).")

file(COPY_FILE ${JS_SYNTHESIZER}/LICENSE ${terms}/js-synthesizer-LICENSE.txt)
entry(body "js-synthesizer"
  "The synthesizer's JavaScript interface, run in the page's audio worklet (sound/js-synthesizer.worklet.js)."
  "BSD-3-Clause" "<a href=\"licenses/js-synthesizer-LICENSE.txt\">The licence's text</a>.")

file(COPY_FILE ${JS_SYNTHESIZER}/externals/LICENSE.fluidsynth.txt ${terms}/LGPL-2.1.txt)
entry(body "FluidSynth"
  "The synthesizer that plays the music, compiled to WebAssembly by the fluidsynth-emscripten project, as js-synthesizer ships it (sound/libfluidsynth-2.3.0.js)."
  "LGPL-2.1-or-later"
  "Its source: <a href=\"https://github.com/jet2jet/fluidsynth-emscripten\">https://github.com/jet2jet/fluidsynth-emscripten</a>. <a href=\"licenses/LGPL-2.1.txt\">The licence's text</a>.")

string(REPLACE "," ";" fonts "${FONTS}")
set(packages)
foreach(font IN LISTS fonts)
  package_of(${font} package)
  get_filename_component(name ${font} NAME)
  list(APPEND packages ${package})
  list(APPEND files_${package} ${name})
endforeach()
list(REMOVE_DUPLICATES packages)
foreach(package IN LISTS packages)
  debian_terms(${package} copy licence)
  list(JOIN files_${package} ", " names)
  entry(body "The fonts of ${package}"
    "Font files the screens' text is drawn with (fonts/): ${names}, from Debian's ${package} package."
    "${licence}" "<a href=\"${copy}\">Copyright and terms</a>.")
endforeach()

package_of(${SOUND_FONT} package)
debian_terms(${package} copy licence)
get_filename_component(name ${SOUND_FONT} NAME)
entry(body "The sound font"
  "The sound bank the music is played with (sound/${SITE_SOUND_FONT}): the General MIDI bank ${name} from Debian's ${package} package, cut to the presets, instruments and samples that the game's music plays, which are as in ${name}."
  "${licence}" "<a href=\"${copy}\">Copyright and terms</a>.")

file(WRITE ${SITE}/LICENSES.html "<!doctype html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>Orbitrove: licences</title>
<style>
  body { margin: 2em auto; max-width: 46em; padding: 0 1em; font: 16px/1.5 sans-serif; background: #14141c; color: #d8d8e0; }
  a { color: #9cc4ff; }
  h2 { font-size: 1.15em; margin-top: 1.6em; }
</style>
</head>
<body>
<h1>What this site ships, and under which terms</h1>
<p>Each part below is under its own terms; the links lead to their full texts. <a href=\"./\">Back to the game</a>.</p>
${body}</body>
</html>
")
