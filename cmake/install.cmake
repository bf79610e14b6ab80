# Installing KivoPro32 as a desktop program, and the Debian package.
# Included from the top CMakeLists.txt after the program targets.
include(GNUInstallDirs)

set(KIVO_APP_ID com.kivopro.KivoPro32)
set(KIVO_PACKAGE_CONTACT "The KivoPro32 developers <developers@kivopro.com>"
    CACHE STRING "Maintainer of the Debian package")

# The programs' --version, and where an installed editor finds its template
# and which folder never holds its settings.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/startoptions.cpp ${CMAKE_SOURCE_DIR}/src/cli/kivorender.cpp
             APPEND PROPERTY COMPILE_DEFINITIONS KIVO_VERSION="${PROJECT_VERSION}")
file(RELATIVE_PATH kivo_data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/kivopro32)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/common/settingsfolder.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             KIVO_INSTALLED_BINDIR="${CMAKE_INSTALL_FULL_BINDIR}"
             KIVO_DATADIR_FROM_BINDIR="${kivo_data_from_bin}")

# Man pages and the package's change log are installed compressed, as
# Debian has them.
set(kivo_docs ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${kivo_docs}/changelog.Debian @ONLY)
set(kivo_gzipped)
foreach(source ${CMAKE_SOURCE_DIR}/packaging/kivopro32.1 ${CMAKE_SOURCE_DIR}/packaging/kivorender.1
               ${kivo_docs}/changelog.Debian)
  get_filename_component(doc ${source} NAME)
  add_custom_command(OUTPUT ${kivo_docs}/${doc}.gz
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${kivo_docs}/${doc}.gz
    DEPENDS ${source} VERBATIM)
  list(APPEND kivo_gzipped ${kivo_docs}/${doc}.gz)
endforeach()
add_custom_target(kivo_install_docs ALL DEPENDS ${kivo_gzipped})

install(TARGETS kivopro32 kivorender RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/NORMAL.TXT DESTINATION ${CMAKE_INSTALL_DATADIR}/kivopro32)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KIVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KIVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/kivopro32-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KIVO_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/kivopro32.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KIVO_APP_ID}.svg)
install(FILES ${kivo_docs}/kivopro32.1.gz ${kivo_docs}/kivorender.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${kivo_docs}/changelog.Debian.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kivopro32)

# cpack -G DEB, from a Release build configured with -DCMAKE_INSTALL_PREFIX=/usr.
set(CPACK_PACKAGE_NAME kivopro32)
set(CPACK_PACKAGE_VENDOR "The KivoPro32 developers")
set(CPACK_PACKAGE_CONTACT "${KIVO_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor with its own preview")
set(CPACK_PACKAGE_DESCRIPTION [[
KivoPro32 edits the HTML source of one page as plain text and builds the
page with commands that put markup into the text: headings, fonts, lists,
links, pictures, tables, forms and a library of the user's own tag pairs.
Its own viewer shows the page rendered.

The package also holds kivorender, which renders a page to PNG or PDF
from the command line.]])
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kivopro.com/)
# Library dependencies are read from the programs (dpkg-shlibdeps, from
# dpkg-dev); the fonts the viewer's classic faces map to are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# A bare system has no proportional face for menus and dialogs otherwise.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)

if(KIVO_TESTS)
  add_test(NAME install.installed_program
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/installed_program.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(install.installed_program PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endif()
