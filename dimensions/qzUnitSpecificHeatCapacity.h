#ifndef QZUNITSPECIFICHEATCAPACITY_H
#define QZUNITSPECIFICHEATCAPACITY_H

#include "qzUnitTable.h"

/*!
  Specific heat capacity, Dimension 18; units are named by their symbols.
  Conversions pivot on kJ/(kg·K), index 0, while the SI unit is J/(kg·K).
*/
class QZUNIT_EXPORT qzUnitSpecificHeatCapacity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitSpecificHeatCapacity)

public:
    //! The units of specific heat capacity, by index; the numbers are stored in documents and never change.
    //! Conversions pass through index 0, kJ/(kg·K); the SI unit is JoulePerKilogramKelvin.
    enum e_Unit : int {
        KilojoulePerKilogramKelvin = 0,
        JoulePerKilogramKelvin = 1,
        KilocaloriePerKilogramCelsius = 2,
        BtuPerPoundRankine = 3,
        JoulePerGramKelvin = 4,
        KilojoulePerKilogramCelsius = 5,
        JoulePerKilogramCelsius = 6,
        SquareMillimeterPerSquareSecondCelsius = 7
    };

    //! J/(kg·K), not the pivot of the conversions.
    int getSIUnitIndex() override;
};

#endif // QZUNITSPECIFICHEATCAPACITY_H
