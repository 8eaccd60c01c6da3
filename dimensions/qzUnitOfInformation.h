#ifndef QZUNITOFINFORMATION_H
#define QZUNITOFINFORMATION_H

#include "qzUnitTable.h"

class qzUnitValue;

/*!
  Amounts of data, Dimension 35. The byte is the pivot; the multiples are
  powers of 1024 although their symbols read "kB", "MB" and so on.
*/
class QZUNIT_EXPORT qzUnitOfInformation : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitOfInformation)

public:
    //! The units of information, by index; the numbers are stored in documents and never change.
    //! Each multiple is 1024 times the unit before it.
    enum e_Unit : int {
        Bytes = 0,
        Kilobyte = 1,
        Megabyte = 2,
        Gigabyte = 3,
        Terabyte = 4
    };

    //! \a value in the largest unit it fills at least once ("1.5 kB"), one
    //! decimal below 100 in the multiples.
    static QString prettyValueSymbol(const qzUnitValue& value);
    //! The same for a byte count.
    static QString prettyValueSymbol(long long bytes);
};

#endif // QZUNITOFINFORMATION_H
