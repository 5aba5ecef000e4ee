# Builds for the web with Debian's Emscripten. TB_DEPS lists the prefixes the web builds of the
# libraries were installed into; they join the find root so that find_package sees them and never
# the Linux copies.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Ahead of Emscripten's own root, which holds a config of its SDL port.
list(PREPEND CMAKE_FIND_ROOT_PATH ${TB_DEPS})
# emcc's JavaScript optimiser needs acorn, which Debian's node-acorn puts where Debian's own Node
# looks and another Node does not.
set(CMAKE_C_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
