#ifndef QZUNITTEMPERATURE_H
#define QZUNITTEMPERATURE_H

#include "qzUnitTable.h"

/*!
  Absolute temperature, Dimension 8, the one dimension whose conversions
  carry offsets. Every conversion passes through the kelvin.
*/
class QZUNIT_EXPORT qzUnitTemperature : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperature)

public:
    //! The units of absolute temperature, by index; the numbers are stored in documents and never change.
    //! Celsius and Fahrenheit convert with offsets; intervals belong in qzUnitTemperatureDifference.
    enum e_Unit : int {
        Kelvin = 0,
        DegreeCelsius = 1,
        DegreeFahrenheit = 2,
        DegreeRankine = 3
    };

    //! 0 °C in kelvin (the freezing point of water, despite the name).
    static constexpr double ROOM_TEMP_SI = 273.15;
};

#endif // QZUNITTEMPERATURE_H
