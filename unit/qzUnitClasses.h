#ifndef QZUNITCLASSES_H
#define QZUNITCLASSES_H

/*!
  \file
  Every dimension class by its Dimension value, for the one place that needs
  them as types: values that build their unit object inline. The catalogue
  includes the classes from here and maps the same values to their tables,
  whose create functions build the same objects through a call.
*/
#include "qzUnitAbsorbedDose.h"
#include "qzUnitAcceleration.h"
#include "qzUnitAngle.h"
#include "qzUnitAngularVelocity.h"
#include "qzUnitArea.h"
#include "qzUnitAreicElectricalConductivity.h"
#include "qzUnitCurrent.h"
#include "qzUnitDensity.h"
#include "qzUnitDiffusivity.h"
#include "qzUnitDistancePerRevolution.h"
#include "qzUnitElectricField.h"
#include "qzUnitElectricalConductivity.h"
#include "qzUnitElectricalCurrentDensity.h"
#include "qzUnitElectricalResistivity.h"
#include "qzUnitEnergy.h"
#include "qzUnitEnergyDensity.h"
#include "qzUnitEnergyLength.h"
#include "qzUnitForce.h"
#include "qzUnitForceLength.h"
#include "qzUnitForcePerVolume.h"
#include "qzUnitFrequency.h"
#include "qzUnitGrainSize.h"
#include "qzUnitHardness.h"
#include "qzUnitHeat.h"
#include "qzUnitHeatCapacity.h"
#include "qzUnitHeatFlux.h"
#include "qzUnitHeatTransferCoefficient.h"
#include "qzUnitLatentHeat.h"
#include "qzUnitLength.h"
#include "qzUnitMagneticField.h"
#include "qzUnitMagneticInduction.h"
#include "qzUnitMass.h"
#include "qzUnitMassFluxDensity.h"
#include "qzUnitMassFraction.h"
#include "qzUnitMassFractionGradient.h"
#include "qzUnitMomentOfInertia.h"
#include "qzUnitOfInformation.h"
#include "qzUnitPercent.h"
#include "qzUnitPower.h"
#include "qzUnitSpecificHeatCapacity.h"
#include "qzUnitSpeed.h"
#include "qzUnitStrainRate.h"
#include "qzUnitStress.h"
#include "qzUnitTemperature.h"
#include "qzUnitTemperatureDifference.h"
#include "qzUnitTemperatureGradient.h"
#include "qzUnitTemperatureRate.h"
#include "qzUnitThermalConductivity.h"
#include "qzUnitThermalExpansion.h"
#include "qzUnitTime.h"
#include "qzUnitTorque.h"
#include "qzUnitTripCoefficient.h"
#include "qzUnitTurningStiffness.h"
#include "qzUnitVoltage.h"
#include "qzUnitVolume.h"
#include "qzUnitVolumePerTime.h"
#include "qzUnitUndefined.h"
#include "qzUnitSystem.h"

#include <new>

