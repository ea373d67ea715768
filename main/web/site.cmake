# Makes the static site: the page and its icon (the game's), the program
# (PROGRAM, the .js beside its .wasm) and every file of the program's data
# folder, with files.json, the list of them the page fetches before the
# program starts; a file of data/ that has a stand-in of the same name in
# STAND_INS (a video cut after its header, SiteMedia.cmake) is served as
# that. Run as
# cmake -DSOURCE=REPO -DPROGRAM=FILE.js -DSITE=FOLDER -DSTAND_INS=FOLDER -P site.cmake.
get_filename_component(program_dir ${PROGRAM} DIRECTORY)
get_filename_component(program_name ${PROGRAM} NAME_WE)
# data/ anew, so that a file gone from the source is gone from the site.
file(REMOVE_RECURSE ${SITE}/data)
file(MAKE_DIRECTORY ${SITE}/data)
file(COPY ${SOURCE}/main/web/index.html ${PROGRAM} ${program_dir}/${program_name}.wasm DESTINATION ${SITE})
file(COPY_FILE ${SOURCE}/data/icons/orbitrove-64.png ${SITE}/icon.png)
file(GLOB data LIST_DIRECTORIES false RELATIVE ${SOURCE} ${SOURCE}/data/*)
list(SORT data)
set(list)
foreach(file ${data})
  get_filename_component(name ${file} NAME)
  if(EXISTS ${STAND_INS}/${name})
    file(COPY ${STAND_INS}/${name} DESTINATION ${SITE}/data)
  else()
    file(COPY ${SOURCE}/${file} DESTINATION ${SITE}/data)
  endif()
  list(APPEND list "\"${file}\"")
endforeach()
list(JOIN list ",\n  " entries)
file(WRITE ${SITE}/files.json "[\n  ${entries}\n]\n")
