#ifndef QZUNITCATALOGUE_H
#define QZUNITCATALOGUE_H

#include "qzUnitTable.h"

// The one place that maps Dimension values to dimension classes. Everything
// that dispatches on a dimension asks here.
class qzUnitCatalogue
{
public:
    //! The table of the class of \a dimension; null for values that name no class.
    static const qzUnitTable* find(int dimension)
    {
        return uint(dimension) < uint(Count) ? Tables[dimension] : nullptr;
    }
    //! As find(), with the undefined class for values that name no class.
    static const qzUnitTable& table(int dimension);
    //! The physical dimension in base letters; empty for values that name no class.
    static QString dimensionSymbol(int dimension);

private:
    enum { Count = 57 };
    static const qzUnitTable* const Tables[Count];
};

#endif // QZUNITCATALOGUE_H
