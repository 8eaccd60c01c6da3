# Debian packages: `cpack -G DEB` in the build tree makes one package per
# install component, named as Debian names them, so that the Qt 5 and the
# Qt 6 packages install side by side:
#   Runtime      libqzunit2       libqzunitqt6-2     shared libraries, catalogues
#   Development  libqzunit-dev    libqzunitqt6-dev   headers, CMake and pkg-config
#                                                    files, the .so link, reference
#   Tools        qzunit-tools     qzunit-qt6-tools   the command-line tool
# A library package is named after the library's SONAME (a hyphen before the
# SONAME version when the name ends in a digit). Configure with
# -DCMAKE_INSTALL_PREFIX=/usr for Debian's multiarch library folder.
string(TOLOWER ${QZUNIT_PACKAGE_NAME} deb_name)
set(deb_separator "")
if(deb_name MATCHES "[0-9]$")
    set(deb_separator "-")
endif()
set(QZUNIT_DEB_RUNTIME lib${deb_name}${deb_separator}${PROJECT_VERSION_MAJOR})
set(QZUNIT_DEB_DEVELOPMENT lib${deb_name}-dev)
set(QZUNIT_DEB_TOOLS ${QZUNIT_TOOL_NAME}-tools)
set(QZUNIT_DEB_COMPONENTS Runtime Development)
if(TARGET qzunit)
    list(APPEND QZUNIT_DEB_COMPONENTS Tools)
endif()
set(QZUNIT_PACKAGE_MAINTAINER "qzUnit developers <qzunit@packages.invalid>" CACHE STRING
    "The Maintainer field of the Debian packages")

# The long descriptions; CPack indents them as the control file wants.
set(QZUNIT_DEB_ABOUT "qzUnit holds numbers together with their physical dimension and unit:
56 dimensions with their units, conversions, view units and presets,
formatting, and storage in XML and Qt data streams.")

set(CPACK_PACKAGE_NAME ${deb_name})
set(CPACK_PACKAGE_VENDOR "qzUnit")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QZUNIT_PACKAGE_MAINTAINER})
# `cpack` alone (and the `package` target) makes these too.
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL ${QZUNIT_DEB_COMPONENTS})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Binaries without their debugging information, as Debian ships them.
set(CPACK_STRIP_FILES ON)
# Dependencies on other packages of the system come from the binaries
# (dpkg-shlibdeps); the tool finds the library it needs in this build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# ... and those between the packages of one build from the components: the
# exact same version.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
set(CPACK_COMPONENT_TOOLS_DEPENDS Runtime)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${QZUNIT_DEB_RUNTIME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "Numbers with their physical dimension and unit (Qt ${QT_MAJOR_VERSION})
${QZUNIT_DEB_ABOUT}

This package contains the shared libraries and their translations.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${QZUNIT_DEB_DEVELOPMENT})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SHLIBDEPS OFF)
if(QT_MAJOR_VERSION STREQUAL "5")
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qtbase5-dev)
else()
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qt6-base-dev)
endif()
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "Numbers with their physical dimension and unit (Qt ${QT_MAJOR_VERSION}, development files)
${QZUNIT_DEB_ABOUT}

This package contains the headers, the CMake and pkg-config packages
(${QZUNIT_PACKAGE_NAME}) and, when it was built, the API reference as HTML
and as a Qt help file.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${QZUNIT_DEB_TOOLS})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION science)
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "Command-line tool of the qzUnit unit catalogue (Qt ${QT_MAJOR_VERSION})
${QZUNIT_TOOL_NAME} converts numbers between units, formats durations and
data sizes, and lists the dimensions and units that qzUnit knows.")

# The source package (`package_source`) leaves out the build trees.
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/")

include(CPack)
