#ifndef QZUNITHARDNESS_H
#define QZUNITHARDNESS_H

#include "qzUnitTable.h"
#include "coBounds.h"

class qzUnitValue;

/*!
  Material hardness, Dimension 37. Stresses (N/m², N/mm², psi) relate by
  factors; the hardness scales Rockwell C, Brinell and Vickers relate to each
  other and to tensile strength only through an empirical conversion table,
  in which conversions interpolate linearly with N/mm² as the common column.
*/
class QZUNIT_EXPORT qzUnitHardness : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitHardness)

public:
    //! The units of hardness, by index; the numbers are stored in documents and never change.
    //! Conversions through the table take a number below its range to 0 and one above it to the table's top.
    enum e_Unit : int {
        NewtonPerSquareMeter = 0,
        NewtonPerSquareMillimeter = 1,
        PoundForcePerSquareInch = 2,
        Rockwell = 3,
        Brinell = 4,
        Vickers = 5
    };

    //! The range in which values of \a unit are meaningful; unit 1's for unknown units.
    static coBounds<double> validBounds(int unit);
    //! Whether \a value lies within validBounds(unit), both ends included.
    static bool isValidValue(int unit, double value);
    //! False for any dimension but hardness; else the test on the value's unit and number.
    static bool isValidValue(const qzUnitValue& value);
    //! Maps an infinite result into \a unit: -infinity to 0, +infinity to the top of the table.
    static void clampToBoundaries(double& value, e_Unit unit);

private:
    static void convert(int from, int to, double& value);
    static void convertArray(int from, int to, const double* in, double* out, qsizetype count);
    static bool isLinearUnit(e_Unit unit);
    static double linearFactor(e_Unit unit);
    static const double* table(e_Unit unit);
    static int tableLength(e_Unit unit);
};

#endif // QZUNITHARDNESS_H
