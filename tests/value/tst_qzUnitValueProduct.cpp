// Dimension algebra: products and quotients of values, checked against
// physical relations between units (GNU units agrees: `units -t 'lbf/in^2'
// psi` is 1): the preferred result and an asked one, offsets, pure numbers,
// and the refusals. Each dimension's exponents and SI factor are checked
// against GNU units by tst_qzUnitPhysicalFactors.
#include <qzUnitValue.h>

#include "checks.h"

using S = qzUnitSystem;

class tst_qzUnitValueProduct : public QObject
{
    Q_OBJECT

private slots:
    void relations_data();
    void relations();
    void onePreferredPerExponents();
};

namespace {

// A relation, or with an undefined expected value a failure whose message contains \a message.
void row(const char* name, qzUnitValue a, char operation, qzUnitValue b, qzUnitValue expected,
         int asked = S::Undefined, const char* message = "")
{
    QTest::newRow(name) << a << (operation == '/') << b << asked << expected << QString::fromUtf8(message);
}

qzUnitValue v(S::Dimension dimension, double value, int unitIndex = 0)
{
    return qzUnitValue(dimension, value, unitIndex);
}

} // namespace

void tst_qzUnitValueProduct::relations_data()
{
    QTest::addColumn<qzUnitValue>("a");
    QTest::addColumn<bool>("divide");
    QTest::addColumn<qzUnitValue>("b");
    QTest::addColumn<int>("asked");
    QTest::addColumn<qzUnitValue>("expected");
    QTest::addColumn<QString>("message");
    row("Gal = cm/s / s", v(S::Speed, 1, 7), '/', v(S::Time, 1), v(S::Acceleration, 1, 6));
    row("360 deg = rpm * min", v(S::AngularVelocity, 1, 2), '*', v(S::Time, 1, 1), v(S::Angle, 360, 1), S::Angle);
    row("ft lbf = lbf * ft", v(S::Force, 1, 3), '*', v(S::Length, 1, 3), v(S::Energy, 1, 8));
    row("60 K = K/min * h", v(S::TemperatureRate, 1, 1), '*', v(S::Time, 1, 2), v(S::Temperature, 60));
    row("2 pi W = N m * rps", v(S::Torque, 1), '*', v(S::AngularVelocity, 1, 1), v(S::Power, 2 * std::acos(-1.0)));
    row("0.018 1/K = % / degF", v(S::Percent, 1), '/', v(S::TemperatureDifference, 1, 2), v(S::ThermalExpansion, 0.018));
    row("1e6 Gy = kJ / g", v(S::Energy, 1, 1), '/', v(S::Mass, 1, 1), v(S::AbsorbedDose, 1e6), S::AbsorbedDose);
    row("293.15 K/s = 20 degC / s", v(S::Temperature, 20, 1), '/', v(S::Time, 1), v(S::TemperatureRate, 293.15));
    row("ft lbf torque = lbf * ft", v(S::Force, 1, 3), '*', v(S::Length, 1, 3), v(S::Torque, 1, 1), S::Torque);
    row("um = mm2 / m", v(S::Area, 1, 2), '/', v(S::Length, 1), v(S::GrainSize, 1), S::GrainSize);
    row("kB = kB / 100 %", v(S::OfInformation, 1, 1), '/', v(S::Percent, 100), v(S::OfInformation, 1, 1), S::OfInformation);
    row("8 bit = B * 100 %", v(S::OfInformation, 1), '*', v(S::Percent, 100), v(S::Percent, 800));
    row("1/MPa = 100 % / (N/mm2)", v(S::Percent, 100), '/', v(S::Stress, 1, 12), v(S::TripCoefficient, 1));
    const qzUnitValue m = v(S::Length, 2), none = qzUnitValue::makeUndefined();
    row("M·L", m, '*', v(S::Mass, 3), none, -1, "Length * Mass has the exponents M·L, which no dimension has");
    row("not volume", m, '*', m, none, S::Volume, "Length * Length has the exponents L^2, not those of Volume (L^3); dimensions with L^2: Area");
    row("not force", m, '/', v(S::Area, 3), none, S::Force, "dimensions with L^-1: MassFractionGradient");
    row("kin of stress", v(S::Force, 2), '/', v(S::Area, 3), none, S::Force, "M·L^-1·T^-2: Stress, Hardness, EnergyDensity");
    row("by zero", m, '/', v(S::Time, 0), none, -1, "Length / Time divides by zero");
    row("overflow", v(S::Length, 1e300), '/', v(S::Time, 1e-300), none, -1, "Length / Time overflows a double");
    row("NaN", m, '*', v(S::Time, qQNaN()), none, -1, "the second operand is nan, not a finite number");
    row("undefined", m, '/', none, none, -1, "the second operand has no dimension");
    row("default", qzUnitValue(), '*', m, none, -1, "the first operand has no dimension");
    row("result 41", m, '*', m, none, 41, "the result 41 names no dimension");
}

void tst_qzUnitValueProduct::relations()
{
    QFETCH(qzUnitValue, a);
    QFETCH(bool, divide);
    QFETCH(qzUnitValue, b);
    QFETCH(int, asked);
    QFETCH(qzUnitValue, expected);
    QFETCH(QString, message);
    QString actual;
    const auto combine = divide ? &qzUnitValue::quotient : &qzUnitValue::product;
    const qzUnitValue result = combine(a, b, S::Dimension(asked), &actual);
    QVERIFY2(actual.contains(message) && actual.isEmpty() == message.isEmpty(), qPrintable(actual));
    QCOMPARE(result.dimension(), expected.dimension());
    QCOMPARE(result.isUndefined(), expected.isUndefined());
    QCOMPARE(combine(a, b, S::Dimension(asked), nullptr).isUndefined(), expected.isUndefined());
    // The tables keep rounded constants (the pound of 0.45359238 kg): a millionth.
    if (expected.isDefined())
        QVERIFY2(result.unitIndex() == 0 && closeTo(result.value(expected.unitIndex()), expected.value(), 1e-6),
                 qPrintable(QString::number(result.value(expected.unitIndex()), 'g', 17)));
}

// Every dimension is found under its own exponents, each set of exponents has
// exactly one preferred dimension, listed first; unknown dimensions have none.
void tst_qzUnitValueProduct::onePreferredPerExponents()
{
    QMap<QString, int> preferred;
    for (S::Dimension dimension : S::getDimensions()) {
        const QVector<S::Dimension> all = S::dimensionsOf(S::exponents(dimension));
        QVERIFY2(all.contains(dimension) && S::siFactor(dimension) > 0.0, qPrintable(S::dimensionKey(dimension)));
        const bool isPreferred = qzUnitCatalogue::find(dimension)->physics.rank == qzUnitTable::Preferred;
        preferred[S::exponents(dimension).toString()] += isPreferred;
        QCOMPARE(all.first() == dimension, isPreferred);
    }
    QCOMPARE(preferred.values().count(1), preferred.size());
    QVERIFY(S::exponents(S::Angle).isDimensionless() && !S::exponents(S::StrainRate).isDimensionless());
    for (int unknown : { -1, 41, 57 })
        QVERIFY(S::exponents(S::Dimension(unknown)) == qzUnitExponents() && S::siFactor(S::Dimension(unknown)) == 0.0);
}

QTEST_GUILESS_MAIN(tst_qzUnitValueProduct)
#include "tst_qzUnitValueProduct.moc"
