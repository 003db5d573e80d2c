# Instrumented builds, each in a build folder of its own:
#   -DRVPDF_SANITIZE=address,undefined   the whole tree under the sanitizers (make test-asan)
#   -DRVPDF_FUZZ=ON                      libFuzzer targets of tests/fuzz, with clang (make fuzz)
# The normal build sets neither and is unchanged by this file.
set(RVPDF_SANITIZE "" CACHE STRING "Sanitizers for every target, for example address,undefined")
option(RVPDF_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(RVPDF_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "RVPDF_FUZZ needs clang (for example -DCMAKE_CXX_COMPILER=clang++-15)")
    endif()
    if(NOT RVPDF_SANITIZE)
        set(RVPDF_SANITIZE "address,undefined" CACHE STRING "" FORCE)
    endif()
    # Coverage feedback for all our code; only the fuzz targets get libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(RVPDF_SANITIZE)
    # No recovery: the first report fails the test that caused it. -O1 and
    # line tables only keep the instrumented build affordable on two cores
    # while reports still name file and line.
    add_compile_options(-fsanitize=${RVPDF_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g1)
    add_link_options(-fsanitize=${RVPDF_SANITIZE})
    add_compile_definitions(RVPDF_SANITIZED)
endif()
