# `make package`: a Debian binary package of the installed tree. The shared
# libraries' packages come from dpkg-shlibdeps; the fonts the game opens at
# run time (see data/fonts.conf) and the video libraries it loads only while
# its intro plays are named here. The package ships its own sound bank (cut
# from timgm6mb-soundfont's when the game is built), so it needs no other.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbitrove)
set(CPACK_PACKAGE_VERSION 0.9.10)
set(CPACK_PACKAGE_CONTACT "Jan Hvězda <hvezdar@nebulka.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catch the crates of nuclear waste and dodge the station's lasers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small single-player arcade game. You steer a little ship over a grid with
the arrow keys, catch the crates of nuclear waste that drift in from an
orbital station on eight cargo lanes, and dodge the laser beams the station
fires along four laser lanes, through ten levels that ask for more crates and
run faster. The game's texts are in Czech.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://nebulka.example.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(video_packages)
foreach(library libavformat libavcodec libswscale libavutil)
  string(REGEX MATCH "^[0-9]+" major "${FFMPEG_${library}_VERSION}")
  list(APPEND video_packages "${library}${major}")
endforeach()
list(JOIN video_packages ", " video_packages)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-kaushanscript, fonts-ocr-a, ${video_packages}")
# The about box opens its web links with xdg-open; without it they do nothing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
