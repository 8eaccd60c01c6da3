// The dimension classes beyond their common contract: worked examples and
// exact results of their tables, relations across dimensions, singled-out
// and translated texts, and their special rules.
#include <qzUnitAcceleration.h>
#include <qzUnitAngle.h>
#include <qzUnitAngularVelocity.h>
#include <qzUnitArea.h>
#include <qzUnitDensity.h>
#include <qzUnitDistancePerRevolution.h>
#include <qzUnitElectricalConductivity.h>
#include <qzUnitEnergyLength.h>
#include <qzUnitForce.h>
#include <qzUnitForceLength.h>
#include <qzUnitForcePerVolume.h>
#include <qzUnitGrainSize.h>
#include <qzUnitHeatFlux.h>
#include <qzUnitLength.h>
#include <qzUnitMass.h>
#include <qzUnitMomentOfInertia.h>
#include <qzUnitPercent.h>
#include <qzUnitPower.h>
#include <qzUnitSpeed.h>
#include <qzUnitStrainRate.h>
#include <qzUnitStress.h>
#include <qzUnitTemperature.h>
#include <qzUnitThermalExpansion.h>
#include <qzUnitTime.h>
#include <qzUnitTorque.h>
#include <qzUnitTripCoefficient.h>
#include <qzUnitTurningStiffness.h>
#include <qzUnitValue.h>
#include <qzUnitVolume.h>
#include <qzUnitVolumePerTime.h>

#include "checks.h"

#include <QtMath>

using D = qzUnitSystem;
using L = qzUnitLength;
using A = qzUnitArea;
using V = qzUnitVolume;
using M = qzUnitMass;

namespace {
//! One \a unit of \a dimension in unit 0.
double si(D::Dimension dimension, int unit) { return converted(dimension, unit, 0); }

double factor(D::Dimension dimension, int from, int to)
{
    return qzUnitSystem::conversionFactor(dimension, from, to);
}
} // namespace

class tst_qzUnitDimensions : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry() { checkResult(); }
    void mechanics_data();
    void mechanics() { checkResult(); }
    void heat_data();
    void heat() { checkResult(); }
    void electromagnetic_data();
    void electromagnetic() { checkResult(); }
    void texts_data();
    void texts() { checkText(); }
    void lengthEnumNames();
    void distancePerRevolutionFollowsLength();
    void grainSizeFormula_data();
    void grainSizeFormula();
    void grainSizeNonFinite();
    void pascalWritings();
};

// Length and the geometry and kinematics dimensions. Units that are products
// or quotients of other dimensions' units agree with them; the tolerance is
// wider only where a table keeps a rounded constant. Exact rows pin constants
// that stored values were made with, where the textbook value differs.
void tst_qzUnitDimensions::geometry_data()
{
    resultColumns();
    using T = qzUnitTime;
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
    const int revolutions[][2] = { { R::RevolutionPerSecond, T::Second }, { R::RevolutionPerMinute, T::Minute }, { R::RevolutionPerHour, T::Hour } };
    for (const auto& unit : revolutions)
        QTest::addRow("angular velocity %d", unit[0]) << si(D::AngularVelocity, unit[0]) << turn / time(unit[1]) << 1e-12;

    const double litre = converted(D::Volume, V::CubicCentimeter, 0, 1000.0);
    result("l/s", si(D::VolumePerTime, F::LiterPerSecond), litre / time(T::Second));
    result("l/min keeps 1/60000", si(D::VolumePerTime, F::LiterPerMinute), 1.0 / 60000.0, 0.0);
    result("m3/min", si(D::VolumePerTime, F::CubicMeterPerMinute), si(D::Volume, V::CubicMeter) / time(T::Minute));
    result("cm3/h", si(D::VolumePerTime, F::CubicCentimeterPerHour), si(D::Volume, V::CubicCentimeter) / time(T::Hour));
    result("cm3/s", si(D::VolumePerTime, F::CubicCentimeterPerSecond), si(D::Volume, V::CubicCentimeter));
    result("mm3/s", si(D::VolumePerTime, F::CubicMillimeterPerSecond), si(D::Volume, V::CubicMillimeter));
}

