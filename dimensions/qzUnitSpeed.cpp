#include "qzUnitSpeed.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Meters per second"), "m/s" },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Millimeters per second"), "mm/s", qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Feet per second"), "fps", qzUnitRow::Multiply, 0.3048 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Inches per second"), "ips", qzUnitRow::Multiply, 0.0254 },
    // The statute mile, unlike the longer mile of qzUnitLength.
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Miles per second"), "mps", qzUnitRow::Multiply, 1609.344 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Meters per minute"), "m/min", qzUnitRow::Divide, 60.0 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Kilometers per hour"), "km/h", qzUnitRow::Divide, 3.6 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Centimeters per second"), "cm/s", qzUnitRow::Divide, 100.0 },
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Centimeters per minute"), "cm/min", qzUnitRow::Divide, 6000.0 },
    // 0.0254 / 60 rounded to twelve places, as stored values were made with it.
    { QT_TRANSLATE_NOOP("qzUnitSpeed", "Inches per minute"), "inpm", qzUnitRow::Multiply, 0.000423333333 },
};

} // namespace

const qzUnitTable qzUnitSpeed::Table = {
    "qzUnitSpeed", { QT_TRANSLATE_NOOP("qzUnitSpeed", "Velocity"), nullptr },
    { { 0, 1, -1 }, 1.0, qzUnitTable::Preferred }, // L·T^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitSpeed>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitSpeed)