namespace qzUnitClasses {

/*!
  Builds the unit object of \a dimension's class at \a place, standing at
  \a unitIndex, as the create function of the class's table does: the
  undefined class at index 0 for values that name no class. Inline, so that
  a compiler sees the object: a value whose unit object is never read (the
  result of a + b read as a number) costs nothing to build, and no call
  sends a host loop's doubles to memory.
*/
inline qzUnit* construct(int dimension, void* place, int unitIndex)
{
    switch (dimension) {
    case qzUnitSystem::Acceleration:
        return ::new (place) qzUnitAcceleration(unitIndex);
    case qzUnitSystem::Angle:
        return ::new (place) qzUnitAngle(unitIndex);
    case qzUnitSystem::Current:
        return ::new (place) qzUnitCurrent(unitIndex);
    case qzUnitSystem::Energy:
        return ::new (place) qzUnitEnergy(unitIndex);
    case qzUnitSystem::Force:
        return ::new (place) qzUnitForce(unitIndex);
    case qzUnitSystem::Length:
        return ::new (place) qzUnitLength(unitIndex);
    case qzUnitSystem::Mass:
        return ::new (place) qzUnitMass(unitIndex);
    case qzUnitSystem::Speed:
        return ::new (place) qzUnitSpeed(unitIndex);
    case qzUnitSystem::Temperature:
        return ::new (place) qzUnitTemperature(unitIndex);
    case qzUnitSystem::Time:
        return ::new (place) qzUnitTime(unitIndex);
    case qzUnitSystem::Volume:
        return ::new (place) qzUnitVolume(unitIndex);
    case qzUnitSystem::Density:
        return ::new (place) qzUnitDensity(unitIndex);
    case qzUnitSystem::Power:
        return ::new (place) qzUnitPower(unitIndex);
    case qzUnitSystem::Stress:
        return ::new (place) qzUnitStress(unitIndex);
    case qzUnitSystem::ThermalConductivity:
        return ::new (place) qzUnitThermalConductivity(unitIndex);
    case qzUnitSystem::ThermalExpansion:
        return ::new (place) qzUnitThermalExpansion(unitIndex);
    case qzUnitSystem::AbsorbedDose:
        return ::new (place) qzUnitAbsorbedDose(unitIndex);
    case qzUnitSystem::HeatCapacity:
        return ::new (place) qzUnitHeatCapacity(unitIndex);
    case qzUnitSystem::SpecificHeatCapacity:
        return ::new (place) qzUnitSpecificHeatCapacity(unitIndex);
    case qzUnitSystem::ForceLength:
        return ::new (place) qzUnitForceLength(unitIndex);
    case qzUnitSystem::Voltage:
        return ::new (place) qzUnitVoltage(unitIndex);
    case qzUnitSystem::EnergyLength:
        return ::new (place) qzUnitEnergyLength(unitIndex);
    case qzUnitSystem::TemperatureDifference:
        return ::new (place) qzUnitTemperatureDifference(unitIndex);
    case qzUnitSystem::HeatTransferCoefficient:
        return ::new (place) qzUnitHeatTransferCoefficient(unitIndex);
    case qzUnitSystem::StrainRate:
        return ::new (place) qzUnitStrainRate(unitIndex);
    case qzUnitSystem::LatentHeat:
        return ::new (place) qzUnitLatentHeat(unitIndex);
    case qzUnitSystem::Percent:
        return ::new (place) qzUnitPercent(unitIndex);
    case qzUnitSystem::Frequency:
        return ::new (place) qzUnitFrequency(unitIndex);
    case qzUnitSystem::AngularVelocity:
        return ::new (place) qzUnitAngularVelocity(unitIndex);
    case qzUnitSystem::Heat:
        return ::new (place) qzUnitHeat(unitIndex);
    case qzUnitSystem::MomentOfInertia:
        return ::new (place) qzUnitMomentOfInertia(unitIndex);
    case qzUnitSystem::HeatFlux:
        return ::new (place) qzUnitHeatFlux(unitIndex);
    case qzUnitSystem::TemperatureRate:
        return ::new (place) qzUnitTemperatureRate(unitIndex);
    case qzUnitSystem::Torque:
        return ::new (place) qzUnitTorque(unitIndex);
    case qzUnitSystem::GrainSize:
        return ::new (place) qzUnitGrainSize(unitIndex);
    case qzUnitSystem::OfInformation:
        return ::new (place) qzUnitOfInformation(unitIndex);
    case qzUnitSystem::TurningStiffness:
        return ::new (place) qzUnitTurningStiffness(unitIndex);
    case qzUnitSystem::Hardness:
        return ::new (place) qzUnitHardness(unitIndex);
    case qzUnitSystem::Area:
        return ::new (place) qzUnitArea(unitIndex);
    case qzUnitSystem::DistancePerRevolution:
        return ::new (place) qzUnitDistancePerRevolution(unitIndex);
    case qzUnitSystem::TripCoefficient:
        return ::new (place) qzUnitTripCoefficient(unitIndex);
    case qzUnitSystem::ElectricalConductivity:
        return ::new (place) qzUnitElectricalConductivity(unitIndex);
    case qzUnitSystem::ElectricalResistivity:
        return ::new (place) qzUnitElectricalResistivity(unitIndex);
    case qzUnitSystem::ElectricalCurrentDensity:
        return ::new (place) qzUnitElectricalCurrentDensity(unitIndex);
    case qzUnitSystem::EnergyDensity:
        return ::new (place) qzUnitEnergyDensity(unitIndex);
    case qzUnitSystem::TemperatureGradient:
        return ::new (place) qzUnitTemperatureGradient(unitIndex);
    case qzUnitSystem::AreicElectricalConductivity:
        return ::new (place) qzUnitAreicElectricalConductivity(unitIndex);
    case qzUnitSystem::VolumePerTime:
        return ::new (place) qzUnitVolumePerTime(unitIndex);
    case qzUnitSystem::ForcePerVolume:
        return ::new (place) qzUnitForcePerVolume(unitIndex);
    case qzUnitSystem::MagneticInduction:
        return ::new (place) qzUnitMagneticInduction(unitIndex);
    case qzUnitSystem::MagneticField:
        return ::new (place) qzUnitMagneticField(unitIndex);
    case qzUnitSystem::ElectricField:
        return ::new (place) qzUnitElectricField(unitIndex);
    case qzUnitSystem::MassFraction:
        return ::new (place) qzUnitMassFraction(unitIndex);
    case qzUnitSystem::Diffusivity:
        return ::new (place) qzUnitDiffusivity(unitIndex);
    case qzUnitSystem::MassFractionGradient:
        return ::new (place) qzUnitMassFractionGradient(unitIndex);
    case qzUnitSystem::MassFluxDensity:
        return ::new (place) qzUnitMassFluxDensity(unitIndex);
    default:
        return ::new (place) qzUnitUndefined(0);
    }
}

} // namespace qzUnitClasses

#endif // QZUNITCLASSES_H
