#ifndef QZUNITPERCENT_H
#define QZUNITPERCENT_H

#include "qzUnitTable.h"

class qzUnitValue;

//! Percent, Dimension 26: a share in percent (the SI unit) or as a plain ratio.
class QZUNIT_EXPORT qzUnitPercent : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitPercent)

public:
    //! The units of a share, by index; the numbers are stored in documents and never change.
    //! Ratio is Percentage / 100.
    enum e_Unit : int {
        Percentage = 0,
        Ratio = 1
    };

    //! A value of \a value in \a unit, stored as given.
    static qzUnitValue create(double value, e_Unit unit);
};

#endif // QZUNITPERCENT_H
