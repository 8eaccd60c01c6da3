#ifndef QZUNITCLASSES_H
#define QZUNITCLASSES_H

/*!
  \file
  Every dimension class by its Dimension value, for the one place that needs
  them as types: values that build their unit object inline. The catalogue
  maps the same values to the classes' tables, whose create functions build
  the same objects through a call.
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
    case 0:
        return ::new (place) qzUnitAcceleration(unitIndex);
    case 1:
        return ::new (place) qzUnitAngle(unitIndex);
    case 2:
        return ::new (place) qzUnitCurrent(unitIndex);
    case 3:
        return ::new (place) qzUnitEnergy(unitIndex);
    case 4:
        return ::new (place) qzUnitForce(unitIndex);
    case 5:
        return ::new (place) qzUnitLength(unitIndex);
    case 6:
        return ::new (place) qzUnitMass(unitIndex);
    case 7:
        return ::new (place) qzUnitSpeed(unitIndex);
    case 8:
        return ::new (place) qzUnitTemperature(unitIndex);
    case 9:
        return ::new (place) qzUnitTime(unitIndex);
    case 10:
        return ::new (place) qzUnitVolume(unitIndex);
    case 11:
        return ::new (place) qzUnitDensity(unitIndex);
    case 12:
        return ::new (place) qzUnitPower(unitIndex);
    case 13:
        return ::new (place) qzUnitStress(unitIndex);
    case 14:
        return ::new (place) qzUnitThermalConductivity(unitIndex);
    case 15:
        return ::new (place) qzUnitThermalExpansion(unitIndex);
    case 16:
        return ::new (place) qzUnitAbsorbedDose(unitIndex);
    case 17:
        return ::new (place) qzUnitHeatCapacity(unitIndex);
    case 18:
        return ::new (place) qzUnitSpecificHeatCapacity(unitIndex);
    case 19:
        return ::new (place) qzUnitForceLength(unitIndex);
    case 20:
        return ::new (place) qzUnitVoltage(unitIndex);
    case 21:
        return ::new (place) qzUnitEnergyLength(unitIndex);
    case 22:
        return ::new (place) qzUnitTemperatureDifference(unitIndex);
    case 23:
        return ::new (place) qzUnitHeatTransferCoefficient(unitIndex);
    case 24:
        return ::new (place) qzUnitStrainRate(unitIndex);
    case 25:
        return ::new (place) qzUnitLatentHeat(unitIndex);
    case 26:
        return ::new (place) qzUnitPercent(unitIndex);
    case 27:
        return ::new (place) qzUnitFrequency(unitIndex);
    case 28:
        return ::new (place) qzUnitAngularVelocity(unitIndex);
    case 29:
        return ::new (place) qzUnitHeat(unitIndex);
    case 30:
        return ::new (place) qzUnitMomentOfInertia(unitIndex);
    case 31:
        return ::new (place) qzUnitHeatFlux(unitIndex);
    case 32:
        return ::new (place) qzUnitTemperatureRate(unitIndex);
    case 33:
        return ::new (place) qzUnitTorque(unitIndex);
    case 34:
        return ::new (place) qzUnitGrainSize(unitIndex);
    case 35:
        return ::new (place) qzUnitOfInformation(unitIndex);
    case 36:
        return ::new (place) qzUnitTurningStiffness(unitIndex);
    case 37:
        return ::new (place) qzUnitHardness(unitIndex);
    case 38:
        return ::new (place) qzUnitArea(unitIndex);
    case 39:
        return ::new (place) qzUnitDistancePerRevolution(unitIndex);
    case 40:
        return ::new (place) qzUnitTripCoefficient(unitIndex);
    case 42:
        return ::new (place) qzUnitElectricalConductivity(unitIndex);
    case 43:
        return ::new (place) qzUnitElectricalResistivity(unitIndex);
    case 44:
        return ::new (place) qzUnitElectricalCurrentDensity(unitIndex);
    case 45:
        return ::new (place) qzUnitEnergyDensity(unitIndex);
    case 46:
        return ::new (place) qzUnitTemperatureGradient(unitIndex);
    case 47:
        return ::new (place) qzUnitAreicElectricalConductivity(unitIndex);
    case 48:
        return ::new (place) qzUnitVolumePerTime(unitIndex);
    case 49:
        return ::new (place) qzUnitForcePerVolume(unitIndex);
    case 50:
        return ::new (place) qzUnitMagneticInduction(unitIndex);
    case 51:
        return ::new (place) qzUnitMagneticField(unitIndex);
    case 52:
        return ::new (place) qzUnitElectricField(unitIndex);
    case 53:
        return ::new (place) qzUnitMassFraction(unitIndex);
    case 54:
        return ::new (place) qzUnitDiffusivity(unitIndex);
    case 55:
        return ::new (place) qzUnitMassFractionGradient(unitIndex);
    case 56:
        return ::new (place) qzUnitMassFluxDensity(unitIndex);
    default:
        return ::new (place) qzUnitUndefined(0);
    }
}

} // namespace qzUnitClasses

#endif // QZUNITCLASSES_H
