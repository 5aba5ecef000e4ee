# tb_simpleini: the INI reader behind the settings file, Debian's SimpleIni (libsimpleini-dev), a
# single header. Every build (Linux, Windows, the web) compiles the same copy of it, taken from
# the machine's package into the build folder, so a cross build needs no library of its own.
# Without conversion it reads UTF-8 as bytes: no conversion library is needed.
set(TB_SIMPLEINI_HEADER /usr/include/SimpleIni.h)
if(NOT EXISTS ${TB_SIMPLEINI_HEADER})
    message(FATAL_ERROR "SimpleIni.h not found: install Debian's libsimpleini-dev")
endif()
configure_file(${TB_SIMPLEINI_HEADER} ${CMAKE_BINARY_DIR}/simpleini/SimpleIni.h COPYONLY)
add_library(tb_simpleini INTERFACE)
target_include_directories(tb_simpleini SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/simpleini)
target_compile_definitions(tb_simpleini INTERFACE SI_NO_CONVERSION)
