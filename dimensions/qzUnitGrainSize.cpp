#include "qzUnitGrainSize.h"

#include <cmath>

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitGrainSize", "Micrometer"), "\u00B5m" },
    { QT_TRANSLATE_NOOP("qzUnitGrainSize", "ASTM"), "ASTM" },
};

const double Pi = 3.141592653589793;

// The ASTM grain size number G and the mean diameter d in µm are related by
// 2^(G + 2.95) = 4 / (pi * (d / 1000)^2). The operations keep the order in
// which stored values were computed, and take no precautions: a diameter of
// 0 is G = +inf, G = -inf a diameter of +inf, and NaN stays NaN.
void convert(int from, int to, double& value)
{
    if (from == to || !qzUnitGrainSize::Table.contains(from) || !qzUnitGrainSize::Table.contains(to))
        return;
    if (from == qzUnitGrainSize::ASTM)
        value = std::sqrt(4.0 / (std::pow(2.0, value + 2.95) * Pi)) * 1000.0;
    if (to == qzUnitGrainSize::ASTM)
        value = std::log(4.0 / (std::pow(value / 1000.0, 2.0) * Pi)) / std::log(2.0) - 2.95;
}

} // namespace

const qzUnitTable qzUnitGrainSize::Table = {
    "qzUnitGrainSize", { QT_TRANSLATE_NOOP("qzUnitGrainSize", "Grain size"), nullptr },
    { { 0, 1 }, 1e-6, qzUnitTable::Alternative }, // L, µm; length comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Custom, &qzUnitTable::construct<qzUnitGrainSize>, &convert,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitGrainSize)
