# Solves stages 6 and 7 with a narrower beam than the default, within a bounded budget, led
# there by a script that reaches stage 6, and replays what it found: the two stages must be
# cleared without a ball lost.
# cmake -DSOLVER=<tilebounce-solve> -DREPLAY=<tilebounce-replay> -DLEAD=<script> -DWORK=<dir> -P ...
set(script ${WORK}/two-hard-stages.keys)
file(REMOVE ${script})
execute_process(COMMAND ${SOLVER} --stages 6-7 --lead ${LEAD} --beam 100 --budget 1000000 --output ${script}
                ERROR_VARIABLE progress RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the solver failed (${status}):\n${progress}")
endif()
foreach(stage 6 7)
    if(NOT progress MATCHES "stage ${stage}: [0-9]+ substeps, [0-9]+ positions")
        message(FATAL_ERROR "no progress line for stage ${stage}:\n${progress}")
    endif()
endforeach()
if(NOT progress MATCHES "solved stages 6-7: replayed, [0-9]+ substeps and 12 lives left")
    message(FATAL_ERROR "no summary of the replay:\n${progress}")
endif()

execute_process(COMMAND ${REPLAY} ${script} OUTPUT_VARIABLE console ERROR_VARIABLE errors
                RESULT_VARIABLE status)
string(REGEX MATCHALL "stage[0-9]+" starts "${console}")
list(JOIN starts " " starts)
if(NOT status EQUAL 0 OR NOT starts STREQUAL "stage1 stage2 stage3 stage4 stage5 stage6 stage7"
   OR NOT errors MATCHES "end=closed stage=8 lives=12 ")
    message(FATAL_ERROR "the script found does not clear stages 6 and 7:\n${console}${errors}")
endif()
