# Runs the widgets example with --screenshot and fails unless it wrote a PNG
# image: the example still builds its window and renders it offscreen.
# Arguments: EXAMPLE (the program), PNG (the file to write).
file(REMOVE ${PNG})
execute_process(COMMAND ${EXAMPLE} --screenshot ${PNG} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "${EXAMPLE} --screenshot failed: ${result}")
endif()
if(NOT EXISTS ${PNG})
    message(FATAL_ERROR "${EXAMPLE} wrote no ${PNG}")
endif()
file(SIZE ${PNG} size)
file(READ ${PNG} signature LIMIT 8 HEX)
if(size EQUAL 0 OR NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${PNG} is not a PNG image (${size} bytes)")
endif()
