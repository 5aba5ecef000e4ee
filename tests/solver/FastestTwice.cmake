# The fastest search on stage 1 with a narrow beam, twice: the same script both times, one that
# replays to a clear of stage 1 with no ball lost.
# cmake -DSOLVER=<tilebounce-solve> -DREPLAY=<tilebounce-replay> -DWORK=<dir> -P ...
foreach(run 1 2)
    set(script ${WORK}/fastest-${run}.keys)
    file(REMOVE ${script})
    execute_process(COMMAND ${SOLVER} --fastest --stages 1 --beam 40 --output ${script}
                    ERROR_VARIABLE progress RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT progress MATCHES "stage 1: [0-9]+ substeps \\(at least [0-9]+\\)")
        message(FATAL_ERROR "the fastest search failed (${status}):\n${progress}")
    endif()
endforeach()
file(READ ${WORK}/fastest-1.keys first)
file(READ ${WORK}/fastest-2.keys second)
if(NOT first STREQUAL second)
    message(FATAL_ERROR "two runs of the fastest search gave different scripts")
endif()
execute_process(COMMAND ${REPLAY} ${WORK}/fastest-1.keys OUTPUT_VARIABLE console
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors MATCHES "end=closed stage=2 lives=12 ")
    message(FATAL_ERROR "the fastest script does not clear stage 1:\n${console}${errors}")
endif()
