# Debian's usual hardening for the optimised Linux builds, the package's among them: the flags
# dpkg-buildflags gives with every hardening feature on (fortify, stack protector, relro,
# bind-now; Debian's compilers make PIE themselves). Its optimisation, debug and file-prefix
# flags are left out: the build type and cmake/Reproducible.cmake decide those. Sanitizer and
# fuzz builds go without, as _FORTIFY_SOURCE and the sanitizers get in each other's way.
option(TB_HARDENING "Debian's hardening flags (dpkg-buildflags) in Release and RelWithDebInfo"
       ON)
if(TB_HARDENING AND NOT CMAKE_CROSSCOMPILING AND NOT TB_SANITIZE AND NOT TB_FUZZ)
    find_program(TB_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    set(optimised $<CONFIG:Release,RelWithDebInfo>)
    set(compiled $<AND:${optimised},$<COMPILE_LANGUAGE:C,CXX>>)
    foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${TB_DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g[0-9]?|f[a-z]*-prefix-map=.*)$")
        foreach(flag IN LISTS flags)
            if(kind STREQUAL "LDFLAGS")
                add_link_options($<${optimised}:${flag}>)
            else()
                add_compile_options($<${compiled}:${flag}>)
            endif()
        endforeach()
    endforeach()
endif()
