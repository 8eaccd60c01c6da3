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

#include <QtTest>

using D = qzUnitSystem;

class tst_qzUnitMechanics : public QObject
{
    Q_OBJECT

private slots:
    void classes_data();
    void classes();
    void relations_data();
    void relations();
    void storedConstants();
    void pascalWritings();
    void symbolsCodePoints();
    void translatedTexts();
    void forcePerVolume();
    void forceValues();
};

void tst_qzUnitMechanics::classes_data()
{
    addClassColumns();
    addClass(D::Force, "qzUnitForce", "Force", 12);
    addClass(D::Mass, "qzUnitMass", "Mass", 7);
    addClass(D::Density, "qzUnitDensity", "Density", 9);
    addClass(D::Stress, "qzUnitStress", "Stress", 16);
    addClass(D::ForceLength, "qzUnitForceLength", "Force per length", 3);
    addClass(D::MomentOfInertia, "qzUnitMomentOfInertia", "Moment of inertia", 4);
    addClass(D::Torque, "qzUnitTorque", "Torque", 7);
    addClass(D::TurningStiffness, "qzUnitTurningStiffness", "Turning stiffness", 2);
    addClass(D::TripCoefficient, "qzUnitTripCoefficient", "Trip coefficient", 3);
    addClass(D::ForcePerVolume, "qzUnitForcePerVolume", "Force per volume", 1);
}

void tst_qzUnitMechanics::classes()
{
    checkClass();
}