// Mass and mechanics, as above.
void tst_qzUnitDimensions::mechanics_data()
{
    resultColumns();
    const auto in = [](D::Dimension dimension) {
        return [dimension](int unit) { return converted(dimension, unit, 0); };
    };
    const auto mass = in(D::Mass), volume = in(D::Volume), force = in(D::Force), length = in(D::Length);
    const auto area = in(D::Area), stress = in(D::Stress), torque = in(D::Torque), density = in(D::Density);
    const auto forceLength = in(D::ForceLength), trip = in(D::TripCoefficient);
    using F = qzUnitForce;
    using S = qzUnitStress;

    result("Mg is t", mass(M::Megagram), mass(M::Ton), 0.0);
    result("lb keeps 0.45359238", mass(M::Pound), 0.45359238, 0.0);
    result("lb in oz, not 16", converted(D::Mass, M::Pound, M::Ounce), 0.45359238 / 0.028349523125, 0.0);
    using R = qzUnitDensity;
    const int densities[][3] = { { R::KilogramPerCubicCentimeter, M::Kilogram, V::CubicCentimeter }, { R::KilogramPerCubicMillimeter, M::Kilogram, V::CubicMillimeter },
                                 { R::PoundPerCubicFoot, M::Pound, V::CubicFoot }, { R::PoundPerCubicInch, M::Pound, V::CubicInch },
                                 { R::TonPerCubicMeter, M::Ton, V::CubicMeter }, { R::GramPerCubicCentimeter, M::Gram, V::CubicCentimeter },
                                 { R::MegagramPerCubicMillimeter, M::Megagram, V::CubicMillimeter }, { R::GramPerCubicMeter, M::Gram, V::CubicMeter } };
    for (const auto& unit : densities)
        QTest::addRow("density %d", unit[0]) << density(unit[0]) << mass(unit[1]) / volume(unit[2]) << 1e-12;

    const double gravity = force(F::Kilopond);
    result("kgf is kp", force(F::KilogramForce), gravity, 0.0);
    result("tnf is 1000 kp", force(F::TonForce), 1000.0 * gravity);
    result("klbf", force(F::KilopoundForce), 1000.0 * force(F::PoundForce));
    result("short ton", force(F::ShortTon), 2000.0 * force(F::PoundForce), 1e-8);
    result("long ton", force(F::LongTon), 2240.0 * force(F::PoundForce), 1e-5);
    result("ozf", force(F::OunceForce), force(F::PoundForce) / 16.0);
    result("kN", force(F::Kilonewton), 1000.0 * force(F::Newton));
    result("dyn is g cm/s2", force(F::Dyne), mass(M::Gram) * converted(D::Acceleration, qzUnitAcceleration::Galileo, 0));
    result("N/mm", forceLength(qzUnitForceLength::NewtonPerMillimeter), force(F::Newton) / length(L::Millimeter));
    result("kN/mm", forceLength(qzUnitForceLength::KilonewtonPerMillimeter), force(F::Kilonewton) / length(L::Millimeter));

    result("MPa", stress(S::Megapascal), force(F::Newton) / area(A::SquareMillimeter));
    result("N/mm2", stress(S::NewtonPerSquareMillimeter), stress(S::Megapascal), 0.0);
    result("psi keeps its constant", converted(D::Stress, S::PoundPerSquareInch, S::Megapascal, 1000.0), 6.894757293168);
    result("psf", stress(S::PoundPerSquareFoot), force(F::PoundForce) / area(A::SquareFoot), 1e-6);
    result("at", stress(S::TechnicalAtmosphere), gravity / area(A::SquareCentimeter));
    result("kg/cm2", stress(S::KilogramPerSquareCentimeter), gravity / area(A::SquareCentimeter));
    result("kg/mm2", stress(S::KilogramPerSquareMillimeter), gravity / area(A::SquareMillimeter));
    result("kg/in2 is not the 15200 Pa of kgf/in2", stress(S::KilogramPerSquareInch), 39.3701, 0.0);
    result("Torr", stress(S::Torr), stress(S::PhysicalAtmosphere) / 760.0, 1e-6);
    result("kPa is pz", stress(S::Kilopascal), stress(S::Pieze), 0.0);

    using T = qzUnitTorque;
    const int torques[][3] = { { T::FootPound, F::PoundForce, L::Foot }, { T::InchPound, F::PoundForce, L::Inch },
                               { T::InchOunceForce, F::OunceForce, L::Inch }, { T::FootOunceForce, F::OunceForce, L::Foot },
                               { T::KilogramForceMeter, F::KilogramForce, L::Meter } };
    for (const auto& unit : torques)
        QTest::addRow("torque %d", unit[0]) << torque(unit[0]) << force(unit[1]) * length(unit[2]) << 1e-12;
    result("ft pdl", torque(T::FootPoundal), force(F::Poundal) * length(L::Foot), 1e-7);
    result("kgf m keeps 9.80665", torque(T::KilogramForceMeter), 9.80665, 0.0);

    result("t/m2", converted(D::MomentOfInertia, qzUnitMomentOfInertia::TonPerSquareMeter, 0), mass(M::Ton) / area(A::SquareMeter));
    result("slug/ft2", converted(D::MomentOfInertia, qzUnitMomentOfInertia::SlugPerSquareFoot, 0), 1.0 / 224.24813368145254, 0.0);
    result("Nm/deg", converted(D::TurningStiffness, qzUnitTurningStiffness::NewtonMeterPerDegree, 0),
           converted(D::Angle, qzUnitAngle::Radian, qzUnitAngle::Degree), 1e-15);
    result("1/Pa", trip(qzUnitTripCoefficient::PerPascal), stress(S::Megapascal), 0.0);
    // A multiplication, not the division by 6.894757 MPa per ksi.
    result("1/ksi", trip(qzUnitTripCoefficient::PerKsi), 6.894689475729317, 0.0);
    result("1/Pa in 1/ksi", converted(D::TripCoefficient, qzUnitTripCoefficient::PerPascal, qzUnitTripCoefficient::PerKsi),
           1000000.0 / 6.894689475729317, 0.0);
}

