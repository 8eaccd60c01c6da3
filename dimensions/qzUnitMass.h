#ifndef QZUNITMASS_H
#define QZUNITMASS_H

#include "qzUnitTable.h"

//! Mass, Dimension 6. The kilogram is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitMass : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMass)

public:
    //! The units of mass, by index; the numbers are stored in documents and never change.
    //! Pound is the stored 0.45359238 kg, not the international 0.45359237 kg.
    enum e_Unit : int {
        Kilogram = 0,
        Gram = 1,
        Ton = 2,
        Pound = 3,
        Ounce = 4,
        Slug = 5,
        Megagram = 6
    };
};

#endif // QZUNITMASS_H
