# Regenerates docs/units.md with the tool and fails when the committed file
# differs: the catalogue changed without its documentation.
# Arguments: TOOL, DOC, WORK.
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} catalogue OUTPUT_FILE ${WORK}/units.md RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "qzunit catalogue failed: ${result}")
endif()
file(READ ${DOC} committed)
file(READ ${WORK}/units.md generated)
if(NOT committed STREQUAL generated)
    execute_process(COMMAND diff -u ${DOC} ${WORK}/units.md)
    message(FATAL_ERROR "docs/units.md is out of step with the catalogue; regenerate it: qzunit catalogue > docs/units.md")
endif()
