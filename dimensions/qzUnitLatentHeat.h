#ifndef QZUNITLATENTHEAT_H
#define QZUNITLATENTHEAT_H

#include "qzUnitTable.h"

//! Latent heat, Dimension 25. The joule per kilogram is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitLatentHeat : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitLatentHeat)

public:
    //! The units of latent heat, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        JoulePerKilogram = 0,
        JoulePerGram = 1,
        SquareMillimeterPerSquareSecond = 2
    };
};

#endif // QZUNITLATENTHEAT_H
