#ifndef QZUNITVOLTAGE_H
#define QZUNITVOLTAGE_H

#include "qzUnitTable.h"

//! Voltage, Dimension 20: one unit.
class QZUNIT_EXPORT qzUnitVoltage : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitVoltage)

public:
    //! The one unit of voltage, V, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        Volt = 0
    };
};

#endif // QZUNITVOLTAGE_H
