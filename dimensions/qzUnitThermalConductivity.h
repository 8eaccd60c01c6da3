#ifndef QZUNITTHERMALCONDUCTIVITY_H
#define QZUNITTHERMALCONDUCTIVITY_H

#include "qzUnitTable.h"

//! Thermal conductivity, Dimension 14; units are named by their symbols.
class QZUNIT_EXPORT qzUnitThermalConductivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitThermalConductivity)

public:
    //! The units of thermal conductivity, by index; the numbers are stored in documents and never change.
    //! Units 1 and 5 to 7 take the number of index 0 unchanged.
    enum e_Unit : int {
        JoulePerMeterSecondKelvin = 0,
        WattPerMeterKelvin = 1,
        BtuPerFootHourRankine = 2,
        BtuPerFootMinuteRankine = 3,
        KilocaloriePerMeterHourCelsius = 4,
        KilocaloriePerKilogramCelsius = 5,
        NewtonPerSecondKelvin = 6,
        NewtonPerSecondCelsius = 7
    };
};

#endif // QZUNITTHERMALCONDUCTIVITY_H
