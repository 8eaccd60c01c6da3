# Builds the `docs` target of the build tree BUILD (any Doxygen warning fails
# it) and checks the result: a page for every public header of INPUT_DIRS and
# none for the PRIVATE_HEADERS, and, when QCH is given, a Qt help file that
# carries the namespace NAMESPACE, the pages and the keywords' ids.
# Arguments: BUILD, DOCS (the output folder), QCH, NAMESPACE, SOURCE_DIR,
# INPUT_DIRS, PRIVATE_HEADERS.
cmake_policy(VERSION 3.16)
file(REMOVE_RECURSE ${DOCS})
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target docs
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "the docs target failed (${result}):\n${output}")
endif()
if(NOT EXISTS ${DOCS}/html/index.html)
    message(FATAL_ERROR "no entry page ${DOCS}/html/index.html")
endif()

set(pages)
foreach(dir IN LISTS INPUT_DIRS)
    file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${dir}/*.h)
    foreach(header IN LISTS headers)
        # Doxygen names a header's page after the file, the dot as _8.
        get_filename_component(page ${header} NAME)
        string(REPLACE "." "_8" page ${page})
        string(APPEND page .html)
        if(header IN_LIST PRIVATE_HEADERS)
            if(EXISTS ${DOCS}/html/${page})
                message(FATAL_ERROR "the internal ${header} is documented (${page})")
            endif()
        elseif(NOT EXISTS ${DOCS}/html/${page})
            message(FATAL_ERROR "${header} has no page ${page} in the reference")
        else()
            list(APPEND pages ${page})
        endif()
    endforeach()
endforeach()
list(LENGTH pages count)
message(STATUS "${count} headers documented in ${DOCS}/html")

if(NOT QCH)
    message(STATUS "no Qt help file: qhelpgenerator was not found")
    return()
endif()
if(NOT EXISTS ${QCH})
    message(FATAL_ERROR "no Qt help file ${QCH}:\n${output}")
endif()
# A Qt help file is an SQLite database; the namespace and the file names are
# stored as plain text in it.
file(READ ${QCH} magic LIMIT 16 HEX)
if(NOT magic STREQUAL "53514c69746520666f726d6174203300") # "SQLite format 3\0"
    message(FATAL_ERROR "${QCH} is not a Qt help file: it begins with ${magic}")
endif()
file(STRINGS ${QCH} texts REGEX "\\.html|${NAMESPACE}|::")
list(JOIN texts "\n" texts)
string(FIND "${texts}" "${NAMESPACE}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${QCH} does not carry the namespace ${NAMESPACE}")
endif()
foreach(page IN LISTS pages)
    string(FIND "${texts}" "${page}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${QCH} does not hold ${page}")
    endif()
endforeach()
# Qt Creator's context help finds a member by its qualified name alone.
string(FIND "${texts}" "qzUnitSystem::globalUnitSystem" at)
string(REGEX MATCH "[A-Za-z]_a[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]" anchored "${texts}")
if(at EQUAL -1 OR anchored)
    message(FATAL_ERROR "${QCH}: keywords without their qualified names as ids (${anchored})")
endif()
