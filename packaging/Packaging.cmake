# SPDX-License-Identifier: MIT
# Desktop integration (menu entry, AppStream metainfo, icon), manual pages,
# documentation and the Debian package. Included from the top-level
# CMakeLists.txt after the program's own targets; STEREOMETRY_APP_ID is set there.

include(GNUInstallDirs)

set(STEREOMETRY_DESKTOP_FILE
    "${CMAKE_CURRENT_LIST_DIR}/${STEREOMETRY_APP_ID}.desktop")
# The problems window's own menu entry, beside the calculator's.
set(STEREOMETRY_PROBLEMS_DESKTOP_FILE
    "${CMAKE_CURRENT_LIST_DIR}/${STEREOMETRY_APP_ID}.problems.desktop")
set(STEREOMETRY_METAINFO_FILE
    "${CMAKE_CURRENT_LIST_DIR}/${STEREOMETRY_APP_ID}.metainfo.xml")

install(FILES "${STEREOMETRY_DESKTOP_FILE}" "${STEREOMETRY_PROBLEMS_DESKTOP_FILE}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${STEREOMETRY_METAINFO_FILE}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The icon: the SVG and its PNGs, drawn by scripts/icons.sh and kept in git.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/icons/hicolor"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")

# Manual pages and changelogs, compressed as Debian wants them: gzip -9 -n,
# so that the same sources always give the same bytes.
set(compressed_dir "${PROJECT_BINARY_DIR}/packaging")
set(compressed_files)
function(stereometry_gzip source name)
    set(output "${compressed_dir}/${name}.gz")
    add_custom_command(OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${compressed_dir}"
        COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" "${source}" "${output}"
        DEPENDS "${source}" VERBATIM)
    set(compressed_files ${compressed_files} "${output}" PARENT_SCOPE)
endfunction()
stereometry_gzip("${CMAKE_CURRENT_LIST_DIR}/stereometry.1" stereometry.1)
stereometry_gzip("${CMAKE_CURRENT_LIST_DIR}/stereometry.bg.1" stereometry.bg.1)
stereometry_gzip("${CMAKE_CURRENT_LIST_DIR}/stereometry-solve.1" stereometry-solve.1)
stereometry_gzip("${PROJECT_SOURCE_DIR}/CHANGELOG.md" changelog)
stereometry_gzip("${CMAKE_CURRENT_LIST_DIR}/changelog.Debian" changelog.Debian)
add_custom_target(stereometry_compressed_docs ALL DEPENDS ${compressed_files})

install(FILES "${compressed_dir}/stereometry.1.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${compressed_dir}/stereometry-solve.1.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${compressed_dir}/stereometry.bg.1.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/bg/man1" RENAME stereometry.1.gz)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/copyright"
        "${compressed_dir}/changelog.gz" "${compressed_dir}/changelog.Debian.gz"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}")
# lintian --pedantic passes this package with no tag at all but the one
# overridden here (see the file for why); no info tag is left either.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/lintian-overrides"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME stereometry)

# --- CPack: stereometry_<version>-<revision>_<arch>.deb -----------------------
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
polygon. A second window solves a school problem from what it gives, exactly
and step by step. Its windows and messages are in Bulgarian.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "stereometry")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Stripped as Debian strips (dh_strip): symbols, .comment and .note; see strip.cmake.
set(CPACK_STRIP_FILES OFF)
set(CPACK_STEREOMETRY_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/strip.cmake")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps names the libraries the programs and the module they load
# (lib/<triplet>/stereometry/stereometry-on-demand.so) link to: Qt Core, Gui, Widgets,
# Svg and Print Support, and the C and C++ run-time. These also bring what Qt loads
# at run time: the X11 platform plugin comes with libqt6gui6, the SVG icon and
# image plugins with libqt6svg6. Named here are only the fonts the window is
# laid out in, which nothing links to: "MS Sans Serif" from fonts-wine, and
# Liberation Sans, which stands in for it in bold, italic and scaled text; and
# DejaVu Sans, which has every sign the problems window writes (⇒, ∛, ⁻, ⁴)
# where the others have not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation, fonts-dejavu-core")

include(CPack)

if(STEREOMETRY_BUILD_TESTS)
    include("${PROJECT_SOURCE_DIR}/tests/packaging/packaging_tests.cmake")
endif()
