#include "qzUnitHardness.h"

#include "qzUnitSystem.h"
#include "qzUnitValue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The conversion table: row i of every column describes the same material,
// and every column ascends strictly, so each can be searched on its own.
constexpr int RowCount = 97;

// Tensile strength in N/mm².
constexpr double tensile[RowCount] = {
    255.0, 270.0, 285.0, 305.0, 320.0, 335.0, 350.0, 370.0, 385.0, 400.0,
    415.0, 430.0, 450.0, 465.0, 480.0, 495.0, 510.0, 530.0, 545.0, 560.0,
    575.0, 595.0, 610.0, 625.0, 640.0, 660.0, 675.0, 690.0, 705.0, 720.0,
    740.0, 755.0, 770.0, 785.0, 800.0, 820.0, 835.0, 850.0, 865.0, 880.0,
    900.0, 915.0, 930.0, 950.0, 965.0, 995.0, 1030.0, 1060.0, 1095.0, 1125.0,
    1155.0, 1190.0, 1220.0, 1255.0, 1290.0, 1320.0, 1350.0, 1385.0, 1420.0, 1455.0,
    1485.0, 1520.0, 1555.0, 1595.0, 1630.0, 1665.0, 1700.0, 1740.0, 1775.0, 1810.0,
    1845.0, 1880.0, 1920.0, 1955.0, 1995.0, 2030.0, 2070.0, 2105.0, 2145.0, 2180.0,
    2210.0, 2240.0, 2280.0, 2310.0, 2350.0, 2410.0, 2480.0, 2550.0, 2610.0, 2680.0,
    2750.0, 2810.0, 2880.0, 2950.0, 3020.0, 3080.0, 3150.0,
};
// Rockwell C (HRC).
constexpr double rockwell[RowCount] = {
    -24.1, -22.8, -21.5, -19.8, -18.5, -17.2, -15.9, -14.2, -12.9, -11.6,
    -10.3, -9.0, -7.3, -6.0, -4.7, -3.4, -2.1, -0.4, 0.9, 2.2,
    3.5, 5.2, 6.5, 7.8, 9.1, 10.8, 12.1, 13.4, 14.7, 16.0,
    17.7, 19.0, 20.3, 21.3, 22.2, 23.1, 24.0, 24.8, 25.6, 26.4,
    27.1, 27.8, 28.5, 29.2, 29.8, 31.0, 32.2, 33.3, 34.4, 35.5,
    36.6, 37.7, 38.8, 39.8, 40.8, 41.8, 42.7, 43.6, 44.5, 45.3,
    46.1, 46.9, 47.7, 48.4, 49.1, 49.8, 50.5, 51.1, 51.7, 52.3,
    53.0, 53.6, 54.1, 54.7, 55.2, 55.7, 56.3, 56.8, 57.3, 57.8,
    58.3, 58.8, 59.2, 59.7, 60.1, 61.0, 61.8, 62.5, 63.3, 64.0,
    64.7, 65.3, 65.9, 66.4, 67.0, 67.5, 68.0,
};
// Brinell (HBW).
constexpr double brinell[RowCount] = {
    76.0, 80.7, 85.5, 90.2, 95.0, 99.8, 105.0, 109.0, 114.0, 119.0,
    124.0, 128.0, 133.0, 138.0, 143.0, 147.0, 152.0, 156.0, 162.0, 166.0,
    171.0, 176.0, 181.0, 185.0, 190.0, 195.0, 199.0, 204.0, 209.0, 214.0,
    219.0, 223.0, 228.0, 233.0, 238.0, 242.0, 247.0, 252.0, 257.0, 261.0,
    266.0, 271.0, 276.0, 280.0, 285.0, 295.0, 304.0, 314.0, 323.0, 333.0,
    342.0, 352.0, 361.0, 371.0, 380.0, 390.0, 399.0, 409.0, 418.0, 428.0,
    437.0, 447.0, 456.0, 466.0, 475.0, 485.0, 494.0, 504.0, 513.0, 523.0,
    532.0, 542.0, 551.0, 561.0, 570.0, 580.0, 589.0, 599.0, 608.0, 618.0,
    627.0, 636.0, 647.0, 656.0, 667.0, 684.0, 704.0, 724.0, 741.0, 761.0,
    781.0, 798.0, 818.0, 838.0, 858.0, 875.0, 895.0,
};
// Vickers (HV).
constexpr double vickers[RowCount] = {
    80.0, 85.0, 90.0, 95.0, 100.0, 105.0, 110.0, 115.0, 120.0, 125.0,
    130.0, 135.0, 140.0, 145.0, 150.0, 155.0, 160.0, 165.0, 170.0, 175.0,
    180.0, 185.0, 190.0, 195.0, 200.0, 205.0, 210.0, 215.0, 220.0, 225.0,
    230.0, 235.0, 240.0, 245.0, 250.0, 255.0, 260.0, 265.0, 270.0, 275.0,
    280.0, 285.0, 290.0, 295.0, 300.0, 310.0, 320.0, 330.0, 340.0, 350.0,
    360.0, 370.0, 380.0, 390.0, 400.0, 410.0, 420.0, 430.0, 440.0, 450.0,
    460.0, 470.0, 480.0, 490.0, 500.0, 510.0, 520.0, 530.0, 540.0, 550.0,
    560.0, 570.0, 580.0, 590.0, 600.0, 610.0, 620.0, 630.0, 640.0, 650.0,
    660.0, 670.0, 680.0, 690.0, 700.0, 720.0, 740.0, 760.0, 780.0, 800.0,
    820.0, 840.0, 860.0, 880.0, 900.0, 920.0, 940.0,
};

