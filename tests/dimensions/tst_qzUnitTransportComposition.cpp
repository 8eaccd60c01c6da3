#include <qzUnitDiffusivity.h>
#include <qzUnitMassFluxDensity.h>
#include <qzUnitMassFraction.h>
#include <qzUnitMassFractionGradient.h>
#include <qzUnitPercent.h>
#include <qzUnitValue.h>

#include "qzDimensionChecks.h"

#include <QtTest>

using Dimension = qzUnitSystem::Dimension;

class tst_qzUnitTransportComposition : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void virtualChangeTo_data();
    void virtualChangeTo();
    void outOfRangeTexts_data();
    void outOfRangeTexts();
    void diffusivityIgnoresIndex();
    void massFluxDensityUsesDotOperator();
    void translation_data();
    void translation();
    void percentFactory();
};

void tst_qzUnitTransportComposition::conversion_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("percent to ratio") << qzUnitSystem::Percent << 0 << 1 << 50.0 << 0.5;
    QTest::newRow("ratio to percent") << qzUnitSystem::Percent << 1 << 0 << 0.25 << 25.0;
    QTest::newRow("fraction to the SI percentage") << qzUnitSystem::MassFraction << 1 << 0 << 0.02 << 2.0;
    QTest::newRow("percentage to fraction") << qzUnitSystem::MassFraction << 0 << 1 << 2.0 << 0.02;
    QTest::newRow("same unit") << qzUnitSystem::Percent << 1 << 1 << 7.0 << 7.0;
    QTest::newRow("negative source") << qzUnitSystem::Percent << -1 << 0 << 7.0 << 7.0;
    QTest::newRow("target equals count") << qzUnitSystem::MassFraction << 0 << 2 << 7.0 << 7.0;
    QTest::newRow("diffusivity") << qzUnitSystem::Diffusivity << 0 << 3 << 7.0 << 7.0;
    QTest::newRow("mass flux density") << qzUnitSystem::MassFluxDensity << -1 << 0 << 7.0 << 7.0;
    QTest::newRow("mass fraction gradient") << qzUnitSystem::MassFractionGradient << 1 << 0 << 7.0 << 7.0;
}

void tst_qzUnitTransportComposition::conversion()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, value);
    QFETCH(double, expected);
    double converted = value;
    qzUnitSystem::changeTo(dimension, from, to, converted);
    QVERIFY2(qFuzzyCompare(converted, expected), qPrintable(QString::number(converted, 'g', 17)));
    // The way back uses the same constant.
    qzUnitSystem::changeTo(dimension, to, from, converted);
    QVERIFY(qFuzzyCompare(converted, value));
}

void tst_qzUnitTransportComposition::virtualChangeTo_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("target");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("index");

    QTest::newRow("percent converts and records") << qzUnitSystem::Percent << 1 << 0.5 << 1;
    QTest::newRow("fraction converts and records") << qzUnitSystem::MassFraction << 1 << 0.5 << 1;
    QTest::newRow("out of range is recorded") << qzUnitSystem::Percent << 4 << 50.0 << 4;
    QTest::newRow("diffusivity keeps its index") << qzUnitSystem::Diffusivity << 3 << 50.0 << 0;
    QTest::newRow("flux density keeps its index") << qzUnitSystem::MassFluxDensity << 3 << 50.0 << 0;
    QTest::newRow("gradient keeps its index") << qzUnitSystem::MassFractionGradient << -1 << 50.0 << 0;
}

void tst_qzUnitTransportComposition::virtualChangeTo()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, target);
    QFETCH(double, expected);
    QFETCH(int, index);
    qzUnitSystem unit(dimension);
    double value = 50.0;
    unit.changeTo(target, value);
    QCOMPARE(value, expected);
    QCOMPARE(unit.unitIndex(), index);
    QCOMPARE(unit.name().isNull(), index >= unit.maxIndex());
}

void tst_qzUnitTransportComposition::outOfRangeTexts_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::newRow("percent") << qzUnitSystem::Percent;
    QTest::newRow("mass fraction") << qzUnitSystem::MassFraction;
    QTest::newRow("mass fraction gradient") << qzUnitSystem::MassFractionGradient;
    QTest::newRow("mass flux density") << qzUnitSystem::MassFluxDensity;
}

void tst_qzUnitTransportComposition::outOfRangeTexts()
{
    QFETCH(Dimension, dimension);
    verifyNoTextsOutside(dimension);
}

void tst_qzUnitTransportComposition::diffusivityIgnoresIndex()
{
    const QString symbol = QStringLiteral("m") + QChar(0x00B2) + QStringLiteral("/s");
    for (int index : { -1, 0, 7 }) {
        QCOMPARE(qzUnitDiffusivity::name(index), QStringLiteral("Square meters per second"));
        QCOMPARE(qzUnitDiffusivity::symbol(index), symbol);
    }
}

void tst_qzUnitTransportComposition::massFluxDensityUsesDotOperator()
{
    const QString symbol = qzUnitMassFluxDensity::symbol(qzUnitMassFluxDensity::KilogramPerSquareMeterSecond);
    QCOMPARE(symbol, QStringLiteral("kg/(s") + QChar(0x22C5) + QStringLiteral("m") + QChar(0x00B2) + QLatin1Char(')'));
    QVERIFY(!symbol.contains(QChar(0x00B7)));
}

void tst_qzUnitTransportComposition::translation_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("context");
    QTest::newRow("percent") << qzUnitSystem::Percent << QStringLiteral("qzUnitPercent");
    QTest::newRow("mass fraction") << qzUnitSystem::MassFraction << QStringLiteral("qzUnitMassFraction");
    QTest::newRow("diffusivity") << qzUnitSystem::Diffusivity << QStringLiteral("qzUnitDiffusivity");
    QTest::newRow("gradient") << qzUnitSystem::MassFractionGradient << QStringLiteral("qzUnitMassFractionGradient");
    QTest::newRow("flux density") << qzUnitSystem::MassFluxDensity << QStringLiteral("qzUnitMassFluxDensity");
}

void tst_qzUnitTransportComposition::translation()
{
    QFETCH(Dimension, dimension);
    QFETCH(QString, context);
    verifyTranslatedTexts(dimension, context);
}

void tst_qzUnitTransportComposition::percentFactory()
{
    const qzUnitValue value = qzUnitPercent::create(0.5, qzUnitPercent::Ratio);
    QCOMPARE(value.dimension(), qzUnitSystem::Percent);
    QCOMPARE(value.unitIndex(), 1);
    QCOMPARE(value.value(), 0.5);
}

QTEST_GUILESS_MAIN(tst_qzUnitTransportComposition)
#include "tst_qzUnitTransportComposition.moc"
