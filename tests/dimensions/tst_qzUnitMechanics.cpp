#include <qzUnitAcceleration.h>
#include <qzUnitAngle.h>
#include <qzUnitArea.h>
#include <qzUnitDensity.h>
#include <qzUnitForce.h>
#include <qzUnitForceLength.h>
#include <qzUnitForcePerVolume.h>
#include <qzUnitLength.h>
#include <qzUnitMass.h>
#include <qzUnitMomentOfInertia.h>
#include <qzUnitStress.h>
#include <qzUnitTorque.h>
#include <qzUnitTripCoefficient.h>
#include <qzUnitTurningStiffness.h>
#include <qzUnitValue.h>
#include <qzUnitVolume.h>

#include "dimensionChecks.h"

using D = qzUnitSystem;

class tst_qzUnitMechanics : public QObject
{
    Q_OBJECT

private slots:
    void relations_data();
    void relations() { checkResult(); }
    void texts_data();
    void texts();
    void pascalWritings();
};

// Units that are products or quotients of other dimensions' units agree with
// them; the tolerance is wider only where a table keeps a rounded constant.
// Exact rows pin constants that stored values were made with, where the
// textbook value differs.
void tst_qzUnitMechanics::relations_data()
{
    resultColumns();
    const auto in = [](D::Dimension dimension) {
        return [dimension](int unit) { return converted(dimension, unit, 0); };
    };
    const auto mass = in(D::Mass), volume = in(D::Volume), force = in(D::Force), length = in(D::Length);
    const auto area = in(D::Area), stress = in(D::Stress), torque = in(D::Torque), density = in(D::Density);
    const auto forceLength = in(D::ForceLength), trip = in(D::TripCoefficient);
    using M = qzUnitMass;
    using V = qzUnitVolume;
    using F = qzUnitForce;
    using L = qzUnitLength;
    using A = qzUnitArea;
    using S = qzUnitStress;

    result("Mg is t", mass(M::Megagram), mass(M::Ton), 0.0);
    result("lb keeps 0.45359238", mass(M::Pound), 0.45359238, 0.0);
    result("lb in oz, not 16", converted(D::Mass, M::Pound, M::Ounce), 0.45359238 / 0.028349523125, 0.0);
    result("kg/cm3", density(qzUnitDensity::KilogramPerCubicCentimeter), mass(M::Kilogram) / volume(V::CubicCentimeter));
    result("kg/mm3", density(qzUnitDensity::KilogramPerCubicMillimeter), mass(M::Kilogram) / volume(V::CubicMillimeter));
    result("lb/ft3", density(qzUnitDensity::PoundPerCubicFoot), mass(M::Pound) / volume(V::CubicFoot));
    result("lb/in3", density(qzUnitDensity::PoundPerCubicInch), mass(M::Pound) / volume(V::CubicInch));
    result("t/m3", density(qzUnitDensity::TonPerCubicMeter), mass(M::Ton) / volume(V::CubicMeter));
    result("g/cm3", density(qzUnitDensity::GramPerCubicCentimeter), mass(M::Gram) / volume(V::CubicCentimeter));
    result("Mg/mm3", density(qzUnitDensity::MegagramPerCubicMillimeter), mass(M::Megagram) / volume(V::CubicMillimeter));
    result("g/m3", density(qzUnitDensity::GramPerCubicMeter), mass(M::Gram) / volume(V::CubicMeter));

    const double gravity = force(F::Kilopond);
    result("kgf is kp", force(F::KilogramForce), gravity, 0.0);
    result("tnf is 1000 kp", force(F::TonForce), 1000.0 * gravity);
    result("klbf", force(F::KilopoundForce), 1000.0 * force(F::PoundForce));
    result("short ton", force(F::ShortTon), 2000.0 * force(F::PoundForce), 1e-8);
    result("long ton", force(F::LongTon), 2240.0 * force(F::PoundForce), 1e-5);
    result("ozf", force(F::OunceForce), force(F::PoundForce) / 16.0);
    result("kN", force(F::Kilonewton), 1000.0 * force(F::Newton));
    result("dyn is g cm/s2", force(F::Dyne), mass(M::Gram) * converted(D::Acceleration, qzUnitAcceleration::Galileo, 0));
    result("N/mm", forceLength(qzUnitForceLength::NewtonPerMillimeter), force(F::Newton) / length(L::Millimeter));
    result("kN/mm", forceLength(qzUnitForceLength::KilonewtonPerMillimeter), force(F::Kilonewton) / length(L::Millimeter));

    result("MPa", stress(S::Megapascal), force(F::Newton) / area(A::SquareMillimeter));
    result("N/mm2", stress(S::NewtonPerSquareMillimeter), stress(S::Megapascal), 0.0);
    result("psi", stress(S::PoundPerSquareInch), force(F::PoundForce) / area(A::SquareInch));
    result("psi keeps its constant", converted(D::Stress, S::PoundPerSquareInch, S::Megapascal, 1000.0), 6.894757293168);
    result("psf", stress(S::PoundPerSquareFoot), force(F::PoundForce) / area(A::SquareFoot), 1e-6);
    result("at", stress(S::TechnicalAtmosphere), gravity / area(A::SquareCentimeter));
    result("kg/cm2", stress(S::KilogramPerSquareCentimeter), gravity / area(A::SquareCentimeter));
    result("kg/mm2", stress(S::KilogramPerSquareMillimeter), gravity / area(A::SquareMillimeter));
    result("kg/in2 is not the 15200 Pa of kgf/in2", stress(S::KilogramPerSquareInch), 39.3701, 0.0);
    result("Torr", stress(S::Torr), stress(S::PhysicalAtmosphere) / 760.0, 1e-6);
    result("kPa is pz", stress(S::Kilopascal), stress(S::Pieze), 0.0);

    result("ft lbf", torque(qzUnitTorque::FootPound), force(F::PoundForce) * length(L::Foot));
    result("in lbf", torque(qzUnitTorque::InchPound), force(F::PoundForce) * length(L::Inch));
    result("in ozf", torque(qzUnitTorque::InchOunceForce), force(F::OunceForce) * length(L::Inch));
    result("ft ozf", torque(qzUnitTorque::FootOunceForce), force(F::OunceForce) * length(L::Foot));
    result("ft pdl", torque(qzUnitTorque::FootPoundal), force(F::Poundal) * length(L::Foot), 1e-7);
    result("kgf m", torque(qzUnitTorque::KilogramForceMeter), force(F::KilogramForce) * length(L::Meter));
    result("kgf m keeps 9.80665", torque(qzUnitTorque::KilogramForceMeter), 9.80665, 0.0);

    result("t/m2", converted(D::MomentOfInertia, qzUnitMomentOfInertia::TonPerSquareMeter, 0), mass(M::Ton) / area(A::SquareMeter));
    result("slug/ft2", converted(D::MomentOfInertia, qzUnitMomentOfInertia::SlugPerSquareFoot, 0), 1.0 / 224.24813368145254, 0.0);
    result("Nm/deg", converted(D::TurningStiffness, qzUnitTurningStiffness::NewtonMeterPerDegree, 0),
           converted(D::Angle, qzUnitAngle::Radian, qzUnitAngle::Degree), 1e-15);
    result("1/Pa", trip(qzUnitTripCoefficient::PerPascal), stress(S::Megapascal), 0.0);
    // A multiplication, not the division by 6.894757 MPa per ksi.
    result("1/ksi", trip(qzUnitTripCoefficient::PerKsi), 6.894689475729317, 0.0);
    result("1/Pa in 1/ksi", converted(D::TripCoefficient, qzUnitTripCoefficient::PerPascal, qzUnitTripCoefficient::PerKsi),
           1000000.0 / 6.894689475729317, 0.0);
}

