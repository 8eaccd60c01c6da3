#include <qzUnitAcceleration.h>
#include <qzUnitAngle.h>
#include <qzUnitAngularVelocity.h>
#include <qzUnitArea.h>
#include <qzUnitDistancePerRevolution.h>
#include <qzUnitGrainSize.h>
#include <qzUnitLength.h>
#include <qzUnitSpeed.h>
#include <qzUnitStrainRate.h>
#include <qzUnitTime.h>
#include <qzUnitValue.h>
#include <qzUnitVolume.h>
#include <qzUnitVolumePerTime.h>

#include "dimensionChecks.h"

#include <QtMath>
#include <QtTest>

using D = qzUnitSystem;

class tst_qzUnitGeometry : public QObject
{
    Q_OBJECT

private slots:
    void classes_data();
    void classes();
    void relations_data();
    void relations();
    void storedConstants();
    void symbolsCodePoints();
    void translatedTexts();
    void angle();
    void unconvertedClasses();
    void distancePerRevolutionFollowsLength();
    void grainSizeFormula_data();
    void grainSizeFormula();
    void grainSizeNonFinite();
};

void tst_qzUnitGeometry::classes_data()
{
    addClassColumns();
    addClass(D::Acceleration, "qzUnitAcceleration", "Acceleration", 7);
    addClass(D::Angle, "qzUnitAngle", "Angle", 2);
    addClass(D::Speed, "qzUnitSpeed", "Velocity", 10);
    addClass(D::Volume, "qzUnitVolume", "Volume", 5);
    addClass(D::StrainRate, "qzUnitStrainRate", "Strain rate", 1);
    addClass(D::Frequency, "qzUnitFrequency", "Frequency", 2);
    addClass(D::AngularVelocity, "qzUnitAngularVelocity", "Angle velocity", 4);
    addClass(D::GrainSize, "qzUnitGrainSize", "Grain size", 2);
    addClass(D::Area, "qzUnitArea", "Area", 7);
    addClass(D::DistancePerRevolution, "qzUnitDistancePerRevolution", "Distance per revolution", 8, "de=Weg pro Umdrehung");
    addClass(D::VolumePerTime, "qzUnitVolumePerTime", "Volume flow", 7);
}

void tst_qzUnitGeometry::classes()
{
    checkClass();
}

