#ifndef QZFFFUNIT_H
#define QZFFFUNIT_H

#include "qzUnitSystem.h"

class qzUnitValue;

/*
  Legacy unit codes: one int packing a dimension and a unit index as
  dimension * 65536 + unit index, -1 for no unit. Older documents and
  interfaces identify units this way.
*/

//! The code of \a dimension and \a unitIndex; -1 for the undefined dimension or a negative index.
QZUNIT_EXPORT int qzFFFUnit(qzUnitSystem::Dimension dimension, int unitIndex);
QZUNIT_EXPORT int qzFFFUnit(const qzUnitSystem& system);
QZUNIT_EXPORT int convertUnitValueToFFFUnit(const qzUnitValue& value);
//! The unit index of a code; 0 for -1.
QZUNIT_EXPORT int qzFFFUnitGetUnitIndex(int code);
//! The dimension of a code; -1 for -1.
QZUNIT_EXPORT qzUnitSystem::Dimension qzFFFUnitGetDimension(int code);
QZUNIT_EXPORT qzUnitSystem convertFFFUnitToUnitSystem(int code);
//! A value of the code's unit holding \a value unconverted.
QZUNIT_EXPORT qzUnitValue convertFFFUnitToUnitValue(int code, double value);
//! The unit's name: "-" for -1, null for codes that name no unit.
QZUNIT_EXPORT QString qzFFFUnitName(int code);
QZUNIT_EXPORT QString qzFFFUnitSymbol(int code);
QZUNIT_EXPORT QString qzFFFDimensionName(int code);

#endif // QZFFFUNIT_H
