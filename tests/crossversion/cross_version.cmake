# Each of two builds of the library (SELF, PEER: their crossversion programs)
# writes its values, then reads and checks what the other wrote.
# Arguments: SELF, PEER, WORK.
if(NOT EXISTS ${PEER})
    message(FATAL_ERROR "${PEER} is missing: build the other Qt version's tree first")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/self ${WORK}/peer)
foreach(step "${SELF};write;self" "${PEER};write;peer" "${SELF};read;peer" "${PEER};read;self")
    list(GET step 0 program)
    list(GET step 1 mode)
    list(GET step 2 dir)
    execute_process(COMMAND ${program} ${mode} ${WORK}/${dir}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    message(STATUS "${output}")
    if(result)
        message(FATAL_ERROR "${program} ${mode} ${dir} failed (${result})")
    endif()
endforeach()
