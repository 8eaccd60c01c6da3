#include "qzUnitTorque.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Newton meter"), "N\u00B7m" },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Foot pounds"), "ft\u00B7lbf", qzUnitRow::Multiply, 1.3558179483314003 },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Inch pounds"), "in\u00B7lbf", qzUnitRow::Multiply, 0.1129848290276 },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Inch ounce-force"), "in\u00B7ozf", qzUnitRow::Multiply, 0.0070615518142316 },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Foot ounce-force"), "ft\u00B7ozf", qzUnitRow::Multiply, 0.084738621770779 },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Foot-poundal"), "ft\u00B7pdl", qzUnitRow::Multiply, 0.04214010951283751 },
    { QT_TRANSLATE_NOOP("qzUnitTorque", "Kilogram-force meter"), "kgf\u00B7m", qzUnitRow::Multiply, 9.80665 },
};

} // namespace

const qzUnitTable qzUnitTorque::Table = {
    "qzUnitTorque", { QT_TRANSLATE_NOOP("qzUnitTorque", "Torque"), nullptr },
    { { 1, 2, -2 }, 1.0, qzUnitTable::Alternative }, // M·L^2·T^-2, energy comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTorque>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTorque)
