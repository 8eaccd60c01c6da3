#include <qzUnitHardness.h>
#include <qzUnitSystem.h>
#include <qzUnitValue.h>

#include "checks.h"

#include <cmath>
#include <limits>

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Psi = 6894.757280343134 / 1000000.0; // in N/mm²

constexpr auto Hardness = qzUnitSystem::Hardness;

// One material in all six units, from its row of the conversion table.
QVector<double> material(double tensile, double hrc, double hbw, double hv)
{
    return { tensile * 1000000.0, tensile, tensile / Psi, hrc, hbw, hv };
}
} // namespace

class tst_qzUnitHardness : public QObject
{
    Q_OBJECT

private slots:
    void tableRows_data();
    void tableRows();
    void columnsAreSmoothAndInvertible();
    void conversion_data();
    void conversion() { checkResult(); }
    void clampingAndValidity();
};

// Neighbouring rows at both ends of the table, where the HRC validity
// range starts, and where the HBW range ends.
void tst_qzUnitHardness::tableRows_data()
{
    QTest::addColumn<QVector<double>>("lower");
    QTest::addColumn<QVector<double>>("upper");
    QTest::newRow("0-1") << material(255.0, -24.1, 76.0, 80.0) << material(270.0, -22.8, 80.7, 85.0);
    QTest::newRow("31-32") << material(755.0, 19.0, 223.0, 235.0) << material(770.0, 20.3, 228.0, 240.0);
    QTest::newRow("79-80") << material(2180.0, 57.8, 618.0, 650.0) << material(2210.0, 58.3, 627.0, 660.0);
    QTest::newRow("95-96") << material(3080.0, 67.5, 875.0, 920.0) << material(3150.0, 68.0, 895.0, 940.0);
}

// On a row every unit gives the row's entry in every other unit; halfway
// between two rows, the halfway value.
void tst_qzUnitHardness::tableRows()
{
    QFETCH(QVector<double>, lower);
    QFETCH(QVector<double>, upper);
    for (int from = 0; from < 6; ++from) {
        for (int to = 0; to < 6; ++to) {
            const QByteArray where = QByteArray::number(from) + " -> " + QByteArray::number(to);
            // 255 N/mm² in psi comes back as 254.99999999999997, just below the table.
            if (from != qzUnitHardness::PoundForcePerSquareInch || lower[1] > 255.0)
                QVERIFY2(closeTo(converted(Hardness, from, to, lower[from]), lower[to]), where);
            QVERIFY2(closeTo(converted(Hardness, from, to, upper[from]), upper[to]), where);
            const double middle = converted(Hardness, from, to, (lower[from] + upper[from]) / 2.0);
            QVERIFY2(std::fabs(middle - (lower[to] + upper[to]) / 2.0) <= 1e-9 * std::fabs(upper[to]), where);
        }
    }
}

// The empirical curves against Vickers ascend, and their slope never jumps
// by more than half from one row interval to the next: a mistyped entry in
// any column breaks one or the other, or the way back.
void tst_qzUnitHardness::columnsAreSmoothAndInvertible()
{
    for (int column : { 1, 3, 4 }) {
        double previous = 0.0;
        for (double hv = 80.25; hv < 940.0; hv += 0.5) {
            const QByteArray where = QByteArray::number(column) + " at HV " + QByteArray::number(hv);
            QVERIFY2(std::fabs(converted(Hardness, column, 5, converted(Hardness, 5, column, hv)) - hv) < 1e-9, where);
            const double slope = (converted(Hardness, 5, column, hv + 0.1) - converted(Hardness, 5, column, hv - 0.1)) / 0.2;
            QVERIFY2(slope > 0.0, where);
            QVERIFY2(previous == 0.0 || (slope / previous > 0.6 && slope / previous < 1.65), where);
            previous = slope;
        }
    }
}

// Interpolation between rows, and what lies below, above or outside the table.
void tst_qzUnitHardness::conversion_data()
{
    resultColumns();
    result("HV between rows", converted(Hardness, 5, 3, 202.5), 9.95);
    result("HV below table", converted(Hardness, 5, 3, 50.0), 0.0);
    result("HV above table", converted(Hardness, 5, 3, 1000.0), 68.0);
    result("psi rounding below the first row", converted(Hardness, 2, 3, 255.0 / Psi), 0.0);
    result("NaN into a scale", converted(Hardness, 3, 5, NaN), 0.0);
    result("NaN between stresses", converted(Hardness, 0, 1, NaN), NaN);
    result("infinite HRC", converted(Hardness, 3, 1, Inf), 3150.0);
    result("-infinity to HV", converted(Hardness, 1, 5, -Inf), 0.0);
    result("infinity in psi is the table's top", converted(Hardness, 0, 2, Inf), 3150.0 / Psi);
    result("overflow to N/m2 is the table's top", converted(Hardness, 2, 0, 1e308), 3150.0e6);
}

// +infinity lands on the top of the table in every unit, -infinity on 0; an
// index that names no unit has no top.
void tst_qzUnitHardness::clampingAndValidity()
{
    using H = qzUnitHardness;
    for (int unit = 0; unit < 6; ++unit) {
        double top = Inf, bottom = -Inf;
        H::clampToBoundaries(top, H::e_Unit(unit));
        H::clampToBoundaries(bottom, H::e_Unit(unit));
        QVERIFY(top == converted(Hardness, 1, unit, 3150.0) && bottom == 0.0);
    }
    double unknown = Inf, nan = NaN, finite = 700.0;
    H::clampToBoundaries(unknown, H::e_Unit(9));
    H::clampToBoundaries(nan, H::e_Unit(9));
    H::clampToBoundaries(finite, H::Brinell);
    QVERIFY(unknown == Inf && std::isnan(nan) && finite == 700.0);

    // Rockwell C is valid from 20.3, Brinell up to 618; the stress units take the tensile range.
    const coBounds<double> hrc = H::validBounds(3), hbw = H::validBounds(4), pascal = H::validBounds(0), none = H::validBounds(9);
    QVERIFY(hrc.lower == 20.3 && hrc.upper == 68.0 && hbw.lower == 76.0 && hbw.upper == 618.0);
    QVERIFY(pascal.lower == 255e6 && pascal.upper == 3150e6 && none.lower == 255.0 && none.upper == 3150.0);
    QCOMPARE(H::validBounds(2).upper, converted(Hardness, 1, 2, 3150.0));
    QVERIFY(H::isValidValue(3, 20.3) && H::isValidValue(5, 940.0) && H::isValidValue(qzUnitValue(qzUnitSystem::Hardness, 500.0, 1)));
    QVERIFY(!H::isValidValue(3, 20.2) && !H::isValidValue(4, 618.5) && !H::isValidValue(1, NaN));
    QVERIFY(!H::isValidValue(qzUnitValue(qzUnitSystem::Hardness, 20.2, 3)) && !H::isValidValue(qzUnitValue(qzUnitSystem::Stress, 500.0, 1)));
}

QTEST_GUILESS_MAIN(tst_qzUnitHardness)
#include "tst_qzUnitHardness.moc"
