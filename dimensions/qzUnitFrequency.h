#ifndef QZUNITFREQUENCY_H
#define QZUNITFREQUENCY_H

#include "qzUnitTable.h"

//! Frequency, Dimension 27: two writings of one unit, so numbers never change.
class QZUNIT_EXPORT qzUnitFrequency : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitFrequency)

public:
    //! The units of frequency, by index; the numbers are stored in documents and never change.
    //! Hz and 1/s measure alike: a change of unit keeps the number.
    enum e_Unit : int {
        Hertz = 0,
        VibrationPerSecond = 1
    };
};

#endif // QZUNITFREQUENCY_H
