# The game's sound bank, which the native build puts beside the program and
# installs, and the browser build's site serves: Debian's General MIDI bank
# cut to what every piece of data/ plays (a piece the game plays is in
# data/), by cut_sound_bank.mjs on npm's spessasynth_core, which
# scripts/install-deps installs from package-lock.json into node_modules/.
#
#   orbitrove_cut_sound_bank(BANK)   the command that writes the file BANK
find_program(ORBITROVE_NODE node REQUIRED)

set(ORBITROVE_SOUND_FONT /usr/share/sounds/sf2/TimGM6mb.sf2)
get_filename_component(ORBITROVE_CUT_SOUND_FONT ${ORBITROVE_SOUND_FONT} NAME_WE)
set(ORBITROVE_CUT_SOUND_FONT ${ORBITROVE_CUT_SOUND_FONT}-cut.sf2)

set(ORBITROVE_BANK_CUTTER ${PROJECT_SOURCE_DIR}/node_modules/spessasynth_core)
if(NOT EXISTS ${ORBITROVE_BANK_CUTTER}/package.json)
  message(FATAL_ERROR "The sound bank is cut with npm's spessasynth_core, not in ${PROJECT_SOURCE_DIR}/node_modules: "
                      "run scripts/install-deps (or npm ci in ${PROJECT_SOURCE_DIR}).")
endif()

function(orbitrove_cut_sound_bank bank)
  file(GLOB pieces ${PROJECT_SOURCE_DIR}/data/*.mid)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/cut_sound_bank.mjs)
  get_filename_component(folder ${bank} DIRECTORY)
  add_custom_command(OUTPUT ${bank}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${ORBITROVE_NODE} ${script} ${ORBITROVE_SOUND_FONT} ${bank} ${pieces}
                     DEPENDS ${script} ${ORBITROVE_SOUND_FONT} ${pieces} ${ORBITROVE_BANK_CUTTER}/package.json
                     COMMENT "Cutting the sound bank to the music's presets" VERBATIM)
endfunction()
