#ifndef QZUNITUNDEFINED_H
#define QZUNITUNDEFINED_H

#include "qzUnitTable.h"

/*!
  The unit of the undefined dimension and of every Dimension value that names
  no class: one pseudo-unit "-" whose conversions leave numbers alone, so that
  an undefined handle still answers every question harmlessly.
*/
class QZUNIT_EXPORT qzUnitUndefined : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitUndefined)
};

#endif // QZUNITUNDEFINED_H
