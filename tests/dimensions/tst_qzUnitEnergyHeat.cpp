#include <qzUnitEnergyLength.h>
#include <qzUnitHeatFlux.h>
#include <qzUnitPower.h>
#include <qzUnitSpecificHeatCapacity.h>
#include <qzUnitSystem.h>

#include <QtTest>

using D = qzUnitSystem::Dimension;
Q_DECLARE_METATYPE(qzUnitSystem::Dimension)

namespace {
double factor(D dimension, int from, int to)
{
    return qzUnitSystem::conversionFactor(dimension, from, to);
}

void row(const char* name, double actual, double expected, double tolerance = 1e-12)
{
    QTest::newRow(name) << actual << expected << tolerance;
}
} // namespace

class tst_qzUnitEnergyHeat : public QObject
{
    Q_OBJECT

private slots:
    void dimensions_data();
    void dimensions();
    void conversions_data();
    void conversions();
    void unitsWithoutConversionAndTexts();
};

void tst_qzUnitEnergyHeat::dimensions_data()
{
    QTest::addColumn<D>("dimension");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("english");
    QTest::addColumn<int>("si");
    QTest::newRow("energy") << qzUnitSystem::Energy << 10 << "Energy" << 0;
    QTest::newRow("energy density") << qzUnitSystem::EnergyDensity << 6 << "Energy density" << 0;
    QTest::newRow("energy length") << qzUnitSystem::EnergyLength << 1 << "Energy input per unit length" << 0;
    QTest::newRow("power") << qzUnitSystem::Power << 4 << "Power" << 0;
    QTest::newRow("heat") << qzUnitSystem::Heat << 5 << "Heat energy" << 0;
    QTest::newRow("heat capacity") << qzUnitSystem::HeatCapacity << 1 << "Heat capacity" << 0;
    QTest::newRow("heat flux") << qzUnitSystem::HeatFlux << 12 << "Heat flow" << 0;
    QTest::newRow("heat transfer") << qzUnitSystem::HeatTransferCoefficient << 4 << "Heat transfer coefficient" << 0;
    QTest::newRow("latent heat") << qzUnitSystem::LatentHeat << 3 << "Latent heat" << 0;
    QTest::newRow("specific heat") << qzUnitSystem::SpecificHeatCapacity << 8 << "Specific heat capacity" << 1;
    QTest::newRow("conductivity") << qzUnitSystem::ThermalConductivity << 8 << "Thermal conductivity" << 0;
}

// Each dimension has its class, and every unit's way back uses its own
// constant: a wrong operation on one side shows as a value that does not
// come home. Indices past the table leave values alone.
void tst_qzUnitEnergyHeat::dimensions()
{
    QFETCH(D, dimension);
    QFETCH(int, count);
    QFETCH(QString, english);
    QFETCH(int, si);
    const qzUnitSystem system(dimension, count - 1);
    QCOMPARE(system.maxIndex(), count);
    QCOMPARE(system.dimensionNameEnglish(), english);
    QCOMPARE(system.dimensionName(), english);
    QCOMPARE(system.SIUnitIndex(), si);
    QVERIFY(!system.symbol().isEmpty() && !system.name().isEmpty());
    for (int unit = 0; unit < count; ++unit) {
        double value = 12.375;
        qzUnitSystem::changeTo(dimension, 0, unit, value);
        qzUnitSystem::changeTo(dimension, unit, 0, value);
        QVERIFY2(qFuzzyCompare(value, 12.375), qPrintable(QString::number(unit)));
    }
    QCOMPARE(factor(dimension, 0, count), 1.0);
}

