#ifndef QZUNITTEMPERATURERATE_H
#define QZUNITTEMPERATURERATE_H

#include "qzUnitTable.h"

//! Temperature rate, Dimension 32. The kelvin per second is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitTemperatureRate : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperatureRate)

public:
    //! The units of temperature rate, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        KelvinPerSecond = 0,
        KelvinPerMinute = 1,
        KelvinPerHour = 2,
        DegreeFahrenheitPerSecond = 3,
        DegreeFahrenheitPerMinute = 4,
        DegreeFahrenheitPerHour = 5
    };
};

#endif // QZUNITTEMPERATURERATE_H
