# Makes the Qt help file QCH from Doxygen's help project QHP with
# QHELPGENERATOR (cmake -P, after Doxygen).
# Doxygen gives each keyword an id made unique by its anchor
# ("qzUnitValue::changeTo_aff5..."); Qt Creator's context help asks for the
# plain qualified name ("qzUnitValue::changeTo"), and offers every overload
# that carries it. So the anchors go before the file is made.
file(READ ${QHP} project)
string(REGEX REPLACE "( id=\"[^\"]*)_(a[0-9a-f]+)*\"" "\\1\"" project "${project}")
get_filename_component(dir ${QHP} DIRECTORY)
set(fixed ${dir}/qzUnit-help.qhp)
file(WRITE ${fixed} "${project}")
execute_process(COMMAND ${QHELPGENERATOR} ${fixed} -o ${QCH}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE ${fixed})
# A warning (a file the project lists but Doxygen did not write) fails the
# reference as Doxygen's own do.
if(result OR output MATCHES "[Ww]arning|[Ee]rror")
    file(REMOVE ${QCH})
    message(FATAL_ERROR "qhelpgenerator failed (${result}):\n${output}")
endif()
