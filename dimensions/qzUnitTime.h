#ifndef QZUNITTIME_H
#define QZUNITTIME_H

#include "qzUnitTable.h"

class qzUnitValue;

//! Time, Dimension 9. The second is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitTime : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTime)

public:
    //! The units of time, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        Second = 0,
        Minute = 1,
        Hour = 2,
        Millisecond = 3,
        Microsecond = 4
    };

    //! A time value of \a value in \a unit.
    static qzUnitValue create(double value, e_Unit unit);
    //! A time value of \a value seconds.
    static qzUnitValue seconds(double value);

    //! \a value, a duration in the time unit \a unit (seconds for an unknown
    //! unit), as a short text for display: "1h 02m 05s", "2m 05s", "59.50s".
    static QString formatDuration(double value, int unit);
};

#endif // QZUNITTIME_H
