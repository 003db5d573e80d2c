# Warnings for every target of this project; Qt's and the system's headers
# come in as system includes and stay quiet. CI turns them into errors with
# -DRVPDF_WERROR=ON (the Makefile passes CMAKE_ARGS on to CMake).
option(RVPDF_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
if(RVPDF_WERROR)
    add_compile_options(-Werror)
endif()
