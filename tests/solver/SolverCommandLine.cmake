# The solver's command line: bad arguments and unreadable lead scripts are refused with status 2
# before any search, an output that cannot be written with status 1; a stage that its budget
# cannot clear is named, with status 1 and no script; a search too big for memory is refused or,
# under a limit, ends with one line.
# cmake -DSOLVER=<tilebounce-solve> -DFASTEST=<fastest-game.keys> -DWORK=<dir> -P ...
set(failures "")
function(expect status message)
    execute_process(COMMAND ${SOLVER} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
                    RESULT_VARIABLE got)
    if(NOT got STREQUAL status OR NOT err MATCHES "${message}")
        set(failures "${failures}${ARGN}: status ${got}, stderr:\n${err}\n" PARENT_SCOPE)
    endif()
endfunction()

expect(0 "" --version)
expect(2 "--stages: '0' is not a whole number from 1 to 20" --stages 0-3)
expect(2 "--stages: stage 5 comes after stage 3" --stages 5-3)
expect(2 "--stages: '21' is not a whole number from 1 to 20" --stages 21)
expect(2 "--budget: '0' is not a whole number" --budget 0)
expect(2 "--budget: '1000000000001' is not a whole number from 1 to 1000000000000"
       --budget 1000000000001)
expect(2 "unknown option '--frobnicate'" --frobnicate)
expect(1 "cannot write the script .*no-such-folder/out.keys" --stages 1
       --output ${WORK}/no-such-folder/out.keys)
expect(1 "cannot write the script .*no\\\\x0astage 1/out.keys" --stages 1
       --output "${WORK}/no\nstage 1/out.keys")
expect(2 "--lead goes with --stages starting after 1" --stages 2-3)
string(ASCII 27 escape)
expect(2 "lead script: cannot read the script .*no\\\\x1b.2J.keys" --stages 2-3 --lead
       "${WORK}/no${escape}[2J.keys")
expect(2 "--lead goes with --stages starting after 1" --lead ${WORK}/none.keys)
expect(2 "lead script: cannot read the script .*none.keys" --stages 2-3 --lead ${WORK}/none.keys)
# A search too big for memory is refused before it starts; an output that is the lead is refused.
expect(2 "a beam of 1000000 with a budget of 4000000 positions would take about [0-9]+ MiB, more than the 1024 MiB"
       --beam 1000000)
expect(2 "a beam of [0-9]+ with a budget of 2147483647 positions would take about"
       --budget 2147483647)
expect(2 "a beam of 1000000 with a budget of 120000000 positions would take about [0-9]+ MiB"
       --fastest --beam 1000000)
# Out of memory under a limit on it: one line, status 1, and nothing left beside the output.
if(MEMORY_LIMIT)
    file(GLOB leftovers ${WORK}/oom.keys*)
    file(REMOVE ${WORK}/oom.keys ${leftovers})
    # A progress line may come first on a busy machine.
    execute_process(COMMAND sh -c "ulimit -v 200000 && exec \"$0\" \"$@\"" ${SOLVER} --fastest
                            --beam 100000 --output ${WORK}/oom.keys
                    ERROR_VARIABLE err RESULT_VARIABLE got)
    file(GLOB leftovers ${WORK}/oom.keys*)
    if(NOT got EQUAL 1 OR NOT err MATCHES "(^|\n)tilebounce-solve: out of memory in the search[^\n]*\n$"
       OR err MATCHES "bad_alloc" OR leftovers)
        string(APPEND failures "out of memory: status ${got}, left ${leftovers}, stderr:\n${err}\n")
    endif()
endif()
file(WRITE ${WORK}/lead.keys "1 -\n")
expect(2 "--output and --lead name the same file .*lead.keys" --stages 2 --lead ${WORK}/lead.keys
       --output ${WORK}/lead.keys)
file(READ ${WORK}/lead.keys lead)
if(NOT lead STREQUAL "1 -\n")
    string(APPEND failures "the lead script was overwritten: ${lead}\n")
endif()
file(WRITE ${WORK}/bad-lead.keys "1 -\n1 Sideways\n")
expect(2 "lead script: bad script, line 2: unknown key 'Sideways'" --stages 2 --lead
       ${WORK}/bad-lead.keys)
expect(2 "--bounds goes with --stages and --budget alone" --bounds ${WORK}/lead.keys --fastest)
expect(2 "script: cannot read the script .*none.keys" --bounds ${WORK}/none.keys)
expect(1 "the script clears none of stages 2-3" --bounds ${WORK}/lead.keys --stages 2-3
       --budget 8000000000)
# The bounds of a short stage, those with the hover no more than the substeps the script takes
# there, hovering; without the hover the stage takes longer, and hovering all through no less.
execute_process(COMMAND ${SOLVER} --bounds ${FASTEST} --stages 6 OUTPUT_VARIABLE out
                ERROR_QUIET RESULT_VARIABLE got)
if(NOT got EQUAL 0 OR NOT out MATCHES
   "^stage 6: ([0-9]+) substeps, at least ([0-9]+) from where the script enters it, at least ([0-9]+) whatever the ball brings, at least ([0-9]+) without the hover, at least ([0-9]+) hovering all through\nin all: ")
    string(APPEND failures "--bounds --stages 6: status ${got}, stdout:\n${out}\n")
elseif(CMAKE_MATCH_2 GREATER CMAKE_MATCH_1 OR CMAKE_MATCH_3 GREATER CMAKE_MATCH_2
       OR NOT CMAKE_MATCH_4 GREATER CMAKE_MATCH_1 OR CMAKE_MATCH_5 LESS CMAKE_MATCH_3)
    string(APPEND failures "--bounds --stages 6 out of order: ${out}\n")
endif()
file(REMOVE ${WORK}/unsolved.keys)
expect(1 "stage 1 not cleared after a beam of 250 positions.* up to 20 positions; the closest"
       --stages 1 --budget 20 --output ${WORK}/unsolved.keys)
expect(1 "stage 1 not cleared after the fastest search: .* up to 20 positions; the closest"
       --stages 1 --fastest --budget 20 --output ${WORK}/unsolved.keys)
if(EXISTS ${WORK}/unsolved.keys)
    string(APPEND failures "a script was written for an unsolved stage\n")
endif()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