// Energy, heat and temperature.
void tst_qzUnitDimensions::heat_data()
{
    resultColumns();
    const D::Dimension E = D::Energy, H = qzUnitSystem::Heat, F = qzUnitSystem::HeatFlux;
    const D::Dimension ED = qzUnitSystem::EnergyDensity, C = qzUnitSystem::SpecificHeatCapacity;
    const D::Dimension L = D::LatentHeat;
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

    const D::Dimension T = D::Temperature, dT = qzUnitSystem::TemperatureDifference;
    const D::Dimension R = D::TemperatureRate, G = qzUnitSystem::TemperatureGradient;
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
    result("F/h against K/h", converted(R, 5, 2, 1.0), fahrenheit);
    result("K/min and K/h", converted(R, 2, 1, 60.0), 1.0);
    result("C span", converted(T, 1, 0, 100.0) - converted(T, 1, 0, 0.0), converted(dT, 1, 0, 100.0));
    result("F span", converted(T, 2, 0, 212.0) - converted(T, 2, 0, 32.0), converted(dT, 2, 0, 180.0));
    result("Ra span in F", converted(T, 3, 2, 500.0) - converted(T, 3, 2, 320.0), 180.0);
    result("absolute zero in F", converted(T, 0, 2, 0.0), -459.67);
    result("K/cm", converted(G, 1, 0, 1.0), 100.0);
    result("K/mm", converted(G, 2, 0, 1.0), 1000.0);
}

// Transport, composition, electromagnetic and radiation dimensions.
void tst_qzUnitDimensions::electromagnetic_data()
{
    resultColumns();
    const D::Dimension density = D::ElectricalCurrentDensity, contact = D::AreicElectricalConductivity;
    result("percent to ratio", converted(D::Percent, 0, 1, 50.0), 0.5);
    result("ratio to percent", converted(D::Percent, 1, 0, 0.25), 25.0);
    result("fraction to the SI percentage", converted(D::MassFraction, 1, 0, 0.02), 2.0);
    result("kA to mA through the ampere", converted(D::Current, 2, 1, 1.0), 1000000.0, 0.0);
    result("A is 1000 mA", converted(D::Current, 0, 1, 1.0), 1000.0);
    result("micro resistivity to SI", converted(D::ElectricalResistivity, 1, 0, 1.0), 1e-06, 0.0);
    result("micro conductivity to SI", converted(D::ElectricalConductivity, 1, 0, 1.0), 1e6, 0.0);
    result("resistivity is reciprocal to conductivity",
           converted(D::ElectricalResistivity, 0, 1, converted(D::ElectricalConductivity, 0, 1, 1.0)), 1.0);
    // Prefix factors: the quotient of the two factors, then the value.
    result("nano factor is a quotient", converted(contact, 3, 0, 1.0), 999999999.9999999, 0.0);
    result("milli to nano", converted(contact, 1, 3, 1.0), 1.0000000000000002e-06, 0.0);
    result("per microhm is 1000 per milliohm", converted(contact, 2, 1, 1.0), 1000.0);
    result("uA/m2 is 1/1000 mA/m2", converted(density, 1, 2, 1.0), 0.001);
    result("kA/m2 is 1000 A/m2", converted(density, 3, 0, 1.0), 1000.0);
    result("MA/m2 is 1000 kA/m2", converted(density, 4, 3, 1.0), 1000.0);
}

