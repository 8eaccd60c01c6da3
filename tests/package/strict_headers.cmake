# Compiles a host that includes every header installed in INCLUDE_DIR (widget
# headers too, once there are any) with the warnings strict projects turn on
# and -Werror. The library's headers are normal includes, so their warnings
# count; Qt's are system includes, so Qt's own do not.
# Arguments: INCLUDE_DIR, QT_INCLUDE_DIRS (Core, and Widgets when found; "|"
# between them),
# SOURCE (the host's main), WORK, CXX_COMPILER and CXX_FLAGS (the library's),
# OTHER_COMPILER (another compiler, which warns about other things; optional).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB headers RELATIVE ${INCLUDE_DIR} ${INCLUDE_DIR}/*.h)
list(SORT headers)
list(LENGTH headers count)
if(count LESS 2)
    message(FATAL_ERROR "no headers installed in ${INCLUDE_DIR}")
endif()
set(content "")
foreach(header IN LISTS headers)
    string(APPEND content "#include <${header}>\n")
endforeach()
file(WRITE ${WORK}/strictHeaders.h "${content}")

set(flags -std=c++17 -fPIC -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wold-style-cast -Wnon-virtual-dtor -Werror)
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
set(includes -I${WORK} -I${INCLUDE_DIR})
string(REPLACE "|" ";" QT_INCLUDE_DIRS "${QT_INCLUDE_DIRS}")
foreach(dir IN LISTS QT_INCLUDE_DIRS)
    list(APPEND includes -isystem ${dir})
endforeach()
foreach(compiler IN ITEMS ${CXX_COMPILER} ${OTHER_COMPILER})
    execute_process(COMMAND ${compiler} ${extra} ${flags} ${includes} -c ${SOURCE} -o ${WORK}/strictHost.o
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result)
        message(FATAL_ERROR "the headers warn under strict flags with ${compiler}:\n${output}")
    endif()
    # The library's own flags (sanitizers) are for its own compiler only.
    set(extra)
endforeach()
message(STATUS "${count} headers compile without a warning")
