# tb_sdl: SDL2 and SDL2_ttf for the code that sees them. On Linux, Debian's packages; for Windows
# and the web, the static builds of the same versions that scripts/build-deps makes.
add_library(tb_sdl INTERFACE)
if(CMAKE_CROSSCOMPILING)
    find_package(SDL2 REQUIRED CONFIG)
    find_package(SDL2_ttf REQUIRED CONFIG)
    target_link_libraries(tb_sdl INTERFACE SDL2_ttf::SDL2_ttf-static SDL2::SDL2-static)
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
    pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
    target_link_libraries(tb_sdl INTERFACE PkgConfig::SDL2 PkgConfig::SDL2_TTF)
endif()
