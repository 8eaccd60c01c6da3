#include "qzUnitCatalogue.h"

// Every dimension class, for the tables below.
#include "qzUnitClasses.h"

// Indexed by Dimension value. The null entry of 41, which names no
// dimension, gives the undefined class.
const qzUnitTable* const qzUnitCatalogue::Tables[Count] = {
    /*  0 Acceleration                */ &qzUnitAcceleration::Table,
    /*  1 Angle                       */ &qzUnitAngle::Table,
    /*  2 Current                     */ &qzUnitCurrent::Table,
    /*  3 Energy                      */ &qzUnitEnergy::Table,
    /*  4 Force                       */ &qzUnitForce::Table,
    /*  5 Length                      */ &qzUnitLength::Table,
    /*  6 Mass                        */ &qzUnitMass::Table,
    /*  7 Speed                       */ &qzUnitSpeed::Table,
    /*  8 Temperature                 */ &qzUnitTemperature::Table,
    /*  9 Time                        */ &qzUnitTime::Table,
    /* 10 Volume                      */ &qzUnitVolume::Table,
    /* 11 Density                     */ &qzUnitDensity::Table,
    /* 12 Power                       */ &qzUnitPower::Table,
    /* 13 Stress                      */ &qzUnitStress::Table,
    /* 14 ThermalConductivity         */ &qzUnitThermalConductivity::Table,
    /* 15 ThermalExpansion            */ &qzUnitThermalExpansion::Table,
    /* 16 AbsorbedDose                */ &qzUnitAbsorbedDose::Table,
    /* 17 HeatCapacity                */ &qzUnitHeatCapacity::Table,
    /* 18 SpecificHeatCapacity        */ &qzUnitSpecificHeatCapacity::Table,
    /* 19 ForceLength                 */ &qzUnitForceLength::Table,
    /* 20 Voltage                     */ &qzUnitVoltage::Table,
    /* 21 EnergyLength                */ &qzUnitEnergyLength::Table,
    /* 22 TemperatureDifference       */ &qzUnitTemperatureDifference::Table,
    /* 23 HeatTransferCoefficient     */ &qzUnitHeatTransferCoefficient::Table,
    /* 24 StrainRate                  */ &qzUnitStrainRate::Table,
    /* 25 LatentHeat                  */ &qzUnitLatentHeat::Table,
    /* 26 Percent                     */ &qzUnitPercent::Table,
    /* 27 Frequency                   */ &qzUnitFrequency::Table,
    /* 28 AngularVelocity             */ &qzUnitAngularVelocity::Table,
    /* 29 Heat                        */ &qzUnitHeat::Table,
    /* 30 MomentOfInertia             */ &qzUnitMomentOfInertia::Table,
    /* 31 HeatFlux                    */ &qzUnitHeatFlux::Table,
    /* 32 TemperatureRate             */ &qzUnitTemperatureRate::Table,
    /* 33 Torque                      */ &qzUnitTorque::Table,
    /* 34 GrainSize                   */ &qzUnitGrainSize::Table,
    /* 35 OfInformation               */ &qzUnitOfInformation::Table,
    /* 36 TurningStiffness            */ &qzUnitTurningStiffness::Table,
    /* 37 Hardness                    */ &qzUnitHardness::Table,
    /* 38 Area                        */ &qzUnitArea::Table,
    /* 39 DistancePerRevolution       */ &qzUnitDistancePerRevolution::Table,
    /* 40 TripCoefficient             */ &qzUnitTripCoefficient::Table,
    /* 41 (not used)                  */ nullptr,
    /* 42 ElectricalConductivity      */ &qzUnitElectricalConductivity::Table,
    /* 43 ElectricalResistivity       */ &qzUnitElectricalResistivity::Table,
    /* 44 ElectricalCurrentDensity    */ &qzUnitElectricalCurrentDensity::Table,
    /* 45 EnergyDensity               */ &qzUnitEnergyDensity::Table,
    /* 46 TemperatureGradient         */ &qzUnitTemperatureGradient::Table,
    /* 47 AreicElectricalConductivity */ &qzUnitAreicElectricalConductivity::Table,
    /* 48 VolumePerTime               */ &qzUnitVolumePerTime::Table,
    /* 49 ForcePerVolume              */ &qzUnitForcePerVolume::Table,
    /* 50 MagneticInduction           */ &qzUnitMagneticInduction::Table,
    /* 51 MagneticField               */ &qzUnitMagneticField::Table,
    /* 52 ElectricField               */ &qzUnitElectricField::Table,
    /* 53 MassFraction                */ &qzUnitMassFraction::Table,
    /* 54 Diffusivity                 */ &qzUnitDiffusivity::Table,
    /* 55 MassFractionGradient        */ &qzUnitMassFractionGradient::Table,
    /* 56 MassFluxDensity             */ &qzUnitMassFluxDensity::Table,
};

// Base letters M, L, T, I and Θ (temperature), combined with "·" and "^" where
// no traditional letter exists. The texts of the other rows are stored by hosts
// as they are, separators and minus signs included.
QString qzUnitCatalogue::dimensionSymbol(int dimension)
{
    static const char* const symbols[Count] = {
        "a", "1", "I", "E", "F", "l", "m", "v", "T", "t",
        "V", "M·L^-3", "P", "p", "M·L·T^-3·Θ^-1", "Θ^-1", "L^2·T^-2", "Cp", "c", "M·T^-2",
        "U", "E", "T", "M·T^-3·Θ^-1", "T^-1", "L^2·T^-2", "1", "f", "1/T", "M·L^2·T^-2",
        "M·L²", "M·T^-3", "Θ·T^-1", "M·L2·T-2", "L", "1", "M·L^2·T^-2", "M·L^-1·T^-2", "L^2", "L",
        "M^-1·L·T^2", "", "M^-1·L^-3·T^3·I^2", "M·L^3·T^-3·I^-2", "I·L^−2", "M·L^−1·T^−2", "T·L^-1",
        "M^−1·L^−4·T^3·I^2", "", "M·L^-2·T^-2",
        "MT-2I-1", "L-1I", "MLT-3I-1", "1", "L^2·T^-1", "L^-1", "M·L^-2",
    };
    return uint(dimension) < uint(Count) ? QString::fromUtf8(symbols[dimension]) : QString();
}

double qzUnitCatalogue::convertedByTable(const qzUnitTable& table, int from, int to, double value)
{
    table.changeTo(from, to, value);
    return value;
}

int qzUnitCatalogue::changeToByTable(const qzUnitTable& table, int current, int to, double& value)
{
    switch (table.conversion) {
    case qzUnitTable::Inert:
        return current;
    case qzUnitTable::Anchored:
        return 0;
    default:
        if (to != current)
            table.changeTo(current, to, value);
        return to;
    }
}
