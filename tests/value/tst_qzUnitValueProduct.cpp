// Dimension algebra: products and quotients of values, checked against
// physical relations between units (GNU units agrees: `units -t 'lbf/in^2'
// psi` is 1). One relation per dimension lands in it, so every dimension's
// exponents and SI factor are checked against the other dimensions' tables.
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
    row("100 mA = kA/m2 * cm2", v(S::ElectricalCurrentDensity, 1, 3), '*', v(S::Area, 1, 1), v(S::Current, 100, 1));
    row("ft lbf = lbf * ft", v(S::Force, 1, 3), '*', v(S::Length, 1, 3), v(S::Energy, 1, 8));
    row("kWh = 1000 W * h", v(S::Power, 1000), '*', v(S::Time, 1, 2), v(S::Energy, 1, 2));
    row("lbf = psi * in2", v(S::Stress, 1, 10), '*', v(S::Area, 1, 6), v(S::Force, 1, 3));
    row("60 in = ips * min", v(S::Speed, 1, 3), '*', v(S::Time, 1, 1), v(S::Length, 60, 4));
    row("lb = lb/ft3 * cft", v(S::Density, 1, 3), '*', v(S::Volume, 1, 3), v(S::Mass, 1, 3));
    row("km/h = km / h", v(S::Length, 1, 9), '/', v(S::Time, 1, 2), v(S::Speed, 1, 6));
    row("60 K = K/min * h", v(S::TemperatureRate, 1, 1), '*', v(S::Time, 1, 2), v(S::Temperature, 60));
    row("1000 min = m3 / (l/min)", v(S::Volume, 1), '/', v(S::VolumePerTime, 1, 2), v(S::Time, 1000, 1));
    row("cft = ft2 * ft", v(S::Area, 1, 5), '*', v(S::Length, 1, 3), v(S::Volume, 1, 3));
    row("lb/in3 = lb / cin", v(S::Mass, 1, 3), '/', v(S::Volume, 1, 4), v(S::Density, 1, 4));
    row("2 pi W = N m * rps", v(S::Torque, 1), '*', v(S::AngularVelocity, 1, 1), v(S::Power, 2 * std::acos(-1.0)));
    row("psi = lbf / in2", v(S::Force, 1, 3), '/', v(S::Area, 1, 6), v(S::Stress, 1, 10));
    row("W/(m K) = kW/m2 / (K/mm)", v(S::HeatFlux, 1, 2), '/', v(S::TemperatureGradient, 1, 2), v(S::ThermalConductivity, 1, 1));
    row("0.018 1/K = % / degF", v(S::Percent, 1), '/', v(S::TemperatureDifference, 1, 2), v(S::ThermalExpansion, 0.018));
    row("1e6 Gy = kJ / g", v(S::Energy, 1, 1), '/', v(S::Mass, 1, 1), v(S::AbsorbedDose, 1e6), S::AbsorbedDose);
    row("4186.8 J/K = kcal / K", v(S::Heat, 1, 3), '/', v(S::TemperatureDifference, 1), v(S::HeatCapacity, 4186.8));
    row("1.8 kJ/(kg K) = J/g / degF", v(S::LatentHeat, 1, 1), '/', v(S::TemperatureDifference, 1, 2), v(S::SpecificHeatCapacity, 1.8));
    row("N/mm = N/mm2 * mm", v(S::Stress, 1, 12), '*', v(S::Length, 1, 2), v(S::ForceLength, 1, 1));
    row("1000 V = W / mA", v(S::Power, 1), '/', v(S::Current, 1, 1), v(S::Voltage, 1000));
    row("10 J/cm = kJ / m", v(S::Energy, 1, 1), '/', v(S::Length, 1), v(S::EnergyLength, 10), S::EnergyLength);
    row("60 degF = degF/min * h", v(S::TemperatureRate, 1, 4), '*', v(S::Time, 1, 2), v(S::TemperatureDifference, 60, 2), S::TemperatureDifference);
    row("1e4 W/(m2 K) = W/cm2 / K", v(S::HeatFlux, 1, 1), '/', v(S::TemperatureDifference, 1), v(S::HeatTransferCoefficient, 1e4));
    row("1e-3 1/s = mm/s / m", v(S::Speed, 1, 1), '/', v(S::Length, 1), v(S::StrainRate, 1e-3), S::StrainRate);
    row("J/g = J / g", v(S::Energy, 1), '/', v(S::Mass, 1, 1), v(S::LatentHeat, 1, 1));
    row("0.1 % = mm / m", v(S::Length, 1, 2), '/', v(S::Length, 1), v(S::Percent, 0.1));
    row("1/3.6 Hz = km/h / m", v(S::Speed, 1, 6), '/', v(S::Length, 1), v(S::Frequency, 1 / 3.6));
    row("rpm = 360 deg / min", v(S::Angle, 360, 1), '/', v(S::Time, 1, 1), v(S::AngularVelocity, 1, 2), S::AngularVelocity);
    row("3600 J heat = W * h", v(S::Power, 1), '*', v(S::Time, 1, 2), v(S::Heat, 3.6, 1), S::Heat);
    row("t m2 = t * m2", v(S::Mass, 1, 2), '*', v(S::Area, 1), v(S::MomentOfInertia, 1, 1), S::MomentOfInertia);
    row("W/in2 = W / in2", v(S::Power, 1), '/', v(S::Area, 1, 6), v(S::HeatFlux, 1, 3));
    row("degF/h = degF / h", v(S::TemperatureDifference, 1, 2), '/', v(S::Time, 1, 2), v(S::TemperatureRate, 1, 5));
    row("293.15 K/s = 20 degC / s", v(S::Temperature, 20, 1), '/', v(S::Time, 1), v(S::TemperatureRate, 293.15));
    row("ft lbf torque = lbf * ft", v(S::Force, 1, 3), '*', v(S::Length, 1, 3), v(S::Torque, 1, 1), S::Torque);
    row("um = mm2 / m", v(S::Area, 1, 2), '/', v(S::Length, 1), v(S::GrainSize, 1), S::GrainSize);
    row("kB = kB / 100 %", v(S::OfInformation, 1, 1), '/', v(S::Percent, 100), v(S::OfInformation, 1, 1), S::OfInformation);
    row("8 bit = B * 100 %", v(S::OfInformation, 1), '*', v(S::Percent, 100), v(S::Percent, 800));
    row("N m/deg = N m / deg", v(S::Torque, 1), '/', v(S::Angle, 1, 1), v(S::TurningStiffness, 1, 1), S::TurningStiffness);
    row("N/mm2 = N / mm2", v(S::Force, 1), '/', v(S::Area, 1, 2), v(S::Hardness, 1, 1), S::Hardness);
    row("12 in2 = ft * in", v(S::Length, 1, 3), '*', v(S::Length, 1, 4), v(S::Area, 12, 6));
    row("m/r = m/min / rpm", v(S::Speed, 1, 5), '/', v(S::AngularVelocity, 1, 2), v(S::DistancePerRevolution, 1), S::DistancePerRevolution);
    row("1/MPa = 100 % / (N/mm2)", v(S::Percent, 100), '/', v(S::Stress, 1, 12), v(S::TripCoefficient, 1));
    row("1/(uOhm m) = MA/m2 / (V/m)", v(S::ElectricalCurrentDensity, 1, 4), '/', v(S::ElectricField, 1), v(S::ElectricalConductivity, 1, 1));
    row("uOhm m = V/m / (MA/m2)", v(S::ElectricField, 1), '/', v(S::ElectricalCurrentDensity, 1, 4), v(S::ElectricalResistivity, 1, 1));
    row("kA/m2 = mA / mm2", v(S::Current, 1, 1), '/', v(S::Area, 1, 2), v(S::ElectricalCurrentDensity, 1, 3));
    row("J/mm3 = J / mm3", v(S::Energy, 1), '/', v(S::Volume, 1, 2), v(S::EnergyDensity, 1, 5), S::EnergyDensity);
    row("K/cm = K / cm", v(S::TemperatureDifference, 1), '/', v(S::Length, 1, 1), v(S::TemperatureGradient, 1, 1));
    row("1/(uOhm m2) = 1/(uOhm m) / m", v(S::ElectricalConductivity, 1, 1), '/', v(S::Length, 1), v(S::AreicElectricalConductivity, 1, 2));
    row("cm3/h = cm3 / h", v(S::Volume, 1, 1), '/', v(S::Time, 1, 2), v(S::VolumePerTime, 1, 4));
    row("10 N/m3 = g/cm3 * Gal", v(S::Density, 1, 6), '*', v(S::Acceleration, 1, 6), v(S::ForcePerVolume, 10));
    row("3.6 T = V/m / (km/h)", v(S::ElectricField, 1), '/', v(S::Speed, 1, 6), v(S::MagneticInduction, 3.6));
    row("1000 A/m = A / mm", v(S::Current, 1), '/', v(S::Length, 1, 2), v(S::MagneticField, 1000));
    row("1000 V/m = V / mm", v(S::Voltage, 1), '/', v(S::Length, 1, 2), v(S::ElectricField, 1000));
    row("0.1 wt% = g / kg", v(S::Mass, 1, 1), '/', v(S::Mass, 1), v(S::MassFraction, 0.1), S::MassFraction);
    row("1e-4 m2/s = cm2 / s", v(S::Area, 1, 1), '/', v(S::Time, 1), v(S::Diffusivity, 1e-4));
    row("1000 wt%/m = wt% / mm", v(S::MassFraction, 1), '/', v(S::Length, 1, 2), v(S::MassFractionGradient, 1000));
    row("kg/(m2 s) = g/cm3 * mm/s", v(S::Density, 1, 6), '*', v(S::Speed, 1, 1), v(S::MassFluxDensity, 1));
    const qzUnitValue m = v(S::Length, 2), none = qzUnitValue::makeUndefined();
    row("M·L", m, '*', v(S::Mass, 3), none, -1, "Length * Mass has the exponents M·L, which no dimension has");
    row("I·Θ", v(S::Current, 1), '*', v(S::Temperature, 3), none, -1, "the exponents I·Θ, which no");
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
