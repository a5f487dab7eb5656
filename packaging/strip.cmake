# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: strips the programs
# and the module they load as Debian's dh_strip does, which CPack's own
# stripping does not (it keeps the .comment section with the compiler's
# version, which lintian reports). A module keeps the symbols it is used by.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programs)
    message(FATAL_ERROR "strip.cmake: no program under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_STEREOMETRY_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip.cmake: could not strip ${program}")
    endif()
endforeach()

file(GLOB_RECURSE modules "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib/*.so")
if(NOT modules)
    message(FATAL_ERROR "strip.cmake: no module under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib")
endif()
foreach(module IN LISTS modules)
    execute_process(
        COMMAND "${CPACK_STEREOMETRY_STRIP}" --remove-section=.comment --remove-section=.note --strip-unneeded "${module}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip.cmake: could not strip ${module}")
    endif()
endforeach()