// Units that are products or quotients of other dimensions' units agree with
// them; the tolerance is wider only where a table keeps a rounded constant.
void tst_qzUnitMechanics::relations_data()
{
    addRelationColumns();

    const auto in = [](D::Dimension dimension) {
        return [dimension](int unit) { return converted(dimension, unit, 0); };
    };
    const auto mass = in(D::Mass), volume = in(D::Volume), force = in(D::Force), length = in(D::Length);
    const auto area = in(D::Area), stress = in(D::Stress), torque = in(D::Torque), density = in(D::Density);
    const auto forceLength = in(D::ForceLength);
    using M = qzUnitMass;
    using V = qzUnitVolume;
    using F = qzUnitForce;
    using L = qzUnitLength;
    using A = qzUnitArea;

    QTest::newRow("Mg is t") << mass(M::Megagram) << mass(M::Ton) << 0.0;
    QTest::newRow("kg/cm3") << density(qzUnitDensity::KilogramPerCubicCentimeter) << mass(M::Kilogram) / volume(V::CubicCentimeter) << 1e-12;
    QTest::newRow("kg/mm3") << density(qzUnitDensity::KilogramPerCubicMillimeter) << mass(M::Kilogram) / volume(V::CubicMillimeter) << 1e-12;
    QTest::newRow("lb/ft3") << density(qzUnitDensity::PoundPerCubicFoot) << mass(M::Pound) / volume(V::CubicFoot) << 1e-12;
    QTest::newRow("lb/in3") << density(qzUnitDensity::PoundPerCubicInch) << mass(M::Pound) / volume(V::CubicInch) << 1e-12;
    QTest::newRow("t/m3") << density(qzUnitDensity::TonPerCubicMeter) << mass(M::Ton) / volume(V::CubicMeter) << 1e-12;
    QTest::newRow("g/cm3") << density(qzUnitDensity::GramPerCubicCentimeter) << mass(M::Gram) / volume(V::CubicCentimeter) << 1e-12;
    QTest::newRow("Mg/mm3") << density(qzUnitDensity::MegagramPerCubicMillimeter) << mass(M::Megagram) / volume(V::CubicMillimeter) << 1e-12;
    QTest::newRow("g/m3") << density(qzUnitDensity::GramPerCubicMeter) << mass(M::Gram) / volume(V::CubicMeter) << 1e-12;

    const double gravity = force(F::Kilopond);
    QTest::newRow("kgf is kp") << force(F::KilogramForce) << gravity << 0.0;
    QTest::newRow("tnf is 1000 kp") << force(F::TonForce) << 1000.0 * gravity << 1e-12;
    QTest::newRow("klbf") << force(F::KilopoundForce) << 1000.0 * force(F::PoundForce) << 1e-12;
    QTest::newRow("short ton") << force(F::ShortTon) << 2000.0 * force(F::PoundForce) << 1e-8;
    QTest::newRow("long ton") << force(F::LongTon) << 2240.0 * force(F::PoundForce) << 1e-5;
    QTest::newRow("ozf") << force(F::OunceForce) << force(F::PoundForce) / 16.0 << 1e-12;
    QTest::newRow("kN") << force(F::Kilonewton) << 1000.0 * force(F::Newton) << 1e-12;
    QTest::newRow("dyn is g cm/s2") << force(F::Dyne) << mass(M::Gram) * converted(D::Acceleration, qzUnitAcceleration::Galileo, 0) << 1e-12;
    QTest::newRow("N/mm") << forceLength(qzUnitForceLength::NewtonPerMillimeter) << force(F::Newton) / length(L::Millimeter) << 1e-12;
    QTest::newRow("kN/mm") << forceLength(qzUnitForceLength::KilonewtonPerMillimeter) << force(F::Kilonewton) / length(L::Millimeter) << 1e-12;

    QTest::newRow("MPa") << stress(qzUnitStress::Megapascal) << force(F::Newton) / area(A::SquareMillimeter) << 1e-12;
    QTest::newRow("N/mm2") << stress(qzUnitStress::NewtonPerSquareMillimeter) << stress(qzUnitStress::Megapascal) << 0.0;
    QTest::newRow("psi") << stress(qzUnitStress::PoundPerSquareInch) << force(F::PoundForce) / area(A::SquareInch) << 1e-12;
    QTest::newRow("psf") << stress(qzUnitStress::PoundPerSquareFoot) << force(F::PoundForce) / area(A::SquareFoot) << 1e-6;
    QTest::newRow("at") << stress(qzUnitStress::TechnicalAtmosphere) << gravity / area(A::SquareCentimeter) << 1e-12;
    QTest::newRow("kg/cm2") << stress(qzUnitStress::KilogramPerSquareCentimeter) << gravity / area(A::SquareCentimeter) << 1e-12;
    QTest::newRow("kg/mm2") << stress(qzUnitStress::KilogramPerSquareMillimeter) << gravity / area(A::SquareMillimeter) << 1e-12;
    QTest::newRow("Torr") << stress(qzUnitStress::Torr) << stress(qzUnitStress::PhysicalAtmosphere) / 760.0 << 1e-6;
    QTest::newRow("kPa is pz") << stress(qzUnitStress::Kilopascal) << stress(qzUnitStress::Pieze) << 0.0;

    QTest::newRow("ft lbf") << torque(qzUnitTorque::FootPound) << force(F::PoundForce) * length(L::Foot) << 1e-12;
    QTest::newRow("in lbf") << torque(qzUnitTorque::InchPound) << force(F::PoundForce) * length(L::Inch) << 1e-12;
    QTest::newRow("in ozf") << torque(qzUnitTorque::InchOunceForce) << force(F::OunceForce) * length(L::Inch) << 1e-12;
    QTest::newRow("ft ozf") << torque(qzUnitTorque::FootOunceForce) << force(F::OunceForce) * length(L::Foot) << 1e-12;
    QTest::newRow("ft pdl") << torque(qzUnitTorque::FootPoundal) << force(F::Poundal) * length(L::Foot) << 1e-7;
    QTest::newRow("kgf m") << torque(qzUnitTorque::KilogramForceMeter) << force(F::KilogramForce) * length(L::Meter) << 1e-12;

    QTest::newRow("t/m2") << converted(D::MomentOfInertia, qzUnitMomentOfInertia::TonPerSquareMeter, 0) << mass(M::Ton) / area(A::SquareMeter) << 1e-12;
    QTest::newRow("Nm/deg") << converted(D::TurningStiffness, qzUnitTurningStiffness::NewtonMeterPerDegree, 0)
                            << converted(D::Angle, qzUnitAngle::Radian, qzUnitAngle::Degree) << 1e-15;
    QTest::newRow("1/Pa") << converted(D::TripCoefficient, qzUnitTripCoefficient::PerPascal, 0) << stress(qzUnitStress::Megapascal) << 0.0;
}

void tst_qzUnitMechanics::relations()
{
    checkRelation();
}

