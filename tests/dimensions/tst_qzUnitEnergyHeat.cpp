// The energy, heat and temperature dimensions.
#include <qzUnitEnergyLength.h>
#include <qzUnitHeatFlux.h>
#include <qzUnitPower.h>
#include <qzUnitTemperature.h>
#include <qzUnitThermalExpansion.h>

#include "dimensionChecks.h"

using D = qzUnitSystem::Dimension;

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
    void conversions_data();
    void conversions() { checkResult(); }
    void texts();
};

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
    // Rows that measure the same as the SI unit.
    for (int from : { 1, 5, 6, 7 })
        QTest::addRow("thermal conductivity %d is W/(m K)", from) << factor(qzUnitSystem::ThermalConductivity, from, 0) << 1.0 << 0.0;

    const D T = qzUnitSystem::Temperature, dT = qzUnitSystem::TemperatureDifference;
    const D R = qzUnitSystem::TemperatureRate, G = qzUnitSystem::TemperatureGradient;
    // Exact to the last bit: every conversion passes through the kelvin.
    result("32 F", converted(T, 2, 0, 32.0), 273.15, 0.0);
    result("212 F", converted(T, 2, 0, 212.0), 373.15000000000003, 0.0);
    result("273.15 K in F", converted(T, 0, 2, 273.15), 31.999999999999943, 0.0);
    result("0 C in Ra", converted(T, 1, 3, 0.0), 491.66999999999996, 0.0);
    result("F difference", converted(dT, 2, 0, 1.0), 0.5555555555555556, 0.0);
    result("K/s in F/h", converted(R, 0, 5, 1.0), 6480.0, 0.0);
    result("F/min in K/s", converted(R, 4, 0, 1.0), 0.009259259259259259, 0.0);
    result("K/mm in K/cm", converted(G, 2, 1, 1.0), 10.0, 0.0);
    result("room temperature", qzUnitTemperature::ROOM_TEMP_SI, 273.15, 0.0);
    // A rate in degrees per time is a difference per time, and the span
    // between two temperatures is a temperature difference.
    const double fahrenheit = converted(dT, 2, 0, 1.0);
    result("F/s", converted(R, 3, 0, 1.0), fahrenheit);
    result("F/min", converted(R, 4, 0, 1.0), fahrenheit / 60.0);
    result("F/h", converted(R, 5, 0, 1.0), fahrenheit / 3600.0);
    result("F/min back", converted(R, 0, 4, 1.0), 60.0 / fahrenheit);
    result("F/h back", converted(R, 0, 5, 1.0), 3600.0 / fahrenheit);
    result("F/h against K/h", converted(R, 5, 2, 1.0), fahrenheit);
    result("K/min and K/h", converted(R, 2, 1, 60.0), 1.0);
    result("C span", converted(T, 1, 0, 100.0) - converted(T, 1, 0, 0.0), converted(dT, 1, 0, 100.0));
    result("F span", converted(T, 2, 0, 212.0) - converted(T, 2, 0, 32.0), converted(dT, 2, 0, 180.0));
    result("Ra span in F", converted(T, 3, 2, 500.0) - converted(T, 3, 2, 320.0), 180.0);
    result("absolute zero in F", converted(T, 0, 2, 0.0), -459.67);
    result("K/cm", converted(G, 1, 0, 1.0), 100.0);
    result("K/mm", converted(G, 2, 0, 1.0), 1000.0);
}

void tst_qzUnitEnergyHeat::texts()
{
    for (int i = 0; i < 4; ++i)
        QCOMPARE(qzUnitPower::name(i), QStringLiteral("Watt"));
    QCOMPARE(qzUnitHeatFlux::name(3), QStringLiteral("W/in\u00B2"));
    QCOMPARE(qzUnitHeatFlux::symbol(3), qzUnitHeatFlux::name(3));
    QCOMPARE(qzUnitEnergyLength::name(0), QStringLiteral("J/cm"));
    QCOMPARE(qzUnitEnergyLength::symbol(0), QStringLiteral("J/cm"));
    QCOMPARE(qzUnitTemperature::symbol(3), QStringLiteral("\u00B0Ra"));
    QCOMPARE(qzUnitThermalExpansion::name(0), QStringLiteral("1/K"));
    QCOMPARE(qzUnitThermalExpansion::name(1), QStringLiteral("1/\u00B0C"));
    QCOMPARE(qzUnitThermalExpansion::symbol(1), qzUnitThermalExpansion::name(1));
}

QTEST_GUILESS_MAIN(tst_qzUnitEnergyHeat)
#include "tst_qzUnitEnergyHeat.moc"