// Symbols whose characters are singled out, and texts translated or not.
void tst_qzUnitMechanics::texts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const QString squared(QChar(0x00B2)), cubed(QChar(0x00B3)), dot(QChar(0x00B7));
    const auto row = [](const char* name, const QString& actual, const QString& expected) {
        QTest::newRow(name) << actual << expected;
    };
    const RecordingTranslator translator;
    row("N m", qzUnitTorque::symbol(0), QStringLiteral("N") + dot + QStringLiteral("m"));
    row("kg/(m s2)", qzUnitStress::symbol(2), QStringLiteral("kg/(m") + dot + QStringLiteral("s") + squared + QLatin1Char(')'));
    row("t/m3", qzUnitDensity::symbol(5), QStringLiteral("t/m") + cubed);
    row("N/m3", qzUnitForcePerVolume::symbol(0), QStringLiteral("N/m") + cubed);
    row("short ton force", qzUnitForce::symbol(8), QStringLiteral("tnf (S/T)"));
    row("slug/ft2 named by its symbol", qzUnitMomentOfInertia::name(2), QStringLiteral("slug/ft") + squared);
    row("Nm/deg named by its symbol", qzUnitTurningStiffness::name(1), QStringLiteral("Nm/") + QChar(0x00B0));
    row("in2/kip", qzUnitTripCoefficient(1).name(), RecordingTranslator::recorded("qzUnitTripCoefficient", "Square inch per kilopound"));
    row("t/cm3", qzUnitDensity::name(5), RecordingTranslator::recorded("qzUnitDensity", "Ton per cubic centimeter"));
    row("pieze", qzUnitStress::name(5), RecordingTranslator::recorded("qzUnitStress", "Pi\u00E8ze"));
    row("force values", qzUnitForce::create(12.5, qzUnitForce::Kilonewton).valueSymbolString('g', 6), QStringLiteral("12.5 kN"));
}

void tst_qzUnitMechanics::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

// Three writings of the pascal: one name, no conversion between them.
void tst_qzUnitMechanics::pascalWritings()
{
    const RecordingTranslator translator;
    for (int from = 0; from < 3; ++from) {
        QCOMPARE(qzUnitStress::name(from), RecordingTranslator::recorded("qzUnitStress", "Pascal"));
        for (int to = 0; to < 3; ++to)
            QCOMPARE(converted(D::Stress, from, to, 123.456), 123.456);
    }
    QCOMPARE(converted(D::Stress, qzUnitStress::KilogramPerMeterSquareSecond, qzUnitStress::Kilopascal, 1000.0), 1.0);
}

QTEST_GUILESS_MAIN(tst_qzUnitMechanics)
#include "tst_qzUnitMechanics.moc"
