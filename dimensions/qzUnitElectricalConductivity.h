#ifndef QZUNITELECTRICALCONDUCTIVITY_H
#define QZUNITELECTRICALCONDUCTIVITY_H

#include "qzUnitTable.h"

#include <QChar>

//! Electrical conductivity, Dimension 42.
class QZUNIT_EXPORT qzUnitElectricalConductivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricalConductivity)

public:
    //! The units of electrical conductivity, by index; the numbers are stored in documents and never change.
    //! The micro sign is MU, put in at run time.
    enum e_Unit : int {
        PerOhmMeter = 0,
        PerMicroOhmMeter = 1
    };

    //! The micro prefix of conductivity and resistivity: the Greek small mu
    //! U+03BC, where the rest of the catalogue writes the micro sign U+00B5.
    static const QChar MU;
};

#endif // QZUNITELECTRICALCONDUCTIVITY_H