void tst_qzUnitEnergyHeat::conversions_data()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    const D E = qzUnitSystem::Energy, H = qzUnitSystem::Heat, F = qzUnitSystem::HeatFlux;
    const D ED = qzUnitSystem::EnergyDensity, C = qzUnitSystem::SpecificHeatCapacity;
    const D L = qzUnitSystem::LatentHeat;
    // Exact to the last bit.
    row("kJ to MJ through J", factor(E, 1, 9), 0.001, 0.0);
    row("BTU as energy", factor(E, 6, 0), 1055.05585262, 0.0);
    row("BTU as heat", factor(H, 4, 0), 1055.0559, 0.0);
    row("kcal/(m2 h C)", factor(qzUnitSystem::HeatTransferCoefficient, 1, 0), 0.8600506474286589, 0.0);
    row("kJ/(kg K) to SI", factor(C, 0, 1), 1000.0, 0.0);
    row("mm2/(s2 C) to SI", factor(C, 7, 1), 1.0000000000000002e-06, 0.0);
    row("BTU/(ft h R)", factor(qzUnitSystem::ThermalConductivity, 2, 0), 0.9615193330424716, 0.0);
    row("uJ/m3 to J/mm3", factor(ED, 1, 5), 9.999999999999999e-16, 0.0);
    row("unknown density unit has no factor", factor(ED, 7, 0), 0.0, 0.0);
    // Units that measure the same thing in different tables or rows.
    row("kJ as energy and heat", factor(E, 1, 0), factor(H, 1, 0));
    row("cal as energy and heat", factor(E, 5, 0), factor(H, 2, 0));
    row("kWh is 3600 kJ", factor(E, 2, 1), 3600.0);
    row("eV is the elementary charge in J", factor(E, 3, 0), 1.602176634e-19, 1e-6);
    row("ft lbf is 12 in lbf", factor(E, 8, 7), 12.0, 1e-9);
    row("kcal is 1000 cal", factor(H, 3, 2), 1000.0);
    // The table keeps these two rows 600 apart, not the 60 of hours and minutes.
    row("BTU/(ft2 R) per h and per min", factor(qzUnitSystem::HeatTransferCoefficient, 2, 3), 600.0, 1e-9);
    row("W/cm2 is 10 kW/m2", factor(F, 1, 2), 10.0);
    row("W/in2 in W/m2", factor(F, 3, 0), 1.0 / (0.0254 * 0.0254), 1e-9);
    row("W/in2 is 144 W/ft2", factor(F, 3, 4), 144.0, 1e-9);
    row("BTU/in2 is 144 BTU/ft2", factor(F, 7, 5), 144.0, 1e-9);
    row("BTU/ft2 per s and per h", factor(F, 5, 6), 3600.0, 1e-9);
    row("BTU/in2 per s and per h", factor(F, 7, 8), 3600.0, 1e-9);
    row("cal/cm2 per s and per h", factor(F, 9, 10), 3600.0, 1e-9);
    row("kcal and cal per cm2 h", factor(F, 11, 10), 1000.0, 1e-9);
    row("uJ to mJ per m3", factor(ED, 2, 1), 1000.0);
    row("mJ to J per m3", factor(ED, 0, 2), 1000.0);
    row("kJ to MJ per m3", factor(ED, 4, 3), 1000.0);
    row("MJ/m3 to J/mm3", factor(ED, 5, 4), 1000.0);
    row("J/(g K) is kJ/(kg K)", factor(C, 4, 0), 1.0);
    row("per degree C is per K", factor(C, 6, 1), 1.0);
    row("kcal/(kg C) from the kcal of heat", factor(C, 2, 1), factor(H, 3, 0));
    row("mm2/s2 per C from latent heat", factor(C, 7, 1), factor(L, 2, 0));
    row("J/g is 1000 J/kg", factor(L, 1, 0), 1000.0);
}

void tst_qzUnitEnergyHeat::conversions()
{
    QFETCH(double, actual);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(qAbs(actual - expected) <= tolerance * qAbs(expected), qPrintable(QString::number(actual, 'g', 17)));
}

void tst_qzUnitEnergyHeat::unitsWithoutConversionAndTexts()
{
    for (int to : { 1, 2, 3 })
        QCOMPARE(factor(qzUnitSystem::Power, 0, to), 1.0);
    for (int from : { 1, 5, 6, 7 })
        QCOMPARE(factor(qzUnitSystem::ThermalConductivity, from, 0), 1.0);
    qzUnitEnergyLength weld;
    double value = 3.0;
    weld.changeTo(1, value);
    QVERIFY(value == 3.0 && weld.unitIndex() == 1 && weld.name().isNull());

    for (int i = 0; i < 4; ++i)
        QCOMPARE(qzUnitPower::name(i), QStringLiteral("Watt"));
    QVERIFY(qzUnitPower::name(4).isNull());
    QCOMPARE(qzUnitHeatFlux::name(3), QStringLiteral("W/in\u00B2"));
    QCOMPARE(qzUnitHeatFlux::symbol(3), qzUnitHeatFlux::name(3));
    QCOMPARE(qzUnitEnergyLength::name(0), QStringLiteral("J/cm"));
    QCOMPARE(qzUnitEnergyLength::symbol(0), QStringLiteral("J/cm"));
    QCOMPARE(qzUnitSpecificHeatCapacity().getSIUnitIndex(), 1);
}

QTEST_GUILESS_MAIN(tst_qzUnitEnergyHeat)
#include "tst_qzUnitEnergyHeat.moc"
