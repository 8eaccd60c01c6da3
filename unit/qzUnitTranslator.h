#ifndef QZUNITTRANSLATOR_H
#define QZUNITTRANSLATOR_H

#include "qzUnitGlobal.h"

#include <QLocale>
#include <QStringList>

/*!
  The library's own translation catalogue (unit and dimension names, XML
  messages), found where the library was installed: the catalogue directory
  lies at a fixed place relative to the library file, so an installed tree
  can be moved as a whole. A library running from its build tree finds the
  catalogues the build made.
*/
class QZUNIT_EXPORT qzUnitTranslator
{
public:
    /*!
      Installs the library's catalogue for \a locale into the application,
      replacing the one a previous call installed. English needs none: the
      previous catalogue is removed and the result is true. False, and the
      previous catalogue stays, when no catalogue fits \a locale or there is
      no application object yet. Call it
      from the thread that owns the application object, as
      QCoreApplication::installTranslator() requires.
    */
    static bool install(const QLocale& locale);
    //! Removes the catalogue that install() installed, if any.
    static void remove();
    //! The directories searched for catalogues, the installed one first.
    static QStringList directories();
};

#endif // QZUNITTRANSLATOR_H
