# Builds the example host against the installed package, runs it on its
# project file and checks that the file it writes back is the same, byte for
# byte: values survive a read and a write unchanged.
# Arguments: SOURCE_DIR, BINARY_DIR, PACKAGE, PREFIX, LIBDIR, CXX_COMPILER, CXX_FLAGS.
file(REMOVE_RECURSE ${BINARY_DIR})
set(ENV{LD_LIBRARY_PATH} ${PREFIX}/${LIBDIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -DCMAKE_PREFIX_PATH=${PREFIX} -DQZUNIT_PACKAGE=${PACKAGE}
            -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} RESULT_VARIABLE result OUTPUT_QUIET)
endif()
if(result)
    message(FATAL_ERROR "building the example failed")
endif()
execute_process(
    COMMAND ${BINARY_DIR}/projectfile ${SOURCE_DIR}/project.xml ${BINARY_DIR}/saved.xml USCommon
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message(STATUS "${output}")
if(result OR NOT errors STREQUAL "")
    message(FATAL_ERROR "the example failed (${result}): ${errors}")
endif()
foreach(expected "Billet diameter +4.72441 in" "Billet temperature +2192.0 °F" "Cycle time +42.5 s")
    if(NOT output MATCHES "${expected}")
        message(FATAL_ERROR "the example did not show '${expected}'")
    endif()
endforeach()
file(READ ${SOURCE_DIR}/project.xml original)
file(READ ${BINARY_DIR}/saved.xml saved)
if(NOT original STREQUAL saved)
    message(FATAL_ERROR "the project file changed on its way through the library")
endif()
