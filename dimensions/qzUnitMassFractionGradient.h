#ifndef QZUNITMASSFRACTIONGRADIENT_H
#define QZUNITMASSFRACTIONGRADIENT_H

#include "qzUnitTable.h"

//! Mass fraction gradient, Dimension 55: one unit, never converted.
class QZUNIT_EXPORT qzUnitMassFractionGradient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMassFractionGradient)

public:
    enum e_Unit : int {
        WeightPercentPerMeter = 0
    };
};

#endif // QZUNITMASSFRACTIONGRADIENT_H
