# API reference: `cmake --build build --target docs` builds it with Doxygen
# into build/docs, as HTML (html/index.html) and, when Qt's qhelpgenerator is
# found, as a Qt help file (<package>.qch) that Qt Creator registers. Any
# Doxygen warning fails the target. The headers of widgets/ are documented
# too when that folder is there, unless the widgets are not built.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    return()
endif()

set(QZUNIT_DOCS_DIR ${CMAKE_CURRENT_BINARY_DIR}/docs)
set(QZUNIT_DOCS_INPUT_DIRS ${QZUNIT_SOURCE_DIRS})
if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/widgets AND NOT (DEFINED QZUNIT_BUILD_WIDGETS AND NOT QZUNIT_BUILD_WIDGETS))
    list(APPEND QZUNIT_DOCS_INPUT_DIRS widgets)
endif()
# The pages the README links to (the catalogue's account of every unit).
file(GLOB QZUNIT_DOCS_PAGES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/docs/*.md)

# Every library's export macro reads as nothing, or Doxygen takes it for the
# name of the class it stands in front of.
set(QZUNIT_DOCS_EXPORT_MACROS)
foreach(dir IN LISTS QZUNIT_DOCS_INPUT_DIRS)
    file(GLOB headers ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    foreach(header IN LISTS headers)
        file(STRINGS ${header} defines REGEX "^#[ \t]*define[ \t]+[A-Z0-9_]+_EXPORT[ \t]")
        foreach(define IN LISTS defines)
            string(REGEX REPLACE "^#[ \t]*define[ \t]+([A-Z0-9_]+_EXPORT).*" "\\1=" macro "${define}")
            list(APPEND QZUNIT_DOCS_EXPORT_MACROS ${macro})
        endforeach()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES QZUNIT_DOCS_EXPORT_MACROS)

set(DOXYGEN_PROJECT_NAME ${QZUNIT_PACKAGE_NAME})
set(DOXYGEN_PROJECT_NUMBER ${PROJECT_VERSION})
set(DOXYGEN_OUTPUT_DIRECTORY ${QZUNIT_DOCS_DIR})
set(DOXYGEN_USE_MDFILE_AS_MAINPAGE README.md)
set(DOXYGEN_IMAGE_PATH docs)
set(DOXYGEN_EXTRACT_ALL YES)
set(DOXYGEN_FILE_PATTERNS *.h *.md)
set(DOXYGEN_EXCLUDE ${QZUNIT_PRIVATE_HEADERS})
# The contract of the dimension classes is declared by a macro.
set(DOXYGEN_ENABLE_PREPROCESSING YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_EXPAND_ONLY_PREDEF YES)
set(DOXYGEN_EXPAND_AS_DEFINED QZ_UNIT_DIMENSION)
set(DOXYGEN_SEARCH_INCLUDES YES)
set(DOXYGEN_INCLUDE_PATH ${QZUNIT_DOCS_INPUT_DIRS})
set(DOXYGEN_PREDEFINED ${QZUNIT_DOCS_EXPORT_MACROS} Q_GADGET= "Q_ENUM(x)=")
set(DOXYGEN_WARN_IF_UNDOCUMENTED NO)
# Report every warning, then fail.
set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
set(DOXYGEN_QUIET YES)
set(DOXYGEN_DISTRIBUTE_GROUP_DOC YES)
# A build date in every page would make two builds of one source differ.
set(DOXYGEN_HTML_TIMESTAMP NO)

# The Qt help file. Its namespace is unique per package and version, so that
# Qt Creator keeps the Qt 5 and Qt 6 packages, and two versions, apart.
list(TRANSFORM QZUNIT_QT_TOOL_SUFFIXES PREPEND qhelpgenerator OUTPUT_VARIABLE qhelpgenerator_names)
find_program(QZUNIT_QHELPGENERATOR NAMES qhelpgenerator
    HINTS ${QZUNIT_QT_BIN_DIR} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} NO_DEFAULT_PATH)
# Any other finds Qt 5's through qtchooser: the file format is the same.
find_program(QZUNIT_QHELPGENERATOR NAMES ${qhelpgenerator_names} qhelpgenerator)
if(QZUNIT_QHELPGENERATOR)
    string(TOLOWER ${QZUNIT_PACKAGE_NAME} qhp_name)
    string(REPLACE "." "" qhp_version ${PROJECT_VERSION})
    set(QZUNIT_QCH_FILE ${QZUNIT_DOCS_DIR}/${QZUNIT_PACKAGE_NAME}.qch)
    set(QZUNIT_QHP_NAMESPACE org.qzunit.${qhp_name}.${qhp_version})
    set(DOXYGEN_GENERATE_QHP YES)
    set(DOXYGEN_QHP_NAMESPACE ${QZUNIT_QHP_NAMESPACE})
    set(DOXYGEN_QHP_VIRTUAL_FOLDER ${qhp_name})
    set(DOXYGEN_QHP_CUST_FILTER_NAME "${QZUNIT_PACKAGE_NAME} ${PROJECT_VERSION}")
    set(DOXYGEN_QHP_CUST_FILTER_ATTRS "${qhp_name} ${PROJECT_VERSION}")
    set(DOXYGEN_QHP_SECT_FILTER_ATTRS "${qhp_name} ${PROJECT_VERSION}")
else()
    message(STATUS "qhelpgenerator not found: the reference is built as HTML only (install qhelpgenerator-qt5)")
endif()

doxygen_add_docs(docs README.md ${QZUNIT_DOCS_PAGES} ${QZUNIT_DOCS_INPUT_DIRS}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    COMMENT "Building the API reference")
if(QZUNIT_QCH_FILE)
    add_custom_command(TARGET docs POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DQHP=${QZUNIT_DOCS_DIR}/html/index.qhp -DQCH=${QZUNIT_QCH_FILE}
            -DQHELPGENERATOR=${QZUNIT_QHELPGENERATOR} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/qzUnitQch.cmake
        COMMENT "Building the Qt help file ${QZUNIT_PACKAGE_NAME}.qch" VERBATIM)
endif()

# Installed with the headers when it has been built; the Qt help project is
# only qhelpgenerator's input.
set(QZUNIT_DOCS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/${QZUNIT_PACKAGE_NAME})
install(DIRECTORY ${QZUNIT_DOCS_DIR}/html DESTINATION ${QZUNIT_DOCS_INSTALL_DIR}
    OPTIONAL COMPONENT Development PATTERN index.qhp EXCLUDE)
if(QZUNIT_QCH_FILE)
    install(FILES ${QZUNIT_QCH_FILE} DESTINATION ${QZUNIT_DOCS_INSTALL_DIR}
        OPTIONAL COMPONENT Development)
endif()
