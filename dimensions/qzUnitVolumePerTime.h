#ifndef QZUNITVOLUMEPERTIME_H
#define QZUNITVOLUMEPERTIME_H

#include "qzUnitTable.h"

#include <QChar>

//! Volume flow, Dimension 48. Cubic metres per second are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitVolumePerTime : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitVolumePerTime)

public:
    //! The units of volume flow, by index; the numbers are stored in documents and never change.
    //! The superscript 3 of the symbols is SUPERSCRIPT_3, put in at run time.
    enum e_Unit : int {
        CubicMeterPerSecond = 0,
        LiterPerSecond = 1,
        LiterPerMinute = 2,
        CubicMeterPerMinute = 3,
        CubicCentimeterPerHour = 4,
        CubicCentimeterPerSecond = 5,
        CubicMillimeterPerSecond = 6
    };

    //! SUPERSCRIPT THREE, from which the cubic symbols are assembled.
    static const QChar SUPERSCRIPT_3;
};

#endif // QZUNITVOLUMEPERTIME_H
