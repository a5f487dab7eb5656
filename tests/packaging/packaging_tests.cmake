# SPDX-License-Identifier: MIT
# Checks of the desktop entry, the AppStream metainfo and the installed tree.
# A missing validator makes its test fail ("Could not find executable"):
# scripts/setup.sh installs desktop-file-utils, appstream and appstream-compose.

add_test(NAME packaging.desktop_entry_is_valid
    COMMAND desktop-file-validate "${STEREOMETRY_DESKTOP_FILE}" "${STEREOMETRY_PROBLEMS_DESKTOP_FILE}")
# desktop-file-validate exits 0 on warnings: count them as failures too.
set_tests_properties(packaging.desktop_entry_is_valid PROPERTIES
    FAIL_REGULAR_EXPRESSION "error:;warning:")

# --strict fails on warnings and infos; pedantic hints print as "P:".
add_test(NAME packaging.metainfo_is_valid
    COMMAND appstreamcli validate --pedantic --strict --no-net "${STEREOMETRY_METAINFO_FILE}")
set_tests_properties(packaging.metainfo_is_valid PROPERTIES
    FAIL_REGULAR_EXPRESSION "(^|\n)P: ")

if(TARGET stereometry)
    add_test(NAME packaging.installed_tree
        COMMAND "${CMAKE_CURRENT_LIST_DIR}/install_layout_test.sh"
                "${PROJECT_BINARY_DIR}" "${STEREOMETRY_APP_ID}" "${PROJECT_VERSION}"
                "${CPACK_DEBIAN_PACKAGE_RELEASE}")
endif()
