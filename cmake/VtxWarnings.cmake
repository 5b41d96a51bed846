# One interface target that every target of the project links: warnings, -Werror in CI, and
# the sanitizers when VTX_SANITIZE is on.
add_library(vtx_warnings INTERFACE)
target_compile_options(vtx_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
    -Woverloaded-virtual -Wconversion -Wsign-conversion)
if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
    target_compile_options(vtx_warnings INTERFACE -Werror)
endif()
if(VTX_SANITIZE)
    target_compile_options(vtx_warnings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(vtx_warnings INTERFACE -fsanitize=address,undefined)
endif()
if(VTX_FUZZ_ONLY)
    # Every library is instrumented for coverage; only the fuzz targets take libFuzzer's main.
    target_compile_options(vtx_warnings INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
    target_link_options(vtx_warnings INTERFACE -fsanitize=address,undefined)
endif()
