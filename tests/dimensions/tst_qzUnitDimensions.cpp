// The dimension classes beyond their common contract: the conversion paths
// (pivot, offset, prefix quotient, custom formula), the factors that stored
// documents keep although physics differs, singled-out and translated texts.
#include <qzUnitAcceleration.h>
#include <qzUnitAngle.h>
#include <qzUnitDistancePerRevolution.h>
#include <qzUnitGrainSize.h>
#include <qzUnitLength.h>
#include <qzUnitMass.h>
#include <qzUnitPercent.h>
#include <qzUnitSpeed.h>
#include <qzUnitStress.h>
#include <qzUnitTripCoefficient.h>
#include <qzUnitValue.h>
#include <qzUnitVolumePerTime.h>

#include "checks.h"

#include <QtMath>

using D = qzUnitSystem;
using L = qzUnitLength;

namespace {
//! One \a unit of \a dimension in unit 0.
double si(D::Dimension dimension, int unit) { return converted(dimension, unit, 0); }

// Definitions: the inch, the avoirdupois pound, standard gravity, the IT calorie.
constexpr double Inch = 0.0254, Pound = 0.45359237, Gravity = 9.80665, CalorieIT = 4.1868;
} // namespace

class tst_qzUnitDimensions : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions() { checkResult(); }
    void texts_data();
    void texts() { checkText(); }
    void distancePerRevolutionFollowsLength();
    void grainSize_data();
    void grainSize();
};

// Physical definitions, with the tolerance of the constant a table keeps;
// "kept" rows hold factors that differ from physics on purpose, for stored data.
void tst_qzUnitDimensions::conversions_data()
{
    resultColumns();
    const D::Dimension T = D::Temperature, dT = D::TemperatureDifference, R = D::TemperatureRate;
    result("inch", si(D::Length, L::Inch), Inch, 0.0);
    result("cm to mm through the metre", converted(D::Length, L::Centimeter, L::Millimeter), 10.0);
    result("micron to microinch", converted(D::Length, L::Micron, L::Microinch), 1e-6 / (Inch * 1e-6));
    result("kept: the Length mile", si(D::Length, L::Mile), 1609.34419224, 0.0);
    result("mile/s is the international mile", si(D::Speed, qzUnitSpeed::MilePerSecond), 1609.344, 0.0);
    result("kept: the pound", si(D::Mass, qzUnitMass::Pound), 0.45359238, 0.0);
    result("psi is lbf/in2", si(D::Stress, qzUnitStress::PoundPerSquareInch), Pound * Gravity / (Inch * Inch));
    result("at is kgf/cm2", si(D::Stress, qzUnitStress::TechnicalAtmosphere), Gravity * 1e4);
    result("N/m2 is Pa", si(D::Stress, qzUnitStress::NewtonPerSquareMeter), 1.0, 0.0);
    result("kept: kg/in2", si(D::Stress, qzUnitStress::KilogramPerSquareInch), 39.3701, 0.0);
    result("kept: in/min/s", si(D::Acceleration, qzUnitAcceleration::InchPerMinutePerSecond), 1.524, 0.0);
    result("kept: 1/ksi multiplies", si(D::TripCoefficient, qzUnitTripCoefficient::PerKsi), 6.894689475729317, 0.0);
    result("BTU (IT) as energy", si(D::Energy, 6), CalorieIT * 453.59237 * 5.0 / 9.0, 1e-11);
    result("kept: BTU as heat", si(D::Heat, 4), 1055.0559, 0.0);
    result("cal as energy and heat", si(D::Energy, 5), si(D::Heat, 2));
    result("kept: BTU/(ft2 R) per h and per min 600 apart", converted(D::HeatTransferCoefficient, 2, 3), 600.0, 1e-9);
    result("l/min", si(D::VolumePerTime, qzUnitVolumePerTime::LiterPerMinute), 1e-3 / 60.0);
    result("half a turn", converted(D::Angle, qzUnitAngle::Degree, qzUnitAngle::Radian, 180.0), M_PI, 1e-15);
    result("ratio in percent", converted(D::Percent, qzUnitPercent::Ratio, 0, 0.25), 25.0);
    // Kelvin is the pivot: every temperature conversion passes through it.
    result("32 F", converted(T, 2, 0, 32.0), 273.15);
    result("absolute zero in F", converted(T, 0, 2, 0.0), -459.67);
    result("0 C in Ra", converted(T, 1, 3, 0.0), 491.67);
    result("a span in F is a difference", converted(T, 2, 0, 212.0) - converted(T, 2, 0, 32.0), converted(dT, 2, 0, 180.0));
    result("F difference", converted(dT, 2, 0), 5.0 / 9.0);
    result("F/min in K/s", converted(R, 4, 0), 5.0 / 9.0 / 60.0);
    // Prefix tables convert by the quotient of the two factors, then the value.
    result("nano contact conductivity", converted(D::AreicElectricalConductivity, 3, 0), 999999999.9999999, 0.0);
    result("kA/m2", converted(D::ElectricalCurrentDensity, 3, 0), 1000.0);
    result("bytes are powers of 1024, exactly", converted(D::OfInformation, 4, 1, 3.0), 3.0 * 1024 * 1024 * 1024, 0.0);
}

