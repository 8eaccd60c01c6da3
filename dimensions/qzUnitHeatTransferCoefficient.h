#ifndef QZUNITHEATTRANSFERCOEFFICIENT_H
#define QZUNITHEATTRANSFERCOEFFICIENT_H

#include "qzUnitTable.h"

//! Heat transfer coefficient, Dimension 23; units are named by their symbols.
class QZUNIT_EXPORT qzUnitHeatTransferCoefficient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitHeatTransferCoefficient)

public:
    //! The units of heat transfer coefficient, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        WattPerSquareMeterKelvin = 0,
        KilocaloriePerSquareMeterHourCelsius = 1,
        BtuPerSquareFootHourRankine = 2,
        BtuPerSquareFootMinuteRankine = 3
    };
};

#endif // QZUNITHEATTRANSFERCOEFFICIENT_H
