#include "qzUnitFrequency.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitFrequency", "Hertz"), "Hz" },
    { QT_TRANSLATE_NOOP("qzUnitFrequency", "Vibrations per second"), "1/s", qzUnitRow::Same },
};

} // namespace

const qzUnitTable qzUnitFrequency::Table = {
    "qzUnitFrequency", { QT_TRANSLATE_NOOP("qzUnitFrequency", "Frequency"), nullptr },
    { { 0, 0, -1 }, 1.0, qzUnitTable::Preferred }, // T^-1, before strain rate and angular velocity
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitFrequency>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitFrequency)
