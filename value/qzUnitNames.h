#ifndef QZUNITNAMES_H
#define QZUNITNAMES_H

#include "qzUnitGlobal.h"

#include <QStringList>

/*!
  The forms of a unit's name that people type besides the name itself.
  Internal to the reading of typed text.
*/
class QZUNIT_EXPORT qzUnitNames
{
public:
    //! An English name, its plural ("Feet", "Pounds (Force)"), the singular
    //! of a plural ("Meter per second", "Degree Celsius") and their UK
    //! spellings.
    static QStringList variants(const QString& name);
    //! The plural and inflected forms of a translated one-word name in the
    //! catalogues' languages, by its last letter: "Stunde" gives "Stunden",
    //! "heure" "heures", "ora" "ore", "minuta" "minuty" and "minut", "metr"
    //! "metry". The caller keeps a form only where it names no other unit.
    static QStringList inflections(const QString& word);
};

#endif // QZUNITNAMES_H
