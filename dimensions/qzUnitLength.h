#ifndef QZUNITLENGTH_H
#define QZUNITLENGTH_H

#include "qzUnitTable.h"
#include "coCoords3d.h"

class qzUnitValue;

//! Length, Dimension 5. The metre is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitLength : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitLength)

public:
    //! The units of length, by index; the numbers are stored in documents and never change.
    //! Mile is 1609.34419224 m, not the statute mile of qzUnitSpeed.
    enum e_Unit : int {
        Meter = 0,
        Centimeter = 1,
        Millimeter = 2,
        Foot = 3,
        Inch = 4,
        Mile = 5,
        Mil = 6,
        Micron = 7,
        Microinch = 8,
        Kilometer = 9
    };

    //! \a value converted from \a from to \a to.
    static double convert(e_Unit from, e_Unit to, double value);
    //! Each component of \a coords converted from \a from to \a to.
    static coCoords3d convert(e_Unit from, e_Unit to, coCoords3d coords);

    //! The stable upper-case name of a unit ("MILLIMETER"); null outside the table.
    static QString toEnumName(int unitIndex);
    //! The unit whose enum name is exactly \a name; -1 when none is.
    static e_Unit toEnumIndex(const QString& name);

    //! A length value of \a value in \a unit.
    static qzUnitValue create(double value, e_Unit unit);
    //! The unit in which lengths are shown; -1 when none is set.
    static e_Unit viewUnit();
};

#endif // QZUNITLENGTH_H
