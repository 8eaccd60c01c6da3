// Length and the geometry and kinematics dimensions.
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

using D = qzUnitSystem;

namespace {
//! One \a unit of \a dimension in unit 0.
double si(D::Dimension dimension, int unit) { return converted(dimension, unit, 0); }
} // namespace

class tst_qzUnitGeometry : public QObject
{
    Q_OBJECT

private slots:
    void relations_data();
    void relations() { checkResult(); }
    void texts_data();
    void texts();
    void lengthEnumNames();
    void distancePerRevolutionFollowsLength();
    void grainSizeFormula_data();
    void grainSizeFormula();
    void grainSizeNonFinite();
};

// Units that are products or quotients of other dimensions' units agree with
// them; the tolerance is wider only where a table keeps a rounded constant.
// Exact rows pin constants that stored values were made with, where the
// textbook value differs.
void tst_qzUnitGeometry::relations_data()
{
    resultColumns();
    using L = qzUnitLength;
    using T = qzUnitTime;
    using A = qzUnitArea;
    using V = qzUnitVolume;
    using S = qzUnitSpeed;
    using F = qzUnitVolumePerTime;
    using R = qzUnitAngularVelocity;
    const auto length = [](int unit) { return si(D::Length, unit); };
    const auto time = [](int unit) { return si(D::Time, unit); };

    result("mile uses the table's mile", length(L::Mile), 1609.34419224);
    result("cm to mm goes through the metre", converted(D::Length, L::Centimeter, L::Millimeter), 10.0);
    result("micron to microinch", converted(D::Length, L::Micron, L::Microinch), 1.0 / 1000000.0 / 2.54e-08);
    result("inch to mm", converted(D::Length, L::Inch, L::Millimeter), 25.4);
    result("foot is twelve inches", converted(D::Length, L::Foot, L::Inch), 12.0);
    result("mil is a thousandth inch", converted(D::Length, L::Mil, L::Inch, 1000.0), 1.0);
    result("km", length(L::Kilometer), 1000.0);
    const coCoords3d mm = L::convert(L::Inch, L::Millimeter, coCoords3d{ 1.0, 2.0, 3.0 });
    result("coordinates", mm.x + mm.y + mm.z, 152.4);
    const coCoords3d same = L::convert(L::Inch, L::e_Unit(10), coCoords3d{ 1.0, 2.0, 3.0 });
    result("coordinates to an unknown unit stay", same.x + 10.0 * same.y + 100.0 * same.z, 321.0, 0.0);

    // Areas and volumes are powers of lengths, speeds lengths per time.
    const int squares[][2] = { { A::SquareCentimeter, L::Centimeter }, { A::SquareMillimeter, L::Millimeter },
                               { A::SquareMicrometer, L::Micron }, { A::SquareKilometer, L::Kilometer },
                               { A::SquareFoot, L::Foot }, { A::SquareInch, L::Inch } };
    for (const auto& unit : squares)
        QTest::addRow("area %d", unit[0]) << si(D::Area, unit[0]) << std::pow(length(unit[1]), 2) << 1e-10;
    const int cubes[][2] = { { V::CubicCentimeter, L::Centimeter }, { V::CubicMillimeter, L::Millimeter },
                             { V::CubicFoot, L::Foot }, { V::CubicInch, L::Inch } };
    for (const auto& unit : cubes)
        QTest::addRow("volume %d", unit[0]) << si(D::Volume, unit[0]) << std::pow(length(unit[1]), 3) << 1e-12;
    const int speeds[][3] = { { S::MillimeterPerSecond, L::Millimeter, T::Second }, { S::FootPerSecond, L::Foot, T::Second },
                              { S::InchPerSecond, L::Inch, T::Second }, { S::MeterPerMinute, L::Meter, T::Minute },
                              { S::KilometerPerHour, L::Kilometer, T::Hour }, { S::CentimeterPerSecond, L::Centimeter, T::Second },
                              { S::CentimeterPerMinute, L::Centimeter, T::Minute }, { S::InchPerMinute, L::Inch, T::Minute } };
    for (const auto& unit : speeds)
        QTest::addRow("speed %d", unit[0]) << si(D::Speed, unit[0]) << length(unit[1]) / time(unit[2]) << 1e-9;
    result("cm2 in mm2, two steps through m2", converted(D::Area, A::SquareCentimeter, A::SquareMillimeter), 100.0);
    result("mile/s keeps 1609.344, not the Length mile", si(D::Speed, S::MilePerSecond), 1609.344, 0.0);
    result("mile/s back", converted(D::Speed, 0, S::MilePerSecond), 1.0 / 1609.344, 0.0);

    result("ips2", si(D::Acceleration, qzUnitAcceleration::InchPerSquareSecond), length(L::Inch));
    result("fps2", si(D::Acceleration, qzUnitAcceleration::FootPerSquareSecond), length(L::Foot));
    result("Gal", si(D::Acceleration, qzUnitAcceleration::Galileo), length(L::Centimeter));
    result("mph/s", si(D::Acceleration, qzUnitAcceleration::MilePerHourPerSecond), si(D::Speed, S::MilePerSecond) / time(T::Hour), 1e-11);
    result("in/min/s keeps 1.524", si(D::Acceleration, qzUnitAcceleration::InchPerMinutePerSecond), 1.524, 0.0);
    result("ft/min/s keeps 1/18.288", si(D::Acceleration, qzUnitAcceleration::FootPerMinutePerSecond), 1.0 / 18.288, 0.0);

    const double turn = qzUnitAngle::changeValue(qzUnitAngle::Degree, qzUnitAngle::Radian, 360.0);
    result("half a turn", turn / 2.0, M_PI, 1e-15);
    result("pi in degrees", qzUnitAngle::changeValue(qzUnitAngle::Radian, qzUnitAngle::Degree, M_PI), 180.0, 1e-15);
    for (int unit : { R::RevolutionPerSecond, R::RevolutionPerMinute, R::RevolutionPerHour })
        QTest::addRow("angular velocity %d", unit) << si(D::AngularVelocity, unit) << turn / time(unit - 1) << 1e-12;

    const double litre = converted(D::Volume, V::CubicCentimeter, 0, 1000.0);
    result("l/s", si(D::VolumePerTime, F::LiterPerSecond), litre / time(T::Second));
    result("l/min", si(D::VolumePerTime, F::LiterPerMinute), litre / time(T::Minute));
    result("l/min keeps 1/60000", si(D::VolumePerTime, F::LiterPerMinute), 1.0 / 60000.0, 0.0);
    result("m3/min", si(D::VolumePerTime, F::CubicMeterPerMinute), si(D::Volume, V::CubicMeter) / time(T::Minute));
    result("cm3/h", si(D::VolumePerTime, F::CubicCentimeterPerHour), si(D::Volume, V::CubicCentimeter) / time(T::Hour));
    result("cm3/s", si(D::VolumePerTime, F::CubicCentimeterPerSecond), si(D::Volume, V::CubicCentimeter));
    result("mm3/s", si(D::VolumePerTime, F::CubicMillimeterPerSecond), si(D::Volume, V::CubicMillimeter));
}

