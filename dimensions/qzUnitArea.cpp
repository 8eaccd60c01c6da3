#include "qzUnitArea.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square meter"), "m\u00B2" },
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square centimeter"), "cm\u00B2", qzUnitRow::Divide, 10000.0 },
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square millimeter"), "mm\u00B2", qzUnitRow::Divide, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square micrometer"), "\u00B5m\u00B2", qzUnitRow::Divide, 1000000000000.0 },
    // Kept as a division by the reciprocal, so that stored values convert exactly as before.
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square kilometer"), "km\u00B2", qzUnitRow::Divide, 1e-06 },
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square foot"), "ft\u00B2", qzUnitRow::Divide, 10.763910417 },
    { QT_TRANSLATE_NOOP("qzUnitArea", "Square inch"), "in\u00B2", qzUnitRow::Divide, 1550.003100006 },
};

} // namespace

const qzUnitTable qzUnitArea::Table = {
    "qzUnitArea", { QT_TRANSLATE_NOOP("qzUnitArea", "Area"), nullptr },
    { { 0, 2 }, 1.0, qzUnitTable::Preferred }, // L^2
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitArea>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitArea)
