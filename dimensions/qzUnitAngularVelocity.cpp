#include "qzUnitAngularVelocity.h"

namespace {

// The revolution symbols are abbreviations that translations may change.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Radians per second"), "rad/s" },
    { QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Revolutions per second"),
      QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Rps"), qzUnitRow::Divide, 0.15915494309189535, 0.0,
      qzUnitRow::TranslatedSymbol },
    { QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Revolutions per minute"),
      QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Rpm"), qzUnitRow::Divide, 9.549296585513721, 0.0,
      qzUnitRow::TranslatedSymbol },
    { QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Revolutions per hour"),
      QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Rph"), qzUnitRow::Divide, 572.9577951308232, 0.0,
      qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitAngularVelocity::Table = {
    "qzUnitAngularVelocity", { QT_TRANSLATE_NOOP("qzUnitAngularVelocity", "Angle velocity"), nullptr },
    { { 0, 0, -1 }, 1.0, qzUnitTable::Alternative }, // T^-1, rad/s, the radian a pure number; frequency comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitAngularVelocity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitAngularVelocity)
