#include <qzUnitEnergyLength.h>
#include <qzUnitHeatFlux.h>
#include <qzUnitPower.h>
#include <qzUnitSpecificHeatCapacity.h>

#include <QtTest>

#include "dimensionTableChecks.h"

using namespace dimensionChecks;

namespace {
double factor(D dimension, int from, int to)
{
    return qzUnitSystem::conversionFactor(dimension, from, to);
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
    dimensionColumns();
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

void tst_qzUnitEnergyHeat::dimensions()
{
    verifyDimension();
}

void tst_qzUnitEnergyHeat::conversions_data()
{
    resultColumns();
    const D E = qzUnitSystem::Energy, H = qzUnitSystem::Heat, F = qzUnitSystem::HeatFlux;
    const D ED = qzUnitSystem::EnergyDensity, C = qzUnitSystem::SpecificHeatCapacity;
    const D L = qzUnitSystem::LatentHeat;
    // Exact to the last bit.
    result("kJ to MJ through J", factor(E, 1, 9), 0.001, 0.0);
    result("BTU as energy", factor(E, 6, 0), 1055.05585262, 0.0);
    result("BTU as heat", factor(H, 4, 0), 1055.0559, 0.0);
    result("kcal/(m2 h C)", factor(qzUnitSystem::HeatTransferCoefficient, 1, 0), 0.8600506474286589, 0.0);
    result("kJ/(kg K) to SI", factor(C, 0, 1), 1000.0, 0.0);
    result("mm2/(s2 C) to SI", factor(C, 7, 1), 1.0000000000000002e-06, 0.0);
    result("BTU/(ft h R)", factor(qzUnitSystem::ThermalConductivity, 2, 0), 0.9615193330424716, 0.0);
    result("uJ/m3 to J/mm3", factor(ED, 1, 5), 9.999999999999999e-16, 0.0);
    result("unknown density unit has no factor", factor(ED, 7, 0), 0.0, 0.0);
    // Units that measure the same thing in different tables or rows.
    result("kJ as energy and heat", factor(E, 1, 0), factor(H, 1, 0));
    result("cal as energy and heat", factor(E, 5, 0), factor(H, 2, 0));
    result("kWh is 3600 kJ", factor(E, 2, 1), 3600.0);
    result("eV is the elementary charge in J", factor(E, 3, 0), 1.602176634e-19, 1e-6);
    result("ft lbf is 12 in lbf", factor(E, 8, 7), 12.0, 1e-9);
    result("kcal is 1000 cal", factor(H, 3, 2), 1000.0);
    // The table keeps these two rows 600 apart, not the 60 of hours and minutes.
    result("BTU/(ft2 R) per h and per min", factor(qzUnitSystem::HeatTransferCoefficient, 2, 3), 600.0, 1e-9);
    result("W/cm2 is 10 kW/m2", factor(F, 1, 2), 10.0);
    result("W/in2 in W/m2", factor(F, 3, 0), 1.0 / (0.0254 * 0.0254), 1e-9);
    result("W/in2 is 144 W/ft2", factor(F, 3, 4), 144.0, 1e-9);
    result("BTU/in2 is 144 BTU/ft2", factor(F, 7, 5), 144.0, 1e-9);
    result("BTU/ft2 per s and per h", factor(F, 5, 6), 3600.0, 1e-9);
    result("BTU/in2 per s and per h", factor(F, 7, 8), 3600.0, 1e-9);
    result("cal/cm2 per s and per h", factor(F, 9, 10), 3600.0, 1e-9);
    result("kcal and cal per cm2 h", factor(F, 11, 10), 1000.0, 1e-9);
    result("uJ to mJ per m3", factor(ED, 2, 1), 1000.0);
    result("mJ to J per m3", factor(ED, 0, 2), 1000.0);
    result("kJ to MJ per m3", factor(ED, 4, 3), 1000.0);
    result("MJ/m3 to J/mm3", factor(ED, 5, 4), 1000.0);
    result("J/(g K) is kJ/(kg K)", factor(C, 4, 0), 1.0);
    result("per degree C is per K", factor(C, 6, 1), 1.0);
    result("kcal/(kg C) from the kcal of heat", factor(C, 2, 1), factor(H, 3, 0));
    result("mm2/s2 per C from latent heat", factor(C, 7, 1), factor(L, 2, 0));
    result("J/g is 1000 J/kg", factor(L, 1, 0), 1000.0);
}

void tst_qzUnitEnergyHeat::conversions()
{
    verifyResult();
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
