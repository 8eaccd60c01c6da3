#ifndef QZUNITWIDGETSGLOBAL_H
#define QZUNITWIDGETSGLOBAL_H

#include <QtGlobal>

// Symbols of the widgets library are hidden unless marked; its own build
// defines QZUNIT_BUILD_WIDGETS_LIBRARY, hosts see the import side.
#if defined(QZUNIT_BUILD_WIDGETS_LIBRARY)
#  define QZUNIT_WIDGETS_EXPORT Q_DECL_EXPORT
#else
#  define QZUNIT_WIDGETS_EXPORT Q_DECL_IMPORT
#endif

#endif // QZUNITWIDGETSGLOBAL_H