// Units that are products or quotients of other dimensions' units agree with
// them; the tolerance is wider only where a table keeps a rounded constant.
void tst_qzUnitGeometry::relations_data()
{
    addRelationColumns();

    const auto length = [](int unit) { return converted(D::Length, unit, 0); };
    const auto time = [](int unit) { return converted(D::Time, unit, 0); };
    const auto area = [](int unit) { return converted(D::Area, unit, 0); };
    const auto volume = [](int unit) { return converted(D::Volume, unit, 0); };
    using L = qzUnitLength;
    using T = qzUnitTime;

    QTest::newRow("cm2") << area(qzUnitArea::SquareCentimeter) << std::pow(length(L::Centimeter), 2) << 1e-12;
    QTest::newRow("mm2") << area(qzUnitArea::SquareMillimeter) << std::pow(length(L::Millimeter), 2) << 1e-12;
    QTest::newRow("um2") << area(qzUnitArea::SquareMicrometer) << std::pow(length(L::Micron), 2) << 1e-12;
    QTest::newRow("km2") << area(qzUnitArea::SquareKilometer) << std::pow(length(L::Kilometer), 2) << 1e-12;
    QTest::newRow("ft2") << area(qzUnitArea::SquareFoot) << std::pow(length(L::Foot), 2) << 1e-10;
    QTest::newRow("in2") << area(qzUnitArea::SquareInch) << std::pow(length(L::Inch), 2) << 1e-12;
    QTest::newRow("cm3") << volume(qzUnitVolume::CubicCentimeter) << std::pow(length(L::Centimeter), 3) << 1e-12;
    QTest::newRow("mm3") << volume(qzUnitVolume::CubicMillimeter) << std::pow(length(L::Millimeter), 3) << 1e-12;
    QTest::newRow("cft") << volume(qzUnitVolume::CubicFoot) << std::pow(length(L::Foot), 3) << 1e-12;
    QTest::newRow("cin") << volume(qzUnitVolume::CubicInch) << std::pow(length(L::Inch), 3) << 1e-12;

    const auto speed = [](int unit) { return converted(D::Speed, unit, 0); };
    QTest::newRow("mm/s") << speed(qzUnitSpeed::MillimeterPerSecond) << length(L::Millimeter) / time(T::Second) << 1e-12;
    QTest::newRow("fps") << speed(qzUnitSpeed::FootPerSecond) << length(L::Foot) / time(T::Second) << 1e-12;
    QTest::newRow("ips") << speed(qzUnitSpeed::InchPerSecond) << length(L::Inch) / time(T::Second) << 1e-12;
    QTest::newRow("m/min") << speed(qzUnitSpeed::MeterPerMinute) << length(L::Meter) / time(T::Minute) << 1e-12;
    QTest::newRow("km/h") << speed(qzUnitSpeed::KilometerPerHour) << length(L::Kilometer) / time(T::Hour) << 1e-12;
    QTest::newRow("cm/s") << speed(qzUnitSpeed::CentimeterPerSecond) << length(L::Centimeter) / time(T::Second) << 1e-12;
    QTest::newRow("cm/min") << speed(qzUnitSpeed::CentimeterPerMinute) << length(L::Centimeter) / time(T::Minute) << 1e-12;
    QTest::newRow("inpm") << speed(qzUnitSpeed::InchPerMinute) << length(L::Inch) / time(T::Minute) << 1e-9;

    const auto acceleration = [](int unit) { return converted(D::Acceleration, unit, 0); };
    QTest::newRow("ips2") << acceleration(qzUnitAcceleration::InchPerSquareSecond) << length(L::Inch) << 1e-12;
    QTest::newRow("fps2") << acceleration(qzUnitAcceleration::FootPerSquareSecond) << length(L::Foot) << 1e-12;
    QTest::newRow("Gal") << acceleration(qzUnitAcceleration::Galileo) << length(L::Centimeter) << 1e-12;
    QTest::newRow("mph/s") << acceleration(qzUnitAcceleration::MilePerHourPerSecond)
                           << speed(qzUnitSpeed::MilePerSecond) / time(T::Hour) << 1e-11;

    const double turn = converted(D::Angle, qzUnitAngle::Degree, qzUnitAngle::Radian, 360.0);
    const auto angular = [](int unit) { return converted(D::AngularVelocity, unit, 0); };
    QTest::newRow("Rps") << angular(qzUnitAngularVelocity::RevolutionPerSecond) << turn / time(T::Second) << 1e-12;
    QTest::newRow("Rpm") << angular(qzUnitAngularVelocity::RevolutionPerMinute) << turn / time(T::Minute) << 1e-12;
    QTest::newRow("Rph") << angular(qzUnitAngularVelocity::RevolutionPerHour) << turn / time(T::Hour) << 1e-12;

    const auto flow = [](int unit) { return converted(D::VolumePerTime, unit, 0); };
    const double litre = converted(D::Volume, qzUnitVolume::CubicCentimeter, 0, 1000.0);
    QTest::newRow("l/s") << flow(qzUnitVolumePerTime::LiterPerSecond) << litre / time(T::Second) << 1e-12;
    QTest::newRow("l/min") << flow(qzUnitVolumePerTime::LiterPerMinute) << litre / time(T::Minute) << 1e-12;
    QTest::newRow("m3/min") << flow(qzUnitVolumePerTime::CubicMeterPerMinute) << volume(qzUnitVolume::CubicMeter) / time(T::Minute) << 1e-12;
    QTest::newRow("cm3/h") << flow(qzUnitVolumePerTime::CubicCentimeterPerHour) << volume(qzUnitVolume::CubicCentimeter) / time(T::Hour) << 1e-12;
    QTest::newRow("cm3/s") << flow(qzUnitVolumePerTime::CubicCentimeterPerSecond) << volume(qzUnitVolume::CubicCentimeter) << 1e-12;
    QTest::newRow("mm3/s") << flow(qzUnitVolumePerTime::CubicMillimeterPerSecond) << volume(qzUnitVolume::CubicMillimeter) << 1e-12;
}

void tst_qzUnitGeometry::relations()
{
    checkRelation();
}

