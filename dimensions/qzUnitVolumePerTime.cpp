#include "qzUnitVolumePerTime.h"

const QChar qzUnitVolumePerTime::SUPERSCRIPT_3 = QChar(0x00B3);

namespace {

// "%1" in a symbol stands for SUPERSCRIPT_3, the table's placeholder, put in
// when the symbol is asked for.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "cubic meters per second"), "m%1/s" },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "liters per second"), "l/s", qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "liters per minute"), "l/min", qzUnitRow::Divide, 60000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "cubic meters per minute"), "m%1/min", qzUnitRow::Divide, 60.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "cubic centimeters per hour"), "cm%1/h", qzUnitRow::Divide, 3600000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "cubic centimeters per second"), "cm%1/s", qzUnitRow::Divide, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "cubic millimeters per second"), "mm%1/s", qzUnitRow::Divide, 1000000000.0 },
};

} // namespace

const qzUnitTable qzUnitVolumePerTime::Table = {
    "qzUnitVolumePerTime", { QT_TRANSLATE_NOOP("qzUnitVolumePerTime", "Volume flow"), nullptr },
    { { 0, 3, -1 }, 1.0, qzUnitTable::Preferred }, // L^3·T^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitVolumePerTime>,
    nullptr, nullptr, nullptr, &SUPERSCRIPT_3,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitVolumePerTime)
