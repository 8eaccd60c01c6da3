# Builds and runs a consumer project against an installed qzUnit, the way a
# host of KIND would: cmake (find_package), pkgconfig (plain compiler call) or
# qmake (PKGCONFIG += qzUnit), against the package PACKAGE (qzUnit or qzUnitQt6);
# cmake-widgets and pkgconfig-widgets build a widgets host through the
# component Widgets and the pkg-config package qzUnitWidgets (qzUnitWidgetsQt6).
# Arguments: KIND, PACKAGE, SOURCE_DIR, BINARY_DIR, PREFIX, LIBDIR, QMAKE, and the
# CXX_COMPILER and CXX_FLAGS of the library's build (a sanitized library needs
# a sanitized host).
file(REMOVE_RECURSE ${BINARY_DIR})
file(MAKE_DIRECTORY ${BINARY_DIR})
set(ENV{PKG_CONFIG_PATH} ${PREFIX}/${LIBDIR}/pkgconfig)
set(ENV{LD_LIBRARY_PATH} ${PREFIX}/${LIBDIR})
set(ENV{QT_QPA_PLATFORM} offscreen)
if(PACKAGE STREQUAL "qzUnit")
    set(WIDGETS_PACKAGE qzUnitWidgets)
else()
    set(WIDGETS_PACKAGE qzUnitWidgetsQt6)
endif()

function(run step)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${BINARY_DIR}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result)
        message(FATAL_ERROR "${KIND} consumer: ${step} failed (${result}):\n${output}")
    endif()
    message(STATUS "${KIND} consumer: ${step}: ${output}")
endfunction()

separate_arguments(flags UNIX_COMMAND "${CXX_FLAGS}")
if(KIND STREQUAL "cmake")
    run(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR}/cmake -B . -DCMAKE_PREFIX_PATH=${PREFIX} -DPACKAGE=${PACKAGE}
        -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
    run(build ${CMAKE_COMMAND} --build .)
elseif(KIND STREQUAL "cmake-widgets")
    run(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR}/widgets -B . -DCMAKE_PREFIX_PATH=${PREFIX} -DPACKAGE=${PACKAGE}
        -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
    run(build ${CMAKE_COMMAND} --build .)
elseif(KIND MATCHES "^pkgconfig")
    set(package ${PACKAGE})
    set(source ${SOURCE_DIR}/consumer.cpp)
    if(KIND STREQUAL "pkgconfig-widgets")
        set(package ${WIDGETS_PACKAGE})
        set(source ${SOURCE_DIR}/widgets/consumer.cpp)
    endif()
    execute_process(COMMAND pkg-config --cflags --libs ${package}
        OUTPUT_VARIABLE pkg RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(result)
        message(FATAL_ERROR "pkg-config does not know ${package}")
    endif()
    separate_arguments(pkg UNIX_COMMAND "${pkg}")
    run(build ${CXX_COMPILER} ${flags} -std=c++17 ${source} ${pkg} -o consumer)
elseif(KIND STREQUAL "qmake")
    run(configure ${QMAKE} ${SOURCE_DIR}/qmake/consumer.pro QZUNIT_PACKAGE=${PACKAGE}
        QMAKE_CXX=${CXX_COMPILER} QMAKE_LINK=${CXX_COMPILER}
        "QMAKE_CXXFLAGS+=${CXX_FLAGS}" "QMAKE_LFLAGS+=${CXX_FLAGS}")
    run(build make)
else()
    message(FATAL_ERROR "unknown KIND ${KIND}")
endif()
run(run ${BINARY_DIR}/consumer)