// Constants that stored values were made with, where the textbook value differs.
void tst_qzUnitGeometry::storedConstants()
{
    const double mile = converted(D::Speed, qzUnitSpeed::MilePerSecond, 0);
    COMPARE_EXACT(mile, 1609.344);
    QVERIFY(mile != converted(D::Length, qzUnitLength::Mile, 0));
    COMPARE_EXACT(converted(D::Speed, 0, qzUnitSpeed::MilePerSecond), 1.0 / 1609.344);
    QCOMPARE(converted(D::Speed, qzUnitSpeed::KilometerPerHour, 0, 36.0), 10.0);

    const double ipms = converted(D::Acceleration, qzUnitAcceleration::InchPerMinutePerSecond, 0);
    COMPARE_EXACT(ipms, 1.524);
    QVERIFY(!closeTo(ipms, converted(D::Length, qzUnitLength::Inch, 0) / 60.0, 1e-3));
    const double fpms = converted(D::Acceleration, qzUnitAcceleration::FootPerMinutePerSecond, 0);
    COMPARE_EXACT(fpms, 1.0 / 18.288);
    QVERIFY(!closeTo(fpms, converted(D::Length, qzUnitLength::Foot, 0) / 60.0, 1e-3));

    // Two steps through unit 0, each with its own constant.
    QCOMPARE(converted(D::Area, qzUnitArea::SquareKilometer, 0), 1000000.0);
    QCOMPARE(converted(D::Area, qzUnitArea::SquareCentimeter, qzUnitArea::SquareMillimeter), 100.0);
    COMPARE_EXACT(converted(D::VolumePerTime, qzUnitVolumePerTime::LiterPerMinute, 0), 1.0 / 60000.0);
}

// Symbols whose characters are singled out; the rest follow from the same literals.
void tst_qzUnitGeometry::symbolsCodePoints()
{
    const QString squared(QChar(0x00B2)), cubed(QChar(0x00B3)), micro(QChar(0x00B5));
    QCOMPARE(qzUnitArea::symbol(0), QStringLiteral("m") + squared);
    QCOMPARE(qzUnitArea::symbol(3), micro + QStringLiteral("m") + squared);
    QCOMPARE(qzUnitVolume::symbol(0), QStringLiteral("m") + cubed);
    QCOMPARE(qzUnitVolume::symbol(3), QStringLiteral("cft"));
    QCOMPARE(qzUnitAngle::symbol(1), QString(QChar(0x00B0)));
    QCOMPARE(qzUnitAcceleration::symbol(0), QStringLiteral("m/s") + squared);
    QCOMPARE(qzUnitGrainSize::symbol(0), micro + QStringLiteral("m"));
    // Assembled at run time from SUPERSCRIPT_3.
    QCOMPARE(qzUnitVolumePerTime::SUPERSCRIPT_3, QChar(0x00B3));
    QCOMPARE(qzUnitVolumePerTime::symbol(4), QStringLiteral("cm") + cubed + QStringLiteral("/h"));
    QCOMPARE(qzUnitVolumePerTime::symbol(2), QStringLiteral("l/min"));
}

void tst_qzUnitGeometry::translatedTexts()
{
    const RecordingTranslator translator;
    QCOMPARE(qzUnitAngularVelocity::symbol(0), QStringLiteral("rad/s"));
    QCOMPARE(qzUnitAngularVelocity::symbol(2), RecordingTranslator::recorded("qzUnitAngularVelocity", "Rpm"));
    QCOMPARE(qzUnitDistancePerRevolution::symbol(2),
             RecordingTranslator::recorded("qzUnitDistancePerRevolution", "mm/r", "Einheit Weg pro Umdrehung [mm/U]"));
    QCOMPARE(qzUnitVolumePerTime::name(0), RecordingTranslator::recorded("qzUnitVolumePerTime", "cubic meters per second"));
    QCOMPARE(qzUnitStrainRate::name(0), QStringLiteral("1/s"));
    QCOMPARE(qzUnitStrainRate::symbol(0), QStringLiteral("1/s"));
}

void tst_qzUnitGeometry::angle()
{
    QVERIFY(closeTo(qzUnitAngle::changeValue(qzUnitAngle::Degree, qzUnitAngle::Radian, 180.0), M_PI, 1e-15));
    QVERIFY(closeTo(qzUnitAngle::changeValue(qzUnitAngle::Radian, qzUnitAngle::Degree, M_PI), 180.0, 1e-15));
    QCOMPARE(qzUnitAngle::changeValue(0, 2, 1.0), 1.0);
    QCOMPARE(qzUnitAngle::changeValue(-1, 0, 1.0), 1.0);
    QCOMPARE(qzUnitAngle::changeValue(1, 1, 1.0), 1.0);

    qzUnitAngle angle(qzUnitAngle::Radian);
    QCOMPARE(angle.valueSymbolSeparator(), QStringLiteral(" "));
    double value = M_PI / 2.0;
    angle.changeTo(qzUnitAngle::Degree, value);
    QVERIFY(closeTo(value, 90.0, 1e-15));
    QVERIFY(angle.valueSymbolSeparator().isNull());
    QVERIFY(D(D::Angle, qzUnitAngle::Degree).valueSymbolSeparator().isNull());

    const qzUnitValue created = qzUnitAngle::create(45.0, qzUnitAngle::Degree);
    QCOMPARE(int(created.dimension()), int(D::Angle));
    QCOMPARE(created.unitIndex(), 1);
    QCOMPARE(created.value(), 45.0);
}

