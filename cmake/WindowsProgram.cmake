# tb_windows_program(<target> [WINDOWED]): what an executable of ours needs on Windows, and
# nothing elsewhere: the game's icon as its icon resource (Explorer and the taskbar show it) and
# every library linked in, so that the .exe runs on its own. WINDOWED makes it a program of the
# window subsystem, which opens no console window of its own.
if(WIN32)
    enable_language(RC)
endif()

function(tb_windows_program target)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOWED" "" "")
    set(resources "${CMAKE_CURRENT_BINARY_DIR}/${target}-resources.rc")
    # Under the icon group's own id, as the program's built-in resources hold it.
    tb_resource_id(icon_group IconGroup)
    file(CONFIGURE OUTPUT "${resources}"
         CONTENT "${icon_group} ICON \"${PROJECT_SOURCE_DIR}/assets/tilebounce.ico\"\n")
    target_sources(${target} PRIVATE "${resources}")
    # No link time in the header: the same sources give the same .exe.
    target_link_options(${target} PRIVATE -static -Wl,--no-insert-timestamp)
    if(arg_WINDOWED)
        target_link_options(${target} PRIVATE -mwindows)
    endif()
endfunction()
