# tb_web_program(<target> PAGE|NODE): what an executable of ours needs in the web build, and
# nothing elsewhere. PAGE: the game for a page, its sleeps yielding to the browser (ASYNCIFY), its
# settings and records kept in IndexedDB by the page, which starts it (callMain) once the player
# has chosen how. NODE: a program run by Node that reads and writes the machine's files directly,
# as the native one does.
function(tb_web_program target kind)
    if(NOT EMSCRIPTEN)
        return()
    endif()
    target_link_options(${target} PRIVATE -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
    if(kind STREQUAL "NODE")
        target_link_options(${target} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1)
    else()
        # SDL's audio calls these JavaScript helpers, which the linker does not pull in by itself.
        # Their names begin with "$", which a shell would expand: emcc reads them from a file.
        set(helpers "${CMAKE_BINARY_DIR}/sdl-audio-helpers.json")
        file(WRITE "${helpers}" "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
        target_link_options(${target} PRIVATE -sENVIRONMENT=web -sASYNCIFY -lidbfs.js
            "-sEXPORTED_RUNTIME_METHODS=['FS','IDBFS','addRunDependency','removeRunDependency','callMain']"
            "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${helpers}")
    endif()
endfunction()
