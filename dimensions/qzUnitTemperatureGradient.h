#ifndef QZUNITTEMPERATUREGRADIENT_H
#define QZUNITTEMPERATUREGRADIENT_H

#include "qzUnitTable.h"

//! Temperature gradient, Dimension 46: the kelvin per prefixed metre.
class QZUNIT_EXPORT qzUnitTemperatureGradient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperatureGradient)

public:
    enum e_Unit : int {
        KelvinPerMeter = 0,
        KelvinPerCentimeter = 1,
        KelvinPerMillimeter = 2
    };
};

#endif // QZUNITTEMPERATUREGRADIENT_H
