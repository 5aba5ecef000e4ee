# tb_inih: the INI reader behind the settings file, Debian's libinih. The Windows build keeps no
# settings file (its source package could not be fetched for the cross-build), so it needs none.
add_library(tb_inih INTERFACE)
if(NOT WIN32)
    pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
    target_link_libraries(tb_inih INTERFACE PkgConfig::INIH)
endif()
