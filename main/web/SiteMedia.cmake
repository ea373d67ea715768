# What the browser build's site serves for its media and its licences,
# beside the page, the program and data/ (site.cmake):
#   sound/   the music worklet (media/web/music_worklet.js), the FluidSynth
#            and js-synthesizer files it runs on (npm's js-synthesizer, in
#            node_modules/ from package-lock.json) and the game's sound bank
#            cut to what the pieces of data/ play, about a fifth of the
#            whole, as the native build cuts it (tools/bank/);
#   video/   each video of data/ transcoded by Debian's ffmpeg to VP9 WebM,
#            which browsers decode (data/NAME.avi is video/NAME.webm);
#            the site's data/NAME.avi is the video cut after its header,
#            all that the program reads of it (avi_header.cpp), made in
#            ORBITROVE_SITE_STAND_INS, which site.cmake serves instead;
#   LICENSES.html and licenses/   what the site ships and under which terms.
# `site_media` makes them all.
#
#   orbitrove_site_media(SITE)
find_program(ORBITROVE_FFMPEG ffmpeg REQUIRED)
find_program(ORBITROVE_DPKG_QUERY dpkg-query REQUIRED)

set(ORBITROVE_SITE_STAND_INS ${CMAKE_BINARY_DIR}/site-stand-ins)

set(ORBITROVE_JS_SYNTHESIZER ${PROJECT_SOURCE_DIR}/node_modules/js-synthesizer)
# The FluidSynth 2.3 build, as Debian's (2.3.1) renders the pieces.
set(ORBITROVE_FLUIDSYNTH_JS ${ORBITROVE_JS_SYNTHESIZER}/externals/libfluidsynth-2.3.0.js)

function(orbitrove_site_sound site out)
  set(sources ${ORBITROVE_FLUIDSYNTH_JS} ${ORBITROVE_JS_SYNTHESIZER}/dist/js-synthesizer.worklet.js
              ${PROJECT_SOURCE_DIR}/media/web/music_worklet.js)
  set(copies)
  foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${site}/sound/${name} DEPENDS ${source}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${site}/sound/${name})
    list(APPEND copies ${site}/sound/${name})
  endforeach()
  # web_media_start.js fetches it by this name.
  set(bank ${site}/sound/${ORBITROVE_CUT_SOUND_FONT})
  orbitrove_cut_sound_bank(${bank})
  set(${out} ${copies} ${bank} PARENT_SCOPE)
endfunction()

# VP9 at a quality that keeps the small pictures close to the native
# decoder's, marked with the colour matrix that decoder converts by; and
# the video's header for data/.
function(orbitrove_site_video site out)
  add_executable(orbitrove-avi-header EXCLUDE_FROM_ALL ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/avi_header.cpp)
  target_link_libraries(orbitrove-avi-header PRIVATE orbitrove_media_core)
  target_link_options(orbitrove-avi-header PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
  file(GLOB videos ${PROJECT_SOURCE_DIR}/data/*.avi)
  set(made)
  foreach(video IN LISTS videos)
    get_filename_component(name ${video} NAME_WE)
    set(webm ${site}/video/${name}.webm)
    add_custom_command(OUTPUT ${webm} DEPENDS ${video}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${site}/video
                       COMMAND ${ORBITROVE_FFMPEG} -v error -y -i ${video} -an -c:v libvpx-vp9 -crf 20 -b:v 0 -g 25
                               -threads 1 -colorspace smpte170m -color_range tv -f webm ${webm}
                       COMMENT "Transcoding ${name}.avi for the browser")
    set(header ${ORBITROVE_SITE_STAND_INS}/${name}.avi)
    add_custom_command(OUTPUT ${header} DEPENDS ${video} orbitrove-avi-header
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${ORBITROVE_SITE_STAND_INS}
                       COMMAND ${ORBITROVE_NODE} --no-experimental-fetch $<TARGET_FILE:orbitrove-avi-header> ${video}
                               ${header}
                       COMMENT "Cutting ${name}.avi after its header for the site's data/")
    list(APPEND made ${webm} ${header})
  endforeach()
  set(${out} ${made} PARENT_SCOPE)
endfunction()

function(orbitrove_site_media site)
  orbitrove_site_sound(${site} sound)
  orbitrove_site_video(${site} video)
  orbitrove_find_web_fonts(fonts font_list)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/licenses.cmake)
  set(inputs ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright
             ${ORBITROVE_JS_SYNTHESIZER}/LICENSE ${ORBITROVE_JS_SYNTHESIZER}/externals/LICENSE.fluidsynth.txt)
  list(JOIN fonts "," font_arg)
  add_custom_command(OUTPUT ${site}/LICENSES.html
                     COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DSITE=${site} "-DFONTS=${font_arg}"
                             -DSOUND_FONT=${ORBITROVE_SOUND_FONT} -DSITE_SOUND_FONT=${ORBITROVE_CUT_SOUND_FONT}
                             -DJS_SYNTHESIZER=${ORBITROVE_JS_SYNTHESIZER}
                             -DDPKG_QUERY=${ORBITROVE_DPKG_QUERY} -P ${script}
                     DEPENDS ${script} ${inputs} ${fonts} ${ORBITROVE_SOUND_FONT}
                     COMMENT "Writing the site's licences" VERBATIM)
  add_custom_target(site_media ALL DEPENDS ${sound} ${video} ${site}/LICENSES.html)
endfunction()
