# Desktop integration and the Debian package. The program and its resources are
# installed in src/CMakeLists.txt; this adds what a desktop needs to offer it
# (entry, icons, file types, software-centre data) and the CPack settings, so that
# "cpack -G DEB" in the build folder packages exactly what "cmake --install" installs.
include(GNUInstallDirs)

set(KARTELLO_ANWENDUNGSKENNUNG de.velmora.KartelloQuiz)
set(KARTELLO_PAKETORDNER ${CMAKE_SOURCE_DIR}/packaging)

install(FILES ${KARTELLO_PAKETORDNER}/${KARTELLO_ANWENDUNGSKENNUNG}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KARTELLO_PAKETORDNER}/${KARTELLO_ANWENDUNGSKENNUNG}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KARTELLO_PAKETORDNER}/${KARTELLO_ANWENDUNGSKENNUNG}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${KARTELLO_ANWENDUNGSKENNUNG}.xml)
install(DIRECTORY ${KARTELLO_PAKETORDNER}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kartello-quiz)

# The machine-readable copyright file, put together from the fragments in name order, so
# that data added to the package brings its own fragment without touching the others.
file(GLOB KARTELLO_COPYRIGHT_TEILE CONFIGURE_DEPENDS ${KARTELLO_PAKETORDNER}/copyright.d/*)
list(SORT KARTELLO_COPYRIGHT_TEILE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KARTELLO_COPYRIGHT_TEILE})
set(KARTELLO_COPYRIGHT ${CMAKE_BINARY_DIR}/paket/copyright)
set(KARTELLO_COPYRIGHT_TEXT "")
foreach(teil ${KARTELLO_COPYRIGHT_TEILE})
    file(READ ${teil} inhalt)
    string(STRIP "${inhalt}" inhalt)
    if(KARTELLO_COPYRIGHT_TEXT)
        string(APPEND KARTELLO_COPYRIGHT_TEXT "\n\n")
    endif()
    string(APPEND KARTELLO_COPYRIGHT_TEXT "${inhalt}")
endforeach()
file(CONFIGURE OUTPUT ${KARTELLO_COPYRIGHT} CONTENT "${KARTELLO_COPYRIGHT_TEXT}\n" @ONLY)
install(FILES ${KARTELLO_COPYRIGHT} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kartello-quiz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kartello-quiz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora Kartello-Quiz <kartello-quiz@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quiz player for maps, cloze texts and single questions")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kartello-Quiz plays topic documents (*.tvl) as timed quizzes: learners drag labels
onto a map or picture, fill the gaps of a cloze text or answer single questions.
Each run is graded with a German school grade and kept in a protocol and in the
quiz's best list, which a class may share in a network folder. Sample quizzes,
sounds and the German help pages are included.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kartello-quiz.velmora.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from the binaries; the fonts the pages are measured with, the Qt
# platform plugins (loaded at run time, invisible to dpkg-shlibdeps) and Qt's German
# texts of the file, print and message dialogs are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
