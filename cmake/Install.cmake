# Installation and the Debian package.
#
# Installed, the application folder is one folder, P/lib/orvanta, laid out exactly as the build
# lays out build/app: the programs, the engine, the drawing plugin and every delivered data file
# side by side. The programs find the engine and the data beside themselves, as they do in the
# build folder, and names inside the folder are matched without regard to letter case, so the
# layout the data was written for stays whole. P/bin holds links to the two programs; the desktop
# entry, the chart file type and the icon go to P/share, where the desktop looks for them. The
# file installed.txt marks the folder as read-only for the user: what the program writes then
# goes to $XDG_DATA_HOME/orvanta.
set(ORVANTA_INSTALL_APP_DIR lib/orvanta)

install(TARGETS orvanta orvanta-cli RUNTIME DESTINATION ${ORVANTA_INSTALL_APP_DIR})
install(TARGETS orvanta_engine orvanta_cli_draw LIBRARY DESTINATION ${ORVANTA_INSTALL_APP_DIR})
install(DIRECTORY ${ORVANTA_APP_DIR}/ DESTINATION ${ORVANTA_INSTALL_APP_DIR}
  FILES_MATCHING
  PATTERN "*.bmp" PATTERN "*.BMP"
  PATTERN "*.txt" PATTERN "*.TXT"
  PATTERN "*.PLB" PATTERN "*.tch"
  PATTERN "default.*" PATTERN "Default.rnd")
install(DIRECTORY ${ORVANTA_APP_DIR}/help DESTINATION ${ORVANTA_INSTALL_APP_DIR})

# The ephemeris files come from Debian's swe-basic-data, on which the package depends: links in
# the application folder lead the engine to them, and Debian keeps them up to date.
foreach(file sepl_18.se1 semo_18.se1 seas_18.se1)
  install(CODE "
    set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORVANTA_INSTALL_APP_DIR}\")
    file(CREATE_LINK \"${ORVANTA_EPHEMERIS_DIR}/${file}\" \"\${folder}/${file}\" SYMBOLIC)")
endforeach()

install(CODE "
  set(prefix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(WRITE \"\${prefix}/${ORVANTA_INSTALL_APP_DIR}/${ORVANTA_INSTALLED_MARKER}\"
       \"The delivered data of Orvanta. The program does not write here: each user's files are in \\\$XDG_DATA_HOME/orvanta (~/.local/share/orvanta).\\n\")
  file(MAKE_DIRECTORY \"\${prefix}/bin\")
  foreach(program orvanta orvanta-cli)
    file(CREATE_LINK \"../${ORVANTA_INSTALL_APP_DIR}/\${program}\" \"\${prefix}/bin/\${program}\" SYMBOLIC)
  endforeach()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Astrology workstation with a Russian interface")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Natal charts as a zodiac wheel and an aspect table, interpretations from a\n library of Russian texts, transits, and orvanta-cli for charts from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_LICENSE "AGPL-3.0-or-later")
# The libraries the programs link (Qt 6, libswe, the C++ runtime) are found by dpkg-shlibdeps;
# the data the program reads at run time is named here: the ephemeris files, the fonts of the
# drawings, the zone history of every birth place (read by cctz, and no longer part of every
# Debian system) and Qt's own dialogs in Russian, which the interface needs as much as its own
# texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "swe-basic-data, fonts-dejavu-core, fonts-liberation2, tzdata, qt6-translations-l10n")
include(CPack)
