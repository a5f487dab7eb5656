# SPDX-License-Identifier: MIT
# Debian's hardening flags, for the program and everything built with it (the
# tests run on the very objects the package ships, so they show the numeric
# rules hold with these flags too). None of them touches floating point.
#   -D_FORTIFY_SOURCE=2         checked string and memory functions (needs -O1 or more)
#   -fstack-protector-strong    stack canaries
#   -Wl,-z,relro,-z,now         relocations read-only, all symbols bound at start-up
# Left out where they do not apply or get in the way: sanitizer builds (their
# run-time library replaces the same functions), WebAssembly (no ELF, no stack
# protector), and with -DSTEREOMETRY_HARDENING=OFF.

option(STEREOMETRY_HARDENING "Build with Debian's hardening flags" ON)

if(STEREOMETRY_HARDENING AND NOT EMSCRIPTEN AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize"
        AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-fstack-protector-strong
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    add_link_options("LINKER:-z,relro,-z,now")
endif()
