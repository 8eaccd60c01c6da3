// The dimension classes beyond their common contract and their factors: the
// grain-size formula, singled-out and translated texts.
#include <qzUnitAngle.h>
#include <qzUnitDistancePerRevolution.h>
#include <qzUnitGrainSize.h>
#include <qzUnitLength.h>
#include <qzUnitPercent.h>
#include <qzUnitValue.h>

#include "checks.h"

#include <QtMath>

using D = qzUnitSystem;
using L = qzUnitLength;

class tst_qzUnitDimensions : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts() { checkText(); }
    void distancePerRevolutionFollowsLength();
    void grainSize_data();
    void grainSize();
};

// How a symbol joins the number, which texts are translated in which
// context, and names that are symbols, not translated.
void tst_qzUnitDimensions::texts_data()
{
    textColumns();
    const auto name = [](D::Dimension dimension, int index) { return D(dimension, index).name(); };
    text("degree without a blank", qzUnitAngle::create(45.0, qzUnitAngle::Degree).valueSymbolString('g', 6), QString::fromUtf8("45.0\u00B0"));
    text("percent ratio", qzUnitPercent::create(0.5, qzUnitPercent::Ratio).valueSymbolString('g', 6), QStringLiteral("0.5 -"));

    const RecordingTranslator translator;
    const auto recorded = [](const char* context, const char* source) { return RecordingTranslator::recorded(context, source); };
    text("pieze", name(D::Stress, 5), recorded("qzUnitStress", "Pi\u00E8ze"));
    text("every writing of the pascal", name(D::Stress, 0) + name(D::Stress, 1) + name(D::Stress, 2),
         recorded("qzUnitStress", "Pascal").repeated(3));
    text("electric field symbol translated", D(D::ElectricField, 0).symbol(), recorded("qzUnitElectricField", "V/m"));
    text("slug/ft2 named by its symbol", name(D::MomentOfInertia, 2), QStringLiteral("slug/ft\u00B2"));
}

// Each unit is a Length unit per revolution, by enum name and number.
void tst_qzUnitDimensions::distancePerRevolutionFollowsLength()
{
    using R = qzUnitDistancePerRevolution;
    for (int unit = 0; unit < R().maxIndex(); ++unit) {
        const QString name = R::toEnumName(unit);
        QVERIFY2(int(R::toEnumIndex(name)) == unit && name.endsWith(QLatin1String("_PER_REV")), qPrintable(name));
        const int lengthUnit = L::toEnumIndex(name.chopped(8));
        QVERIFY2(lengthUnit >= 0 && L::toEnumName(lengthUnit) == name.chopped(8), qPrintable(name));
        QCOMPARE(converted(D::DistancePerRevolution, unit, 0, 3.5), converted(D::Length, lengthUnit, 0, 3.5));
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
    QVERIFY2(closeTo(d, diameter, 1e-14) && (closeTo(g, astm) || std::fabs(g - astm) < 1e-12), qPrintable(QString::number(d, 'g', 17)));
    QCOMPARE(converted(D::GrainSize, 0, 1, -diameter), g); // the sign of d is lost in d²
}

QTEST_GUILESS_MAIN(tst_qzUnitDimensions)
#include "tst_qzUnitDimensions.moc"