// The validity range of Rockwell C starts above the table, and that of
// Brinell ends below it: the rows beyond take part in interpolation only.
constexpr double RockwellLowest = 20.3;
constexpr double BrinellHighest = 618.0;

// The stress units relate by factors; a row's constant is its factor to N/m².
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Newton per square meter"), "N/m\u00B2", qzUnitRow::Prefix, 1.0 },
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Newton per square millimeter"), "N/mm\u00B2", qzUnitRow::Prefix, 1000000.0 },
    // Deliberately not the psi of qzUnitStress (6894.757293168): the two differ.
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Pound-force per square inch"), "psi", qzUnitRow::Prefix, 6894.757280343134, 0.0, 0, 6894.75729317 },
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Rockwell hardness"), "HRC" },
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Brinell hardness"), "HBW" },
    { QT_TRANSLATE_NOOP("qzUnitHardness", "Vickers hardness"), "HV" },
};

constexpr double infinity = std::numeric_limits<double>::infinity();

// The first position whose entry is not less than x: nx for x above the
// column, 0 for NaN.
int lowerBound(double x, const double* xs, int nx)
{
    int i = 0;
    for (int count = nx; count > 0;) {
        const int half = count / 2;
        if (x > xs[i + half]) {
            i += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return i;
}

// The straight line between the rows i - 1 and i of xs, i the lower bound of x,
// evaluated in ys; -infinity below the first row (and for NaN), +infinity
// above the last.
double interpolateAt(int i, double x, const double* xs, int nx, const double* ys, int ny)
{
    if (i > 0) {
        if (i >= nx || i >= ny)
            return infinity;
        const double x0 = xs[i - 1];
        const double x1 = xs[i];
        if (std::fabs(x0 - x1) < 1e-15)
            return ys[i - 1];
        return ((x - x1) * ys[i - 1] - (x - x0) * ys[i]) / (x0 - x1);
    }
    return (nx > 0 && ny > 0 && xs[0] == x) ? ys[0] : -infinity;
}

double interpolate(double x, const double* xs, int nx, const double* ys, int ny)
{
    return interpolateAt(lowerBound(x, xs, nx), x, xs, nx, ys, ny);
}

// Where the lower bound of a number in a column starts to be searched, for
// arrays: the column's range cut into equal cells, each with the lower bound
// of its left edge. A number's own cell puts it at most a row away from its
// lower bound, which two short walks then find exactly; whatever the cell,
// the walks end at the same position as the binary search.
struct Guide
{
    static constexpr int Cells = 1024; // narrower than the closest two rows of every column
    const double* xs = nullptr;
    double scale = 0.0; // cells per unit of the column
    unsigned char start[Cells] = {};

    explicit Guide(const double* column)
        : xs(column), scale(Cells / (column[RowCount - 1] - column[0]))
    {
        for (int cell = 0; cell < Cells; ++cell)
            start[cell] = static_cast<unsigned char>(lowerBound(xs[0] + cell / scale, xs, RowCount));
    }

    // lowerBound(x, xs, RowCount).
    int find(double x) const
    {
        if (!(x > xs[0])) // at or below the first row, or NaN
            return 0;
        if (x > xs[RowCount - 1])
            return RowCount;
        int i = start[std::min(int((x - xs[0]) * scale), Cells - 1)];
        // A cell is narrower than every row, so one step is the common case:
        // taken without a branch, as the data decide it at random. The walks
        // then rarely move.
        i += x > xs[i];
        while (i > 0 && !(x > xs[i - 1]))
            --i;
        while (i < RowCount && x > xs[i])
            ++i;
        return i;
    }
};

} // namespace

const qzUnitTable qzUnitHardness::Table = {
    "qzUnitHardness", { QT_TRANSLATE_NOOP("qzUnitHardness", "Hardness"), nullptr },
    { { 1, -1, -2 }, 1.0, qzUnitTable::Alternative }, // M·L^-1·T^-2, stress comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Custom, &qzUnitTable::construct<qzUnitHardness>,
    &qzUnitHardness::convert, nullptr, nullptr, nullptr, &qzUnitHardness::convertArray,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHardness)

// Tabulated units meet in tensile strength (N/mm²), the one column that is
// also a linear unit.
void qzUnitHardness::convert(int from, int to, double& value)
{
    if (from == to || !Table.contains(from) || !Table.contains(to))
        return;
    const e_Unit source = e_Unit(from);
    const e_Unit target = e_Unit(to);
    if (isLinearUnit(source) && isLinearUnit(target)) {
        value = (linearFactor(source) / linearFactor(target)) * value;
    } else if (isLinearUnit(source)) {
        convert(from, NewtonPerSquareMillimeter, value);
        value = interpolate(value, table(NewtonPerSquareMillimeter), tableLength(NewtonPerSquareMillimeter),
                            table(target), tableLength(target));
    } else if (!isLinearUnit(target)) {
        value = interpolate(value, table(source), tableLength(source), table(target), tableLength(target));
    } else {
        value = interpolate(value, table(source), tableLength(source),
                            table(NewtonPerSquareMillimeter), tableLength(NewtonPerSquareMillimeter));
        clampToBoundaries(value, NewtonPerSquareMillimeter);
        convert(NewtonPerSquareMillimeter, to, value);
    }
    clampToBoundaries(value, target);
}

// Between two columns (N/mm² among them) every number takes the same two
// steps, interpolation and the clamp, as convert takes them: the arrays find
// the rows through a guide instead of a binary search, the rest is shared.
void qzUnitHardness::convertArray(int from, int to, const double* in, double* out, qsizetype count)
{
    const e_Unit source = e_Unit(from);
    const e_Unit target = e_Unit(to);
    const double* xs = from != to ? table(source) : nullptr;
    const double* ys = table(target);
    if (!xs || !ys) {
        for (qsizetype i = 0; i < count; ++i) {
            double value = in[i];
            convert(from, to, value);
            out[i] = value;
        }
        return;
    }
    static const Guide guides[] = { Guide(tensile), Guide(rockwell), Guide(brinell), Guide(vickers) };
    const Guide& guide = guides[xs == tensile ? 0 : xs == rockwell ? 1 : xs == brinell ? 2 : 3];
    for (qsizetype i = 0; i < count; ++i) {
        const double x = in[i];
        double value = interpolateAt(guide.find(x), x, xs, RowCount, ys, RowCount);
        if (Q_UNLIKELY(std::isinf(value))) // what the clamp changes, without a call per number
            clampToBoundaries(value, target);
        out[i] = value;
    }
}

// +infinity in a stress unit without a column (N/m², psi) becomes the top
// tensile strength in that unit, so that an infinite hardness lands on the
// top of the table in every unit. An index that names no unit has no top:
// its +infinity stays.
void qzUnitHardness::clampToBoundaries(double& value, e_Unit unit)
{
    if (!std::isinf(value))
        return;
    if (value < 0.0) {
        value = 0.0;
    } else if (const double* column = table(unit)) {
        value = column[tableLength(unit) - 1];
    } else if (isLinearUnit(unit)) {
        value = tensile[RowCount - 1];
        convert(NewtonPerSquareMillimeter, unit, value);
    }
}

coBounds<double> qzUnitHardness::validBounds(int unit)
{
    switch (unit) {
    case NewtonPerSquareMeter:
    case PoundForcePerSquareInch: {
        coBounds<double> bounds = validBounds(NewtonPerSquareMillimeter);
        convert(NewtonPerSquareMillimeter, unit, bounds.lower);
        convert(NewtonPerSquareMillimeter, unit, bounds.upper);
        return bounds;
    }
    case Rockwell:
        return { RockwellLowest, rockwell[RowCount - 1] };
    case Brinell:
        return { brinell[0], BrinellHighest };
    case Vickers:
        return { vickers[0], vickers[RowCount - 1] };
    default: // N/mm², and the fallback for indices that name no unit
        return { tensile[0], tensile[RowCount - 1] };
    }
}

bool qzUnitHardness::isValidValue(int unit, double value)
{
    const coBounds<double> bounds = validBounds(unit);
    return value >= bounds.lower && bounds.upper >= value;
}

bool qzUnitHardness::isValidValue(const qzUnitValue& value)
{
    return value.dimension() == qzUnitSystem::Hardness && isValidValue(value.unitIndex(), value.value());
}

bool qzUnitHardness::isLinearUnit(e_Unit unit)
{
    return uint(unit) < 3u;
}

double qzUnitHardness::linearFactor(e_Unit unit)
{
    return isLinearUnit(unit) ? rows[unit].constant : 0.0;
}

const double* qzUnitHardness::table(e_Unit unit)
{
    switch (unit) {
    case NewtonPerSquareMillimeter:
        return tensile;
    case Rockwell:
        return rockwell;
    case Brinell:
        return brinell;
    case Vickers:
        return vickers;
    default:
        return nullptr;
    }
}

int qzUnitHardness::tableLength(e_Unit unit)
{
    return table(unit) ? RowCount : 0;
}