// Constants that stored values were made with, where the textbook value differs.
void tst_qzUnitMechanics::storedConstants()
{
    COMPARE_EXACT(converted(D::Mass, qzUnitMass::Pound, 0), 0.45359238);
    COMPARE_EXACT(converted(D::Mass, qzUnitMass::Pound, qzUnitMass::Ounce), 0.45359238 / 0.028349523125);
    QVERIFY(converted(D::Mass, qzUnitMass::Pound, qzUnitMass::Ounce) != 16.0);
    QVERIFY(closeTo(converted(D::Mass, qzUnitMass::Ton, qzUnitMass::Megagram), 1.0));

    QCOMPARE(converted(D::Density, 0, qzUnitDensity::GramPerCubicMeter), 1000.0);
    QCOMPARE(converted(D::Force, qzUnitForce::Dyne, 0, 100000.0), 1.0);
    QCOMPARE(converted(D::Stress, qzUnitStress::PoundPerSquareInch, qzUnitStress::Megapascal, 1000.0), 6.894757293168);

    // Not the 15200 Pa of a kilogram-force per square inch.
    const double kgPerSquareInch = converted(D::Stress, qzUnitStress::KilogramPerSquareInch, 0);
    COMPARE_EXACT(kgPerSquareInch, 39.3701);
    QCOMPARE(converted(D::Stress, 0, qzUnitStress::KilogramPerSquareInch, kgPerSquareInch), 1.0);

    COMPARE_EXACT(converted(D::Torque, qzUnitTorque::KilogramForceMeter, 0), 9.80665);
    COMPARE_EXACT(converted(D::MomentOfInertia, qzUnitMomentOfInertia::SlugPerSquareFoot, 0), 1.0 / 224.24813368145254);

    // A multiplication, not the division by 6.894757 MPa per ksi.
    COMPARE_EXACT(converted(D::TripCoefficient, qzUnitTripCoefficient::PerKsi, 0), 6.894689475729317);
    COMPARE_EXACT(converted(D::TripCoefficient, qzUnitTripCoefficient::PerPascal, qzUnitTripCoefficient::PerKsi),
             1000000.0 / 6.894689475729317);
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

// Symbols whose characters are singled out; the rest follow from the same literals.
void tst_qzUnitMechanics::symbolsCodePoints()
{
    const QString squared(QChar(0x00B2)), cubed(QChar(0x00B3)), dot(QChar(0x00B7));
    QCOMPARE(qzUnitTorque::symbol(0), QStringLiteral("N") + dot + QStringLiteral("m"));
    QCOMPARE(qzUnitStress::symbol(2), QStringLiteral("kg/(m") + dot + QStringLiteral("s") + squared + QLatin1Char(')'));
    QCOMPARE(qzUnitDensity::symbol(5), QStringLiteral("t/m") + cubed);
    QCOMPARE(qzUnitForcePerVolume::symbol(0), QStringLiteral("N/m") + cubed);
    QCOMPARE(qzUnitForce::symbol(8), QStringLiteral("tnf (S/T)"));
}

void tst_qzUnitMechanics::translatedTexts()
{
    const RecordingTranslator translator;
    // Named by their symbols, untranslated.
    QCOMPARE(qzUnitMomentOfInertia::name(2), QStringLiteral("slug/ft") + QChar(0x00B2));
    QCOMPARE(qzUnitTurningStiffness::name(1), QStringLiteral("Nm/") + QChar(0x00B0));
    QCOMPARE(qzUnitTripCoefficient(1).name(), RecordingTranslator::recorded("qzUnitTripCoefficient", "Square inch per kilopound"));
    QCOMPARE(qzUnitDensity::name(5), RecordingTranslator::recorded("qzUnitDensity", "Ton per cubic centimeter"));
    QCOMPARE(qzUnitStress::name(5), RecordingTranslator::recorded("qzUnitStress", "Pièze"));
}

// A single unit, never converted; a virtual conversion only records the index.
void tst_qzUnitMechanics::forcePerVolume()
{
    qzUnitForcePerVolume unit;
    double value = 2.5;
    unit.changeTo(3, value);
    QCOMPARE(value, 2.5);
    QCOMPARE(unit.unitIndex(), 3);
}

void tst_qzUnitMechanics::forceValues()
{
    const qzUnitValue value = qzUnitForce::create(12.5, qzUnitForce::Kilonewton);
    QCOMPARE(int(value.dimension()), int(D::Force));
    QCOMPARE(value.unitIndex(), 7);
    QCOMPARE(value.value(), 12.5);
}

QTEST_GUILESS_MAIN(tst_qzUnitMechanics)
#include "tst_qzUnitMechanics.moc"