// Symbols whose characters are singled out, texts translated or not, and the
// degree written without a blank.
void tst_qzUnitGeometry::texts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const QString squared(QChar(0x00B2)), cubed(QChar(0x00B3)), micro(QChar(0x00B5)), m = QStringLiteral("m");
    const auto row = [](const char* name, const QString& actual, const QString& expected) {
        QTest::newRow(name) << actual << expected;
    };
    const RecordingTranslator translator;
    row("metre", qzUnitLength::name(0), RecordingTranslator::recorded("qzUnitLength", "Meter"));
    row("micron", qzUnitLength::symbol(7), micro + m);
    row("microinch", qzUnitLength::symbol(8), micro + QStringLiteral("in"));
    row("m2", qzUnitArea::symbol(0), m + squared);
    row("um2", qzUnitArea::symbol(3), micro + m + squared);
    row("m3", qzUnitVolume::symbol(0), m + cubed);
    row("m/s2", qzUnitAcceleration::symbol(0), QStringLiteral("m/s") + squared);
    row("grain diameter", qzUnitGrainSize::symbol(0), micro + m);
    row("SUPERSCRIPT_3", QString(qzUnitVolumePerTime::SUPERSCRIPT_3), cubed);
    row("cm3/h assembled", qzUnitVolumePerTime::symbol(4), QStringLiteral("cm") + cubed + QStringLiteral("/h"));
    row("volume flow name", qzUnitVolumePerTime::name(0), RecordingTranslator::recorded("qzUnitVolumePerTime", "cubic meters per second"));
    row("rad/s untranslated", qzUnitAngularVelocity::symbol(0), QStringLiteral("rad/s"));
    row("Rpm translated", qzUnitAngularVelocity::symbol(2), RecordingTranslator::recorded("qzUnitAngularVelocity", "Rpm"));
    row("mm/r translated with a comment", qzUnitDistancePerRevolution::symbol(2),
        RecordingTranslator::recorded("qzUnitDistancePerRevolution", "mm/r", "Einheit Weg pro Umdrehung [mm/U]"));
    row("strain rate named by its symbol", qzUnitStrainRate::name(0) + qzUnitStrainRate::symbol(0), QStringLiteral("1/s1/s"));
    row("degree without a blank", qzUnitAngle::create(45.0, qzUnitAngle::Degree).valueSymbolString('g', 6), QStringLiteral("45.0") + QChar(0x00B0));
}

void tst_qzUnitGeometry::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void tst_qzUnitGeometry::lengthEnumNames()
{
    const char* names[] = { "METER", "CENTIMETER", "MILLIMETER", "FOOT", "INCH", "MILE", "MIL", "MICRON", "MICROINCH", "KILOMETER" };
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(int(qzUnitLength::toEnumIndex(QLatin1String(names[i]))), i);
        QCOMPARE(qzUnitLength::toEnumName(i), QLatin1String(names[i]));
    }
    QVERIFY(qzUnitLength::toEnumIndex(QStringLiteral("kilometer")) == -1 && qzUnitLength::toEnumIndex(QStringLiteral(" MIL")) == -1);
    QVERIFY(qzUnitLength::toEnumName(10).isNull());
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
    QCOMPARE(int(R::toEnumIndex(QStringLiteral("kilometer_per_rev"))), -1);
    QVERIFY(R::toEnumName(8).isNull() && R::toEnumName(-1).isNull());
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
    QVERIFY(diameter == std::sqrt(4.0 / (std::pow(2.0, astm + 2.95) * pi)) * 1000.0);
    const double back = converted(D::GrainSize, qzUnitGrainSize::Micrometer, qzUnitGrainSize::ASTM, diameter);
    QVERIFY(back == std::log(4.0 / (std::pow(diameter / 1000.0, 2.0) * pi)) / std::log(2.0) - 2.95);
    QVERIFY(std::fabs(back - astm) < 1e-12);
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
    QVERIFY(std::isnan(converted(D::GrainSize, 1, 0, qQNaN())) && std::isnan(converted(D::GrainSize, 0, 1, qQNaN())));
    QVERIFY(closeTo(converted(D::GrainSize, 1, 0, 0.0), 405.9, 1e-4));
}

QTEST_GUILESS_MAIN(tst_qzUnitGeometry)
#include "tst_qzUnitGeometry.moc"
