#ifndef QZUNITTEMPERATUREGRADIENT_H
#define QZUNITTEMPERATUREGRADIENT_H

#include "qzUnitTable.h"

//! Temperature gradient, Dimension 46: the kelvin per prefixed metre.
class QZUNIT_EXPORT qzUnitTemperatureGradient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperatureGradient)

public:
    //! The units of temperature gradient, by index; the numbers are stored in documents and never change.
    //! From an index outside the table a number converts to 0.
    enum e_Unit : int {
        KelvinPerMeter = 0,
        KelvinPerCentimeter = 1,
        KelvinPerMillimeter = 2
    };
};

#endif // QZUNITTEMPERATUREGRADIENT_H