// Symbols whose characters are singled out (the micro sign against the Greek
// mu, the dot operator), names that are symbols, texts translated in their
// class's context or not, and values of the classes' factories.
void tst_qzUnitDimensions::texts_data()
{
    textColumns();
    const QString squared(QChar(0x00B2)), cubed(QChar(0x00B3)), micro(QChar(0x00B5)), mu(QChar(0x03BC));
    const QString dot(QChar(0x00B7)), m = QStringLiteral("m"), ohmMeter = QString(QChar(0x03A9)) + dot + m;
    const auto symbol = [](D::Dimension dimension, int index) { return D(dimension, index).symbol(); };
    text("micron", qzUnitLength::symbol(7), micro + m);
    text("microinch", qzUnitLength::symbol(8), micro + QStringLiteral("in"));
    text("m2", qzUnitArea::symbol(0), m + squared);
    text("um2", qzUnitArea::symbol(3), micro + m + squared);
    text("m3", qzUnitVolume::symbol(0), m + cubed);
    text("m/s2", qzUnitAcceleration::symbol(0), QStringLiteral("m/s") + squared);
    text("grain diameter", qzUnitGrainSize::symbol(0), micro + m);
    text("SUPERSCRIPT_3", QString(qzUnitVolumePerTime::SUPERSCRIPT_3), cubed);
    text("cm3/h assembled", qzUnitVolumePerTime::symbol(4), QStringLiteral("cm") + cubed + QStringLiteral("/h"));
    text("strain rate named by its symbol", qzUnitStrainRate::name(0) + qzUnitStrainRate::symbol(0), QStringLiteral("1/s1/s"));
    text("degree without a blank", qzUnitAngle::create(45.0, qzUnitAngle::Degree).valueSymbolString('g', 6), QStringLiteral("45.0") + QChar(0x00B0));
    text("N m", qzUnitTorque::symbol(0), QStringLiteral("N") + dot + m);
    text("kg/(m s2)", qzUnitStress::symbol(2), QStringLiteral("kg/(m") + dot + QStringLiteral("s") + squared + QLatin1Char(')'));
    text("t/m3", qzUnitDensity::symbol(5), QStringLiteral("t/m") + cubed);
    text("N/m3", qzUnitForcePerVolume::symbol(0), QStringLiteral("N/m") + cubed);
    text("short ton force", qzUnitForce::symbol(8), QStringLiteral("tnf (S/T)"));
    text("force values", qzUnitForce::create(12.5, qzUnitForce::Kilonewton).valueSymbolString('g', 6), QStringLiteral("12.5 kN"));
    text("Watt in every writing", qzUnitPower::name(0) + qzUnitPower::name(1) + qzUnitPower::name(2) + qzUnitPower::name(3), QStringLiteral("WattWattWattWatt"));
    text("W/in2 named by its symbol", qzUnitHeatFlux::name(3) + qzUnitHeatFlux::symbol(3), QStringLiteral("W/in") + squared + QStringLiteral("W/in") + squared);
    text("J/cm named by its symbol", qzUnitEnergyLength::name(0) + qzUnitEnergyLength::symbol(0), QStringLiteral("J/cmJ/cm"));
    text("Rankine", qzUnitTemperature::symbol(3), QChar(0x00B0) + QStringLiteral("Ra"));
    text("expansion named by symbols", qzUnitThermalExpansion::name(0) + qzUnitThermalExpansion::name(1) + qzUnitThermalExpansion::symbol(1),
         QStringLiteral("1/K1/") + QChar(0x00B0) + QStringLiteral("C1/") + QChar(0x00B0) + QLatin1Char('C'));
    text("MU", QString(qzUnitElectricalConductivity::MU), mu);
    text("conductivity", symbol(D::ElectricalConductivity, 0), QStringLiteral("1/(") + ohmMeter + QLatin1Char(')'));
    text("micro conductivity", symbol(D::ElectricalConductivity, 1), QStringLiteral("1/(") + mu + ohmMeter + QLatin1Char(')'));
    text("resistivity", symbol(D::ElectricalResistivity, 0), ohmMeter);
    text("micro resistivity", symbol(D::ElectricalResistivity, 1), mu + ohmMeter);
    text("current density, micro sign", symbol(D::ElectricalCurrentDensity, 1), micro + QStringLiteral("A/m") + squared);
    text("contact conductivity, micro sign", symbol(D::AreicElectricalConductivity, 2),
         QStringLiteral("1/(") + micro + ohmMeter + squared + QLatin1Char(')'));
    text("mass flux density, dot operator", symbol(D::MassFluxDensity, 0),
         QStringLiteral("kg/(s") + QChar(0x22C5) + m + squared + QLatin1Char(')'));
    text("diffusivity", symbol(D::Diffusivity, 0), m + squared + QStringLiteral("/s"));
    text("micro resistivity name", D(D::ElectricalResistivity, 1).name(), mu + QStringLiteral("Ohm * meter"));
    text("micro conductivity name", D(D::ElectricalConductivity, 1).name(), QStringLiteral("1 / (") + mu + QStringLiteral("Ohm * meter)"));
    text("percent values", qzUnitPercent::create(0.5, qzUnitPercent::Ratio).valueSymbolString('g', 6), QStringLiteral("0.5 -"));

    const RecordingTranslator translator;
    text("volume flow name", qzUnitVolumePerTime::name(0), RecordingTranslator::recorded("qzUnitVolumePerTime", "cubic meters per second"));
    text("rad/s untranslated", qzUnitAngularVelocity::symbol(0), QStringLiteral("rad/s"));
    text("slug/ft2 named by its symbol", qzUnitMomentOfInertia::name(2), QStringLiteral("slug/ft") + squared);
    text("Nm/deg named by its symbol", qzUnitTurningStiffness::name(1), QStringLiteral("Nm/") + QChar(0x00B0));
    text("t/cm3", qzUnitDensity::name(5), RecordingTranslator::recorded("qzUnitDensity", "Ton per cubic centimeter"));
    text("pieze", qzUnitStress::name(5), RecordingTranslator::recorded("qzUnitStress", "Pi\u00E8ze"));
    text("electric field symbol translated", symbol(D::ElectricField, 0), RecordingTranslator::recorded("qzUnitElectricField", "V/m"));
    text("magnetic field symbol translated", symbol(D::MagneticField, 0), RecordingTranslator::recorded("qzUnitMagneticField", "A/m"));
    text("induction symbol translated", symbol(D::MagneticInduction, 0), RecordingTranslator::recorded("qzUnitMagneticInduction", "T"));
}

