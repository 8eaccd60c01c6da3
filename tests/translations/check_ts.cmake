# Runs lupdate over the library's sources into a copy of a .ts file and fails
# when the copy differs: a text added, changed or removed in the sources
# without the translations following. Fails as well while a text of the
# catalogue waits for its translation.
# Arguments: LUPDATE, SOURCE_DIR, TS, LANGUAGE (the catalogue's), WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
# qzUnit_<language>.ts
string(REGEX REPLACE "^[^_]*_(.*)\\.ts$" "\\1" language ${name})
configure_file(${TS} ${WORK}/${name} COPYONLY)
execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none -source-language en -target-language ${language}
            unit value xml dimensions widgets examples/widgets tools/qzunit -ts ${WORK}/${name}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(READ ${TS} committed)
file(READ ${WORK}/${name} extracted)
if(NOT committed STREQUAL extracted)
    execute_process(COMMAND diff -u ${TS} ${WORK}/${name})
    message(FATAL_ERROR "${name} is out of step with the sources; run lupdate (see README) and translate the new texts")
endif()
string(FIND "${committed}" "type=\"unfinished\"" unfinished)
if(NOT unfinished EQUAL -1)
    message(FATAL_ERROR "${name} has texts without a translation; translate them (see translations/README.md)")
endif()
