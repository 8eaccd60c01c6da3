# Makes the Debian packages of the build BUILD with cpack, checks their names,
# dependencies and contents, extracts them into a scratch folder as if
# installed there, and builds and runs a host and the tool against them.
# Arguments: BUILD, CPACK, WORK, SOURCE_DIR (tests/package), PACKAGE (qzUnit
# or qzUnitQt6), QT_MAJOR_VERSION, TOOL, LIBDIR, CXX_COMPILER, CXX_FLAGS.
cmake_policy(VERSION 3.16)
file(REMOVE_RECURSE ${WORK})
include(${BUILD}/CPackConfig.cmake)

function(run out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(result)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

run(ignored ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}/out)
set(usr ${WORK}/root${CPACK_PACKAGING_INSTALL_PREFIX})
set(version ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(runtime ${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME})
# What each package may hold: the runtime no link-time file, the development
# package no run-time file, the tools package only programs.
set(allowed_Runtime "\\.so\\.[0-9]|\\.qm$")
set(allowed_Development "^(include|share/doc|${LIBDIR}/(cmake|pkgconfig|lib[^/]*\\.so$))")
set(allowed_Tools "^bin/")
set(packaged)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${component} upper)
    set(name ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
    file(GLOB deb ${WORK}/out/${name}_${version}_*.deb)
    if(NOT deb)
        message(FATAL_ERROR "no package ${name}_${version} made")
    endif()
    run(depends_${component} dpkg-deb -f ${deb} Depends)
    message(STATUS "${name}: Depends: ${depends_${component}}")
    # Each package alone for its file list, and all of them in one root.
    run(ignored dpkg-deb -x ${deb} ${WORK}/${component})
    run(ignored dpkg-deb -x ${deb} ${WORK}/root)
    file(GLOB_RECURSE files RELATIVE ${WORK}/${component}${CPACK_PACKAGING_INSTALL_PREFIX}
        ${WORK}/${component}${CPACK_PACKAGING_INSTALL_PREFIX}/*)
    if(NOT files)
        message(FATAL_ERROR "${name} is empty or not below ${CPACK_PACKAGING_INSTALL_PREFIX}")
    endif()
    foreach(file IN LISTS files)
        if(NOT file MATCHES "${allowed_${component}}")
            message(FATAL_ERROR "${name} holds ${file}")
        endif()
    endforeach()
    list(APPEND packaged ${files})
endforeach()

# Every installed file is in a package; the reference too when it is built.
run(ignored ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/plain)
file(GLOB_RECURSE installed RELATIVE ${WORK}/plain ${WORK}/plain/*)
list(SORT installed)
list(SORT packaged)
if(NOT installed STREQUAL packaged)
    message(FATAL_ERROR "the packages hold\n  ${packaged}\nthe install holds\n  ${installed}")
endif()
if(EXISTS ${BUILD}/docs/html/index.html AND NOT EXISTS ${usr}/share/doc/${PACKAGE}/html/index.html)
    message(FATAL_ERROR "the reference is built but not packaged")
endif()

# The runtime package is named after the library's SONAME, with a hyphen
# before its version when the name ends in a digit.
run(dynamic objdump -p ${usr}/${LIBDIR}/lib${PACKAGE}.so)
string(REGEX MATCH "SONAME +([^\n]+)\\.so\\.([0-9]+)" soname "${dynamic}")
string(TOLOWER "${CMAKE_MATCH_1}" expected)
set(soversion "${CMAKE_MATCH_2}")
if(expected MATCHES "[0-9]$")
    string(APPEND expected "-")
endif()
if(NOT runtime STREQUAL "${expected}${soversion}")
    message(FATAL_ERROR "${soname}, but the runtime package is ${runtime}")
endif()

# Dependencies on Qt come from the binaries; between the packages of one
# build they ask for the same version.
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    if(component STREQUAL "Runtime")
        set(needed "libqt${QT_MAJOR_VERSION}core")
    else()
        string(REPLACE "." "\\." needed "${runtime} (= ${version})")
        string(REPLACE "(" "\\(" needed "${needed}")
        string(REPLACE ")" "\\)" needed "${needed}")
    endif()
    if(NOT depends_${component} MATCHES "(^|, )${needed}")
        message(FATAL_ERROR "${component} does not depend on ${needed}: ${depends_${component}}")
    endif()
endforeach()

# A host built and run against the extracted files alone; the tool finds the
# packaged library by itself.
run(ignored ${CMAKE_COMMAND} -DKIND=cmake -DPACKAGE=${PACKAGE} -DSOURCE_DIR=${SOURCE_DIR}
    -DBINARY_DIR=${WORK}/host -DPREFIX=${usr} -DLIBDIR=${LIBDIR}
    -DCXX_COMPILER=${CXX_COMPILER} "-DCXX_FLAGS=${CXX_FLAGS}" -P ${SOURCE_DIR}/build_consumer.cmake)
if("Tools" IN_LIST CPACK_COMPONENTS_ALL)
    run(output ${usr}/bin/${TOOL} --version)
    if(NOT output MATCHES "${CPACK_PACKAGE_VERSION}")
        message(FATAL_ERROR "${TOOL} --version from the package: ${output}")
    endif()
endif()

# Debian's own checks, where they are installed; reported, not enforced.
find_program(LINTIAN lintian)
if(LINTIAN)
    file(GLOB debs ${WORK}/out/*.deb)
    execute_process(COMMAND ${LINTIAN} --no-tag-display-limit ${debs} OUTPUT_VARIABLE output ERROR_VARIABLE output)
    message(STATUS "lintian:\n${output}")
endif()
