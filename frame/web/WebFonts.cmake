# The font files the native build draws the screens' faces with, for a web
# site: the file fontconfig picks through data/fonts.conf for each face the
# aliases name, regular and bold, with the list web_fonts.js loads before
# the program starts (fonts.json: each file's families and weight, as
# fontconfig reads them). Looked up when the build is configured, on this
# machine's fonts, as the native program looks them up when it runs.
#
#   orbitrove_web_fonts(TARGET FOLDER)
#
# makes TARGET, which copies the files and fonts.json into FOLDER/fonts/
# (where web_fonts.js looks, beside the page). The program also reads
# data/fonts.conf itself (addFaceAliases), from its own file system.
find_program(ORBITROVE_FC_MATCH fc-match REQUIRED)
find_program(ORBITROVE_FC_QUERY fc-query REQUIRED)

function(orbitrove_find_web_fonts files_out list_out)
  set(aliases ${PROJECT_SOURCE_DIR}/data/fonts.conf)
  set(config ${CMAKE_BINARY_DIR}/web-fonts/fontconfig.conf)
  file(WRITE ${config} "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                       "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                       "  <include>${aliases}</include>\n</fontconfig>\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${aliases})
  file(READ ${aliases} text)
  string(REGEX MATCHALL "<alias[^>]*>[ \t\r\n]*<family>[^<]+</family>" rules "${text}")
  set(files)
  foreach(rule IN LISTS rules)
    string(REGEX REPLACE ".*<family>([^<]+)</family>" "\\1" family "${rule}")
    foreach(weight regular bold)
      execute_process(COMMAND ${CMAKE_COMMAND} -E env FONTCONFIG_FILE=${config}
                              ${ORBITROVE_FC_MATCH} -f "%{file}" "${family}:weight=${weight}:slant=roman"
                      OUTPUT_VARIABLE file COMMAND_ERROR_IS_FATAL ANY)
      list(APPEND files ${file})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES files)
  set(entries)
  foreach(file IN LISTS files)
    execute_process(COMMAND ${ORBITROVE_FC_QUERY} -i 0 -f "%{family}\n%{weight}" ${file}
                    OUTPUT_VARIABLE described COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" described "${described}")
    list(GET described 0 families)
    list(GET described 1 weight)
    string(REPLACE "," "\", \"" families "${families}")
    get_filename_component(name ${file} NAME)
    list(APPEND entries "  {\"file\": \"${name}\", \"families\": [\"${families}\"], \"weight\": ${weight}}")
  endforeach()
  list(JOIN entries ",\n" entries)
  set(list ${CMAKE_BINARY_DIR}/web-fonts/fonts.json)
  file(WRITE ${list} "[\n${entries}\n]\n")
  set(${files_out} ${files} PARENT_SCOPE)
  set(${list_out} ${list} PARENT_SCOPE)
endfunction()

function(orbitrove_web_fonts target folder)
  orbitrove_find_web_fonts(files list)
  set(copies)
  foreach(file IN LISTS files ITEMS ${list})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${folder}/fonts/${name} DEPENDS ${file}
                       COMMAND ${CMAKE_COMMAND} -E copy ${file} ${folder}/fonts/${name})
    list(APPEND copies ${folder}/fonts/${name})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()
