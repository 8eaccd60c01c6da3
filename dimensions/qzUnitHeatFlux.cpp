#include "qzUnitHeatFlux.h"

namespace {

// Units of the target per 1 W/m².
constexpr double BtuThPerFt2Sec = 8.81140197229e-05;
constexpr double BtuThPerIn2Sec = 6.11902914742e-07;
constexpr double CalPerCm2H = 0.0860420650098;

// Names are the symbols, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "W/m\u00B2" },
    { nullptr, "W/cm\u00B2", qzUnitRow::Multiply, 10000.0 },
    { nullptr, "kW/m\u00B2", qzUnitRow::Multiply, 1000.0 },
    { nullptr, "W/in\u00B2", qzUnitRow::Multiply, 1550.0031000062 },
    { nullptr, "W/ft\u00B2", qzUnitRow::Multiply, 10.763910416709722 },
    { nullptr, "BTU/ft\u00B2s", qzUnitRow::Divide, BtuThPerFt2Sec },
    { nullptr, "BTU/ft\u00B2h", qzUnitRow::Divide, 0.31721047100244 },
    { nullptr, "BTU/in\u00B2s", qzUnitRow::Divide, BtuThPerIn2Sec },
    { nullptr, "BTU/in\u00B2h", qzUnitRow::Divide, 0.0022028504930712 },
    { nullptr, "cal/cm\u00B2s", qzUnitRow::Divide, 2.390057361383333e-05 },
    { nullptr, "cal/cm\u00B2h", qzUnitRow::Divide, CalPerCm2H },
    { nullptr, "kcal/cm\u00B2h", qzUnitRow::Divide, 8.60420650098e-05 },
};

} // namespace

const qzUnitTable qzUnitHeatFlux::Table = {
    "qzUnitHeatFlux", { QT_TRANSLATE_NOOP("qzUnitHeatFlux", "Heat flow"), nullptr },
    { { 1, 0, -3 }, 1.0, qzUnitTable::Preferred }, // M·T^-3, W/m²: a flux density
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitHeatFlux>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHeatFlux)

double qzUnitHeatFlux::WattPerM2_to_BTUthPerFt2Sec()
{
    return BtuThPerFt2Sec;
}

double qzUnitHeatFlux::WattPerM2_to_BTUthPerIn2Sec()
{
    return BtuThPerIn2Sec;
}

double qzUnitHeatFlux::WattPerM2_to_CalPerCm2H()
{
    return CalPerCm2H;
}