void tst_qzUnitDimensions::lengthEnumNames()
{
    const char* names[] = { "METER", "CENTIMETER", "MILLIMETER", "FOOT", "INCH", "MILE", "MIL", "MICRON", "MICROINCH", "KILOMETER" };
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(int(qzUnitLength::toEnumIndex(QLatin1String(names[i]))), i);
        QCOMPARE(qzUnitLength::toEnumName(i), QLatin1String(names[i]));
    }
    QVERIFY(qzUnitLength::toEnumIndex(QStringLiteral("kilometer")) == -1 && qzUnitLength::toEnumIndex(QStringLiteral(" MIL")) == -1);
    QVERIFY(qzUnitLength::toEnumName(10).isNull());
}

// Each unit is a Length unit per revolution, by enum name, number and symbol.
void tst_qzUnitDimensions::distancePerRevolutionFollowsLength()
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
void tst_qzUnitDimensions::grainSizeFormula_data()
{
    QTest::addColumn<double>("astm");
    QTest::newRow("0") << 0.0;
    QTest::newRow("7.5") << 7.5;
    QTest::newRow("-1") << -1.0;
    QTest::newRow("14") << 14.0;
}

void tst_qzUnitDimensions::grainSizeFormula()
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

// The formula takes no precautions: a diameter of 0 is G = +inf, and NaN stays NaN.
void tst_qzUnitDimensions::grainSizeNonFinite()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(converted(D::GrainSize, 0, 1, 0.0), inf);
    QCOMPARE(converted(D::GrainSize, 0, 1, -25.0), converted(D::GrainSize, 0, 1, 25.0));
    QCOMPARE(converted(D::GrainSize, 1, 0, inf), 0.0);
    QCOMPARE(converted(D::GrainSize, 1, 0, -inf), inf);
    QVERIFY(std::isnan(converted(D::GrainSize, 1, 0, qQNaN())) && std::isnan(converted(D::GrainSize, 0, 1, qQNaN())));
    QVERIFY(closeTo(converted(D::GrainSize, 1, 0, 0.0), 405.9, 1e-4));
}

// Three writings of the pascal: one name, no conversion between them.
void tst_qzUnitDimensions::pascalWritings()
{
    const RecordingTranslator translator;
    for (int from = 0; from < 3; ++from) {
        QCOMPARE(qzUnitStress::name(from), RecordingTranslator::recorded("qzUnitStress", "Pascal"));
        for (int to = 0; to < 3; ++to)
            QCOMPARE(converted(D::Stress, from, to, 123.456), 123.456);
    }
    QCOMPARE(converted(D::Stress, qzUnitStress::KilogramPerMeterSquareSecond, qzUnitStress::Kilopascal, 1000.0), 1.0);
}

QTEST_GUILESS_MAIN(tst_qzUnitDimensions)
#include "tst_qzUnitDimensions.moc"
