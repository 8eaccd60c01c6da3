#ifndef QZUNITALIASES_H
#define QZUNITALIASES_H

#include "qzUnitGlobal.h"

/*!
  Spellings that are no row's own text but stand for a unit the index reads:
  short forms, ASCII writings, engineering habits ("in-lb", "GPM") and units
  that are a multiple of one ("hp", "mmHg"). Each carries the expression of
  GNU units it was checked against, so the factors are tested rather than
  trusted. Internal to the reading of typed text.
*/
struct qzUnitAlias
{
    const char* text;   //!< as typed; compared case-sensitively
    const char* target; //!< a unit or compound of units the index reads; null for a spelling refused
    double factor;      //!< one \a text is this many \a target
    //! The same unit as a GNU units expression, "-" for a unit without one.
    //! For a refused spelling the units it may mean, or null for a gauge
    //! or absolute pressure.
    const char* units;
};

//! The table of aliases.
class QZUNIT_EXPORT qzUnitAliases
{
public:
    //! The first alias; count() of them follow.
    static const qzUnitAlias* begin();
    //! The number of aliases.
    static int count();
};

#endif // QZUNITALIASES_H
