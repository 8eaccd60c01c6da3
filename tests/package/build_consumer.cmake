# Configures, builds and runs a consumer project against an installed qzUnit.
# Arguments: SOURCE_DIR, BINARY_DIR, PREFIX, and the CXX_COMPILER and
# CXX_FLAGS of the library's build (a sanitized library needs a sanitized host).
file(REMOVE_RECURSE ${BINARY_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -DCMAKE_PREFIX_PATH=${PREFIX}
            -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "building the consumer failed")
endif()
execute_process(COMMAND ${BINARY_DIR}/consumer RESULT_VARIABLE result OUTPUT_VARIABLE output)
message(STATUS "consumer: ${output}")
if(result)
    message(FATAL_ERROR "the consumer failed: ${result}")
endif()
