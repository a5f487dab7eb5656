# Desktop integration (menu entry, AppStream metainfo) and the Debian package.
# Included from the top-level CMakeLists.txt after the program's own targets.

include(GNUInstallDirs)

set(STEREOMETRY_APP_ID "bg.lica_i_obemi.Stereometry")
set(STEREOMETRY_DESKTOP_FILE
    "${CMAKE_CURRENT_LIST_DIR}/${STEREOMETRY_APP_ID}.desktop")
set(STEREOMETRY_METAINFO_FILE
    "${CMAKE_CURRENT_LIST_DIR}/${STEREOMETRY_APP_ID}.metainfo.xml")

install(FILES "${STEREOMETRY_DESKTOP_FILE}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${STEREOMETRY_METAINFO_FILE}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${CMAKE_CURRENT_LIST_DIR}/copyright"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# --- CPack: stereometry_<version>_<arch>.deb ---------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "stereometry")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Stereometry developers")
set(CPACK_PACKAGE_CONTACT "Stereometry developers <stereometry@lica-i-obemi.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator of surface areas and volumes for school solid geometry")
set(CPACK_PACKAGE_DESCRIPTION
"A small desktop calculator for Bulgarian school students. One window with
six panels computes the lateral surface area, the full surface area and the
volume of a right prism (box, cube or any other), a regular pyramid, a
cylinder, a cone and a sphere, and the perimeter and area of a regular
polygon. Its window and messages are in Bulgarian.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "stereometry")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps adds the Qt, C++ and C runtime libraries the program links
# to. Named here as well: the Qt SVG module that draws the figure pictures,
# the platform plugins that Qt loads at run time to open the window, and
# fonts-wine with the "MS Sans Serif" face the window is laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, libqt6svg6, qt6-qpa-plugins")

include(CPack)

if(STEREOMETRY_BUILD_TESTS)
    include("${PROJECT_SOURCE_DIR}/tests/packaging/packaging_tests.cmake")
endif()
