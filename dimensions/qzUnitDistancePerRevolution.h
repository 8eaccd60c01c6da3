#ifndef QZUNITDISTANCEPERREVOLUTION_H
#define QZUNITDISTANCEPERREVOLUTION_H

#include "qzUnitTable.h"

//! Distance per revolution (feed), Dimension 39. Metres per revolution are
//! the pivot and the SI unit; the units follow those of length.
class QZUNIT_EXPORT qzUnitDistancePerRevolution : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitDistancePerRevolution)

public:
    //! The units of feed, by index; the numbers are stored in documents and never change.
    //! Indices 0 to 6 match qzUnitLength's; 7 is the kilometre, not the micron.
    enum e_Unit : int {
        MeterPerRevolution = 0,
        CentimeterPerRevolution = 1,
        MillimeterPerRevolution = 2,
        FootPerRevolution = 3,
        InchPerRevolution = 4,
        MilePerRevolution = 5,
        MilPerRevolution = 6,
        KilometerPerRevolution = 7
    };

    //! The stable upper-case name of a unit ("MILLIMETER_PER_REV"); null outside the table.
    static QString toEnumName(int unitIndex);
    //! The unit whose enum name is exactly \a name; -1 when none is.
    static e_Unit toEnumIndex(const QString& name);
};

#endif // QZUNITDISTANCEPERREVOLUTION_H