// Frequency's two units are two writings of one: numbers never change.
void tst_qzUnitGeometry::unconvertedClasses()
{
    QCOMPARE(converted(D::Frequency, 0, 1, 50.0), 50.0);
    QCOMPARE(converted(D::Frequency, 1, 0, 50.0), 50.0);
    D frequency(D::Frequency, 0);
    double value = 50.0;
    frequency.changeTo(1, value);
    QCOMPARE(value, 50.0);
    QCOMPARE(frequency.symbol(), QStringLiteral("1/s"));
}

void tst_qzUnitGeometry::distancePerRevolutionFollowsLength()
{
    using R = qzUnitDistancePerRevolution;
    for (int unit = 0; unit < R().maxIndex(); ++unit) {
        const QString name = R::toEnumName(unit);
        QCOMPARE(int(R::toEnumIndex(name)), unit);
        QVERIFY(name.endsWith(QLatin1String("_PER_REV")));
        const int lengthUnit = qzUnitLength::toEnumIndex(name.chopped(8));
        QVERIFY2(lengthUnit >= 0, qPrintable(name));
        QCOMPARE(converted(D::DistancePerRevolution, unit, 0, 3.5), converted(D::Length, lengthUnit, 0, 3.5));
        QCOMPARE(R::symbol(unit), qzUnitLength::symbol(lengthUnit) + QStringLiteral("/r"));
    }
    QCOMPARE(int(R::toEnumIndex(QStringLiteral("KILOMETER_PER_REV"))), 7);
    QCOMPARE(int(R::toEnumIndex(QStringLiteral("kilometer_per_rev"))), -1);
    QVERIFY(R::toEnumName(8).isNull());
    QVERIFY(R::toEnumName(-1).isNull());
}

// G and the diameter d in µm: d = sqrt(4 / (2^(G + 2.95) * pi)) * 1000.
void tst_qzUnitGeometry::grainSizeFormula_data()
{
    QTest::addColumn<double>("astm");
    QTest::newRow("0") << 0.0;
    QTest::newRow("7.5") << 7.5;
    QTest::newRow("-1") << -1.0;
    QTest::newRow("14") << 14.0;
}

void tst_qzUnitGeometry::grainSizeFormula()
{
    QFETCH(double, astm);
    const double pi = 3.141592653589793;
    const double diameter = converted(D::GrainSize, qzUnitGrainSize::ASTM, qzUnitGrainSize::Micrometer, astm);
    COMPARE_EXACT(diameter, std::sqrt(4.0 / (std::pow(2.0, astm + 2.95) * pi)) * 1000.0);
    COMPARE_EXACT(converted(D::GrainSize, qzUnitGrainSize::Micrometer, qzUnitGrainSize::ASTM, diameter),
             std::log(4.0 / (std::pow(diameter / 1000.0, 2.0) * pi)) / std::log(2.0) - 2.95);
    QVERIFY(std::fabs(converted(D::GrainSize, 0, 1, diameter) - astm) < 1e-12);
    // One number finer halves the area of a grain.
    const double finer = converted(D::GrainSize, 1, 0, astm + 1.0);
    QVERIFY(closeTo(finer * finer * 2.0, diameter * diameter, 1e-12));
}

void tst_qzUnitGeometry::grainSizeNonFinite()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(converted(D::GrainSize, 0, 1, 0.0), inf);
    QCOMPARE(converted(D::GrainSize, 0, 1, -25.0), converted(D::GrainSize, 0, 1, 25.0));
    QCOMPARE(converted(D::GrainSize, 1, 0, inf), 0.0);
    QCOMPARE(converted(D::GrainSize, 1, 0, -inf), inf);
    QVERIFY(std::isnan(converted(D::GrainSize, 1, 0, qQNaN())));
    QVERIFY(std::isnan(converted(D::GrainSize, 0, 1, qQNaN())));
    QVERIFY(closeTo(converted(D::GrainSize, 1, 0, 0.0), 405.9, 1e-4));
}

QTEST_GUILESS_MAIN(tst_qzUnitGeometry)
#include "tst_qzUnitGeometry.moc"
