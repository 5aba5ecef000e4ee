# Plays one golden key script with the replay tool and compares what it gives with what was
# checked in: the console lines, the last line of standard error, the trace when one is
# expected, and the exit status (0 unless <name>.status says otherwise). A replay that runs
# must also leave a 640 × 480 screenshot. With -DPICTURES=OFF no screenshot is asked for, so the
# tool leaves play undrawn: everything else must come out the same. With -DLINK=ON the script's
# link is played instead, which must play the same; a script refused makes no link, with the
# same refusal. Where <name>.times is checked in, the game's own times that --times reports must
# be those, wherever the tool runs.
# cmake -DTOOL=<tilebounce-replay> -DREPLAYS=<dir of scripts> -DNAME=<name> -DWORK=<dir> -P ...
set(expected ${REPLAYS}/${NAME})
set(trace ${WORK}/${NAME}.trace.csv)
set(screenshot ${WORK}/${NAME}.bmp)
set(played ${expected}.keys)
file(MAKE_DIRECTORY ${WORK})
file(REMOVE ${trace} ${screenshot})
set(picture_arguments --screenshot ${screenshot})
if(PICTURES STREQUAL "OFF")
    set(picture_arguments "")
endif()
set(status 0)
if(LINK STREQUAL "ON")
    set(played ${WORK}/${NAME}.link)
    execute_process(COMMAND ${TOOL} --link ${expected}.keys OUTPUT_FILE ${played}
                    ERROR_VARIABLE errors RESULT_VARIABLE status)
    set(console "")
endif()
set(times_arguments "")
if(EXISTS ${expected}.times)
    set(times_arguments --times)
endif()
if(status EQUAL 0)
    execute_process(COMMAND ${TOOL} --trace ${trace} ${picture_arguments} ${times_arguments} ${played}
                    OUTPUT_VARIABLE console ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()

set(failures "")
set(wanted_status 0)
if(EXISTS ${expected}.status)
    file(STRINGS ${expected}.status wanted_status)
endif()
if(NOT status STREQUAL wanted_status)
    string(APPEND failures "exit status ${status}, expected ${wanted_status}\n")
endif()

file(READ ${expected}.stdout wanted_console)
if(NOT console STREQUAL wanted_console)
    string(APPEND failures "console lines differ:\n${console}expected:\n${wanted_console}")
endif()

string(STRIP "${errors}" errors)
string(REGEX REPLACE ".*\n" "" end_line "${errors}")
file(STRINGS ${expected}.end wanted_end)
if(NOT end_line STREQUAL wanted_end)
    string(APPEND failures "last error line: ${end_line}\nexpected:        ${wanted_end}\n")
endif()

if(EXISTS ${expected}.times)
    file(READ ${expected}.times wanted_times)
    string(REGEX MATCHALL "(stage [0-9]+|total) [0-9]+:[0-9.]+\n" times "${errors}\n")
    string(JOIN "" times ${times})
    if(NOT times STREQUAL wanted_times)
        string(APPEND failures "times differ:\n${times}expected:\n${wanted_times}")
    endif()
endif()

if(EXISTS ${expected}.trace.csv)
    execute_process(COMMAND diff -u ${expected}.trace.csv ${trace}
                    OUTPUT_VARIABLE trace_diff RESULT_VARIABLE trace_differs)
    if(trace_differs)
        string(SUBSTRING "${trace_diff}" 0 3000 trace_diff)
        string(APPEND failures "trace differs:\n${trace_diff}")
    endif()
endif()

if(wanted_status EQUAL 0 AND NOT PICTURES STREQUAL "OFF")
    # "BM", then the width and height, little-endian, at bytes 18 and 22.
    file(READ ${screenshot} header LIMIT 26 HEX)
    string(SUBSTRING "${header}" 0 4 magic)
    string(SUBSTRING "${header}" 36 16 size)
    if(NOT magic STREQUAL "424d" OR NOT size STREQUAL "80020000e0010000")
        string(APPEND failures "no 640 × 480 screenshot (header ${header})\n")
    endif()
endif()

if(failures)
    message(FATAL_ERROR "replay ${NAME}:\n${failures}")
endif()
