#include "qzUnitTripCoefficient.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTripCoefficient", "Square millimeter per newton"), "1/MPa" },
    // A multiplication, as stored values were made, not a division by 6.894757 MPa per ksi.
    { QT_TRANSLATE_NOOP("qzUnitTripCoefficient", "Square inch per kilopound"), "1/ksi", qzUnitRow::Multiply, 6.894689475729317 },
    { QT_TRANSLATE_NOOP("qzUnitTripCoefficient", "Square meter per newton"), "1/Pa", qzUnitRow::Multiply, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitTripCoefficient::Table = {
    "qzUnitTripCoefficient", { QT_TRANSLATE_NOOP("qzUnitTripCoefficient", "Trip coefficient"), nullptr },
    { { -1, 1, 2 }, 1e-6, qzUnitTable::Preferred }, // M^-1·L·T^2, 1/MPa
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTripCoefficient>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTripCoefficient)
