# tb_inih: the INI reader behind the settings file. On Linux, Debian's libinih; for Windows, the
# static build of the same version that scripts/build-windows-deps makes.
add_library(tb_inih INTERFACE)
if(WIN32)
    find_path(INIH_INCLUDE_DIR ini.h REQUIRED)
    find_library(INIH_LIBRARY NAMES inih REQUIRED)
    target_include_directories(tb_inih INTERFACE ${INIH_INCLUDE_DIR})
    target_link_libraries(tb_inih INTERFACE ${INIH_LIBRARY})
else()
    pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
    target_link_libraries(tb_inih INTERFACE PkgConfig::INIH)
endif()
