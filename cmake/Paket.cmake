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
# The libraries come from the binaries; the fonts the pages are measured with and
# the Qt platform plugins (loaded at run time, invisible to dpkg-shlibdeps) are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
