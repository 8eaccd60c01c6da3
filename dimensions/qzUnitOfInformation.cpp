#include "qzUnitOfInformation.h"

#include "qzUnitValue.h"

namespace {

// The way out of the byte multiplies by the exact reciprocal, kept as its own
// number, so that both directions are exact multiplications by powers of two.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Bytes"), "B" },
    { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Kilobyte"), "kB", qzUnitRow::Scale, 1024.0, 0.0009765625 },
    { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Megabyte"), "MB", qzUnitRow::Scale, 1048576.0,
      9.5367431640625e-07 },
    { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Gigabyte"), "GB", qzUnitRow::Scale, 1073741824.0,
      9.313225746154785e-10 },
    { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Terabyte"), "TB", qzUnitRow::Scale, 1099511627776.0,
      9.094947017729282e-13 },
};

} // namespace

const qzUnitTable qzUnitOfInformation::Table = {
    "qzUnitOfInformation", { QT_TRANSLATE_NOOP("qzUnitOfInformation", "Unit of information"), nullptr },
    { {}, 8.0, qzUnitTable::Alternative }, // 1, a pure number counted in bits, 8 to the byte
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitOfInformation>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitOfInformation)

QString qzUnitOfInformation::prettyValueSymbol(const qzUnitValue& value)
{
    qzUnitValue shown(value);
    shown.changeTo(Bytes);
    // The thresholds are the rows' own factors: a unit is used from one whole
    // unit on. Negative amounts and NaN fail every test and stay in bytes.
    const double bytes = shown.value();
    for (int unit = Terabyte; unit > Bytes; --unit) {
        if (bytes >= rows[unit].constant) {
            shown.changeTo(unit);
            break;
        }
    }
    const int precision = shown.unitIndex() != Bytes && shown.value() < 100.0 ? 1 : 0;
    return shown.valueSymbolString('f', precision);
}

QString qzUnitOfInformation::prettyValueSymbol(long long bytes)
{
    return prettyValueSymbol(qzUnitValue(qzUnitSystem::OfInformation, double(bytes), false));
}
