#include "qzUnitAcceleration.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Meter per square second"), "m/s\u00B2" },
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Inches per square second"), "ips\u00B2", qzUnitRow::Multiply, 0.0254 },
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Feet per square second"), "fps\u00B2", qzUnitRow::Multiply, 0.3048 },
    // The two per-minute rows keep the constants that stored values were made
    // with, although they are not the textbook 0.0254 / 60 and 0.3048 / 60.
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Inches per minute per second"), "ipm/s", qzUnitRow::Multiply, 1.524 },
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Feet per minute per second"), "fpm/s", qzUnitRow::Divide, 18.288 },
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Miles per hour per second"), "mph/s", qzUnitRow::Multiply, 0.44703999999808197 },
    { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Galileo"), "Gal", qzUnitRow::Multiply, 0.01 },
};

} // namespace

const qzUnitTable qzUnitAcceleration::Table = {
    "qzUnitAcceleration", { QT_TRANSLATE_NOOP("qzUnitAcceleration", "Acceleration"), nullptr },
    { { 0, 1, -2 }, 1.0, qzUnitTable::Preferred }, // L·T^-2
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitAcceleration>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitAcceleration)
