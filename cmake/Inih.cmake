# tb_inih: the INI reader behind the settings file, Debian's libinih. The Windows and web builds
# keep no settings file (its source package could not be fetched for the cross-builds), so they
# need none.
add_library(tb_inih INTERFACE)
if(NOT CMAKE_CROSSCOMPILING)
    pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
    target_link_libraries(tb_inih INTERFACE PkgConfig::INIH)
endif()