// Characters singled out (the micro sign against the Greek mu, the dot
// operator, superscripts), names that are symbols, translated texts.
void tst_qzUnitDimensions::texts_data()
{
    textColumns();
    const auto symbol = [](D::Dimension dimension, int index) { return D(dimension, index).symbol(); };
    const auto name = [](D::Dimension dimension, int index) { return D(dimension, index).name(); };
    const auto row = [](const char* title, const QString& actual, const char* expected) { text(title, actual, QString::fromUtf8(expected)); };
    row("micron, micro sign", symbol(D::Length, L::Micron), "\u00B5m");
    row("cm3/h assembled", symbol(D::VolumePerTime, 4), "cm\u00B3/h");
    row("N m, middle dot", symbol(D::Torque, 0), "N\u00B7m");
    row("mass flux density, dot operator", symbol(D::MassFluxDensity, 0), "kg/(s\u22C5m\u00B2)");
    row("micro conductivity, Greek mu", symbol(D::ElectricalConductivity, 1), "1/(\u03BC\u03A9\u00B7m)");
    row("contact conductivity, micro sign", symbol(D::AreicElectricalConductivity, 2), "1/(\u00B5\u03A9\u00B7m\u00B2)");
    row("micro resistivity name, placeholder filled", name(D::ElectricalResistivity, 1), "\u03BCOhm * meter");
    row("Rankine", symbol(D::Temperature, 3), "\u00B0Ra");
    row("W/in2 named by its symbol", name(D::HeatFlux, 3), "W/in\u00B2");
    row("degree without a blank", qzUnitAngle::create(45.0, qzUnitAngle::Degree).valueSymbolString('g', 6), "45.0\u00B0");
    row("percent ratio", qzUnitPercent::create(0.5, qzUnitPercent::Ratio).valueSymbolString('g', 6), "0.5 -");

    const RecordingTranslator translator;
    const auto recorded = [](const char* context, const char* source) { return RecordingTranslator::recorded(context, source); };
    text("pieze", name(D::Stress, 5), recorded("qzUnitStress", "Pi\u00E8ze"));
    text("every writing of the pascal", name(D::Stress, 0) + name(D::Stress, 1) + name(D::Stress, 2),
         recorded("qzUnitStress", "Pascal").repeated(3));
    text("electric field symbol translated", symbol(D::ElectricField, 0), recorded("qzUnitElectricField", "V/m"));
    text("rad/s untranslated", symbol(D::AngularVelocity, 0), QStringLiteral("rad/s"));
    text("slug/ft2 named by its symbol", name(D::MomentOfInertia, 2), QStringLiteral("slug/ft\u00B2"));
}

// Each unit is a Length unit per revolution, by enum name, number and symbol.
void tst_qzUnitDimensions::distancePerRevolutionFollowsLength()
{
    using R = qzUnitDistancePerRevolution;
    for (int unit = 0; unit < R().maxIndex(); ++unit) {
        const QString name = R::toEnumName(unit);
        QVERIFY2(int(R::toEnumIndex(name)) == unit && name.endsWith(QLatin1String("_PER_REV")), qPrintable(name));
        const int lengthUnit = L::toEnumIndex(name.chopped(8));
        QVERIFY2(lengthUnit >= 0 && L::toEnumName(lengthUnit) == name.chopped(8), qPrintable(name));
        QCOMPARE(converted(D::DistancePerRevolution, unit, 0, 3.5), converted(D::Length, lengthUnit, 0, 3.5));
        QCOMPARE(R::symbol(unit), L::symbol(lengthUnit) + QStringLiteral("/r"));
    }
    QCOMPARE(L::toEnumName(L::Microinch), QStringLiteral("MICROINCH"));
    QVERIFY(R::toEnumIndex(QStringLiteral("kilometer_per_rev")) == -1 && L::toEnumIndex(QStringLiteral(" MIL")) == -1);
    QVERIFY(R::toEnumName(8).isNull() && L::toEnumName(-1).isNull());
}

// The ASTM number G and the mean diameter d in µm: 2^(G + 2.95) grains per
// mm², each of area pi/4 (d/1000)². No precautions: d = 0 is G = +inf.
void tst_qzUnitDimensions::grainSize_data()
{
    QTest::addColumn<double>("astm");
    QTest::addColumn<double>("diameter");
    const auto diameterOf = [](double g) { return 2000.0 / std::sqrt(M_PI * std::exp2(g + 2.95)); };
    for (double g : { -1.0, 0.0, 7.5, 14.0 })
        QTest::addRow("G %g", g) << g << diameterOf(g);
    QTest::newRow("+inf") << qInf() << 0.0;
    QTest::newRow("-inf") << -qInf() << qInf();
    QTest::newRow("NaN") << qQNaN() << qQNaN();
}

void tst_qzUnitDimensions::grainSize()
{
    QFETCH(double, astm);
    QFETCH(double, diameter);
    const double d = converted(D::GrainSize, qzUnitGrainSize::ASTM, qzUnitGrainSize::Micrometer, astm);
    const double g = converted(D::GrainSize, qzUnitGrainSize::Micrometer, qzUnitGrainSize::ASTM, diameter);
    if (qIsNaN(astm))
        QVERIFY(qIsNaN(d) && qIsNaN(g));
    else if (!qIsFinite(astm))
        QVERIFY(d == diameter && g == astm);
    else
        QVERIFY2(closeTo(d, diameter, 1e-14) && std::fabs(g - astm) < 1e-12, qPrintable(QString::number(d, 'g', 17)));
    QCOMPARE(converted(D::GrainSize, 0, 1, -diameter), g); // the sign of d is lost in d²
}

QTEST_GUILESS_MAIN(tst_qzUnitDimensions)
#include "tst_qzUnitDimensions.moc"
