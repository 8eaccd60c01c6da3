#ifndef QZUNITHEATFLUX_H
#define QZUNITHEATFLUX_H

#include "qzUnitTable.h"

//! Heat flow per area, Dimension 31; units are named by their symbols.
class QZUNIT_EXPORT qzUnitHeatFlux : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitHeatFlux)

public:
    //! The units of heat flux, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        WattPerSquareMeter = 0,
        WattPerSquareCentimeter = 1,
        KilowattPerSquareMeter = 2,
        WattPerSquareInch = 3,
        WattPerSquareFoot = 4,
        BtuPerSquareFootSecond = 5,
        BtuPerSquareFootHour = 6,
        BtuPerSquareInchSecond = 7,
        BtuPerSquareInchHour = 8,
        CaloriePerSquareCentimeterSecond = 9,
        CaloriePerSquareCentimeterHour = 10,
        KilocaloriePerSquareCentimeterHour = 11
    };

private:
    // Units of the target per 1 W/m², the constants of the units 5, 7 and 10.
    static double WattPerM2_to_BTUthPerFt2Sec();
    static double WattPerM2_to_BTUthPerIn2Sec();
    static double WattPerM2_to_CalPerCm2H();
};

#endif // QZUNITHEATFLUX_H
