#ifndef QZUNITANGLE_H
#define QZUNITANGLE_H

#include "qzUnitTable.h"

class qzUnitValue;

//! Angle, Dimension 1. The radian is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitAngle : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAngle)

public:
    //! The units of angle, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        Radian = 0,
        Degree = 1
    };

    //! \a value converted from \a from to \a to; unchanged for unknown or equal units.
    static double changeValue(int from, int to, double value);
    //! An angle value of \a value in \a unit.
    static qzUnitValue create(double value, e_Unit unit);

    //! No separator in degrees, so that the degree sign follows the number.
    QString valueSymbolSeparator() const override;
};

#endif // QZUNITANGLE_H
