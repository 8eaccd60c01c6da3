#ifndef QZUNITGLOBAL_H
#define QZUNITGLOBAL_H

#include <QtGlobal>

// Symbols of the library are hidden unless marked; the build of the library
// itself defines QZUNIT_BUILD_LIBRARY, hosts see the import side.
#if defined(QZUNIT_BUILD_LIBRARY)
#  define QZUNIT_EXPORT Q_DECL_EXPORT
#else
#  define QZUNIT_EXPORT Q_DECL_IMPORT
#endif

#endif // QZUNITGLOBAL_H
