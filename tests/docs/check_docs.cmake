# Runs Doxygen over the public headers with the configuration of the `docs`
# target, but warning about every undocumented public member instead of
# documenting it anyway, and fails listing those members.
# Arguments: DOXYGEN, DOXYFILE (the generated Doxyfile.docs), SOURCE_DIR, WORK.
if(NOT EXISTS "${DOXYFILE}")
    message(FATAL_ERROR "${DOXYFILE} is missing; configure the build with Doxygen installed")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Later assignments win in a Doxyfile. XML is the quickest output that still
# makes Doxygen go through every member.
file(READ ${DOXYFILE} config)
string(APPEND config "
EXTRACT_ALL = NO
WARN_IF_UNDOCUMENTED = YES
WARN_AS_ERROR = NO
WARN_LOGFILE = \"${WORK}/warnings.log\"
OUTPUT_DIRECTORY = \"${WORK}\"
GENERATE_HTML = NO
GENERATE_QHP = NO
GENERATE_LATEX = NO
GENERATE_XML = YES
QUIET = YES
")
file(WRITE ${WORK}/Doxyfile "${config}")
execute_process(
    COMMAND ${DOXYGEN} ${WORK}/Doxyfile
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(result)
    message(FATAL_ERROR "doxygen failed (${result}): ${errors}")
endif()
if(NOT EXISTS ${WORK}/warnings.log)
    message(FATAL_ERROR "doxygen wrote no warning log to ${WORK}")
endif()
# Doxygen may report a member more than once.
file(STRINGS ${WORK}/warnings.log undocumented REGEX "is not documented")
list(REMOVE_DUPLICATES undocumented)
list(LENGTH undocumented count)
if(count GREATER 0)
    list(SORT undocumented)
    string(REPLACE "${SOURCE_DIR}/" "" undocumented "${undocumented}")
    string(REPLACE ";" "\n" undocumented "${undocumented}")
    # Unformatted, one member a line; FATAL_ERROR would rewrap the text.
    message(NOTICE "${undocumented}")
    message(FATAL_ERROR "${count} public members have no doc comment (listed above)")
endif()
