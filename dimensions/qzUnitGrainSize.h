#ifndef QZUNITGRAINSIZE_H
#define QZUNITGRAINSIZE_H

#include "qzUnitTable.h"

//! Grain size, Dimension 34: the mean grain diameter and the ASTM grain size number.
class QZUNIT_EXPORT qzUnitGrainSize : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitGrainSize)

public:
    //! The units of grain size, by index; the numbers are stored in documents and never change.
    //! ASTM is logarithmic in the diameter: 0 µm gives +infinity, NaN stays NaN.
    enum e_Unit : int {
        Micrometer = 0,
        ASTM = 1
    };
};

#endif // QZUNITGRAINSIZE_H
