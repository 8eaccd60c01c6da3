#ifndef QZUNITMASSFRACTIONGRADIENT_H
#define QZUNITMASSFRACTIONGRADIENT_H

#include "qzUnitTable.h"

//! Mass fraction gradient, Dimension 55: one unit, never converted.
class QZUNIT_EXPORT qzUnitMassFractionGradient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMassFractionGradient)

public:
    //! The one unit of mass fraction gradient, wt%/m, at index 0.
    //! No change of unit moves the object or its number.
    enum e_Unit : int {
        WeightPercentPerMeter = 0
    };
};

#endif // QZUNITMASSFRACTIONGRADIENT_H
