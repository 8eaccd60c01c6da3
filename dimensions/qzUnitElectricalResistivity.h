#ifndef QZUNITELECTRICALRESISTIVITY_H
#define QZUNITELECTRICALRESISTIVITY_H

#include "qzUnitTable.h"

//! Electrical resistivity, Dimension 43, a material value (not a resistance).
class QZUNIT_EXPORT qzUnitElectricalResistivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricalResistivity)

public:
    //! The units of electrical resistivity, by index; the numbers are stored in documents and never change.
    //! The micro sign is qzUnitElectricalConductivity::MU, put in at run time.
    enum e_Unit : int {
        OhmMeter = 0,
        MicroOhmMeter = 1
    };
};

#endif // QZUNITELECTRICALRESISTIVITY_H
