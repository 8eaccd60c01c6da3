#ifndef QZUNITELECTRICALCONDUCTIVITY_H
#define QZUNITELECTRICALCONDUCTIVITY_H

#include "qzUnitTable.h"

#include <QChar>

//! Electrical conductivity, Dimension 42.
class QZUNIT_EXPORT qzUnitElectricalConductivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricalConductivity)

public:
    enum e_Unit : int {
        PerOhmMeter = 0,
        PerMicroOhmMeter = 1
    };

    //! The micro prefix of conductivity and resistivity: the Greek small mu
    //! U+03BC, where the rest of the catalogue writes the micro sign U+00B5.
    static const QChar MU;
};

#endif // QZUNITELECTRICALCONDUCTIVITY_H
