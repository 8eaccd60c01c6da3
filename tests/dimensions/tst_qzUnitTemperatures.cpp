#include <qzUnitTemperature.h>
#include <qzUnitTemperatureGradient.h>
#include <qzUnitThermalExpansion.h>

#include <QtTest>

#include "dimensionTableChecks.h"

using namespace dimensionChecks;

class tst_qzUnitTemperatures : public QObject
{
    Q_OBJECT

private slots:
    void dimensions_data();
    void dimensions();
    void conversions_data();
    void conversions();
    void objectsAndTexts();
};

void tst_qzUnitTemperatures::dimensions_data()
{
    dimensionColumns();
    QTest::newRow("temperature") << qzUnitSystem::Temperature << 4 << "Temperature" << 0;
    QTest::newRow("difference") << qzUnitSystem::TemperatureDifference << 3 << "Temperature difference" << 0;
    QTest::newRow("gradient") << qzUnitSystem::TemperatureGradient << 3 << "Temperature gradient" << 0;
    QTest::newRow("rate") << qzUnitSystem::TemperatureRate << 6 << "Temperature rate" << 0;
    QTest::newRow("expansion") << qzUnitSystem::ThermalExpansion << 2 << "Thermal expansion coeff." << 0;
}

void tst_qzUnitTemperatures::dimensions()
{
    verifyDimension();
}

void tst_qzUnitTemperatures::conversions_data()
{
    resultColumns();
    const D T = qzUnitSystem::Temperature, dT = qzUnitSystem::TemperatureDifference;
    const D R = qzUnitSystem::TemperatureRate, G = qzUnitSystem::TemperatureGradient;
    // Exact to the last bit: every conversion passes through the kelvin.
    result("32 F", convert(T, 2, 0, 32.0), 273.15, 0.0);
    result("212 F", convert(T, 2, 0, 212.0), 373.15000000000003, 0.0);
    result("273.15 K in F", convert(T, 0, 2, 273.15), 31.999999999999943, 0.0);
    result("0 C in Ra", convert(T, 1, 3, 0.0), 491.66999999999996, 0.0);
    result("F difference", convert(dT, 2, 0, 1.0), 0.5555555555555556, 0.0);
    result("K/s in F/h", convert(R, 0, 5, 1.0), 6480.0, 0.0);
    result("F/min in K/s", convert(R, 4, 0, 1.0), 0.009259259259259259, 0.0);
    result("K/mm in K/cm", convert(G, 2, 1, 1.0), 10.0, 0.0);
    result("gradient from an unknown unit", convert(G, 3, 0, 5.0), 0.0, 0.0);
    result("gradient to an unknown unit", convert(G, 0, 3, 5.0), 5.0, 0.0);
    // A rate in degrees per time is a difference per time, and the span
    // between two temperatures is a temperature difference.
    const double fahrenheit = convert(dT, 2, 0, 1.0);
    result("F/s", convert(R, 3, 0, 1.0), fahrenheit);
    result("F/min", convert(R, 4, 0, 1.0), fahrenheit / 60.0);
    result("F/h", convert(R, 5, 0, 1.0), fahrenheit / 3600.0);
    result("F/min back", convert(R, 0, 4, 1.0), 60.0 / fahrenheit);
    result("F/h back", convert(R, 0, 5, 1.0), 3600.0 / fahrenheit);
    result("F/h against K/h", convert(R, 5, 2, 1.0), fahrenheit);
    result("K/min and K/h", convert(R, 2, 1, 60.0), 1.0);
    result("C span", convert(T, 1, 0, 100.0) - convert(T, 1, 0, 0.0), convert(dT, 1, 0, 100.0));
    result("F span", convert(T, 2, 0, 212.0) - convert(T, 2, 0, 32.0), convert(dT, 2, 0, 180.0));
    result("Ra span in F", convert(T, 3, 2, 500.0) - convert(T, 3, 2, 320.0), 180.0);
    result("absolute zero in F", convert(T, 0, 2, 0.0), -459.67);
    result("K/cm", convert(G, 1, 0, 1.0), 100.0);
    result("K/mm", convert(G, 2, 0, 1.0), 1000.0);
}

void tst_qzUnitTemperatures::conversions()
{
    verifyResult();
}

void tst_qzUnitTemperatures::objectsAndTexts()
{
    qzUnitTemperatureGradient gradient(qzUnitTemperatureGradient::KelvinPerCentimeter);
    double value = 2.0;
    gradient.changeTo(qzUnitTemperatureGradient::KelvinPerMeter, value);
    gradient.changeTo(-1, value);
    QVERIFY(value == 200.0 && gradient.unitIndex() == -1 && gradient.name().isNull());

    QCOMPARE(qzUnitTemperature::ROOM_TEMP_SI, 273.15);
    QCOMPARE(qzUnitTemperature::symbol(3), QStringLiteral("\u00B0Ra"));
    QCOMPARE(qzUnitThermalExpansion::name(0), QStringLiteral("1/K"));
    QCOMPARE(qzUnitThermalExpansion::name(1), QStringLiteral("1/\u00B0C"));
    QCOMPARE(qzUnitThermalExpansion::symbol(1), qzUnitThermalExpansion::name(1));
    QCOMPARE(convert(qzUnitSystem::ThermalExpansion, 0, 1, 1.2e-5), 1.2e-5);
}

QTEST_GUILESS_MAIN(tst_qzUnitTemperatures)
#include "tst_qzUnitTemperatures.moc"
