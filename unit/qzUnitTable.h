#ifndef QZUNITTABLE_H
#define QZUNITTABLE_H

#include "qzUnit.h"
#include "qzUnitExponents.h"

#include <QCoreApplication>
#include <new>

/*!
  One row of a dimension's unit table: the unit's texts and how a number in
  this unit reaches the pivot unit (index 0) and comes back from it. The way
  back always uses the row's own constants, so a round trip restores a value
  up to rounding. Rows stand 128 bytes apart, so that a conversion finds a
  row by a shift of its index instead of a multiplication.
*/
struct alignas(128) qzUnitRow
{
    //! How a number in the row's unit reaches the pivot unit and comes back.
    enum Op : unsigned char {
        Pivot,    //!< the pivot unit itself
        Same,     //!< the pivot's quantity under another name: taken over unchanged
        Multiply, //!< to the pivot: v * constant; back: v / constant
        Divide,   //!< to the pivot: v / constant; back: v * constant
        Scale,    //!< to the pivot: v * constant; back: v * back (a reciprocal kept as its own number)
        Offset,   //!< to the pivot: (v + back) / constant; back: v * constant - back
        Prefix    //!< the row of a prefix table: constant is the unit's prefix factor
    };
    //! Properties of a row's texts.
    enum Flag : unsigned char {
        TranslatedSymbol = 1 //!< the symbol is a translation source in the class's context
    };

    const char* name;   //!< English name and translation source; null when the name is the symbol
    const char* symbol; //!< UTF-8
    Op op = Pivot;          //!< the row's way to the pivot unit and back
    double constant = 1.0;  //!< the factor or divisor of op; a prefix factor for Prefix
    double back = 0.0;      //!< Scale: the factor back; Offset: the shift
    unsigned char flags = 0; //!< Flag values
    //! The factor to unit 0 that the unit's definition gives, where the row
    //! keeps another one because stored data was written with it; 0 where the
    //! row's own conversion is the defined one.
    double physical = 0.0;

    // The row's two steps in one form without a choice of operation, derived
    // from op: to the pivot (v + thereShift) * thereFactor, then / constant
    // where ThereDivides; back v * backFactor, then / constant where
    // BackDivides, then - backShift. Adding -0.0, multiplying by 1.0 and
    // subtracting +0.0 are exact, so every operation gives the bits of its
    // own arithmetic; only a number both rows keep skips the steps, which
    // would quiet a signalling NaN. Single numbers convert through this
    // form; arrays choose each step's operation once instead.

    //! What a step does beyond its shift and factor.
    enum Step : unsigned char {
        ThereDivides = 1, //!< to the pivot ends with / constant
        BackDivides = 2,  //!< back from the pivot divides by constant before the shift
        Keeps = 4         //!< the step leaves the number alone
    };
    //! The step to the pivot: 0, ThereDivides or Keeps. Added to the target
    //! row's backSteps it tells a pair in one number: 0 or Keeps when neither
    //! divides and at most one keeps, twice Keeps when both keep.
    unsigned char thereSteps = op == Pivot || op == Same || op == Prefix ? Keeps
        : op == Divide || (op == Offset && constant != 1.0)             ? ThereDivides
                                                                        : 0;
    //! The step back from the pivot: 0, BackDivides or Keeps.
    unsigned char backSteps = op == Pivot || op == Same || op == Prefix ? Keeps : op == Multiply ? BackDivides : 0;
    //! Added first on the way to the pivot.
    double thereShift = op == Offset ? back : -0.0;
    //! Then multiplied by.
    double thereFactor = op == Multiply || op == Scale ? constant : 1.0;
    //! Multiplied by first on the way back.
    double backFactor = op == Divide || op == Offset ? constant : op == Scale ? back : 1.0;
    //! Subtracted last on the way back.
    double backShift = op == Offset ? back : 0.0;
};

/*!
  Everything a dimension class knows, as data: its translation context, its
  dimension name, its unit rows and the kind of conversion they make. The
  dimension classes forward their whole contract to their table; a class that
  needs more than rows can express supplies a function for that one thing.
*/
class QZUNIT_EXPORT qzUnitTable
{
public:
    //! How the table's numbers change between units.
    enum Conversion : unsigned char {
        Rows,     //!< each row's operation, through the pivot unit 0
        Prefixes, //!< v * (factor(from) / factor(to)); an unknown source has the factor 0
        Labels,   //!< every unit measures the same: numbers never change, the index is recorded
        Inert,    //!< neither the number nor the index ever changes
        Anchored, //!< numbers never change and the object always returns to index 0
        Custom    //!< the class's own function, convert
    };
    //! A translatable text with its disambiguation.
    struct Text
    {
        const char* source;  //!< English text, the translation source
        const char* comment; //!< disambiguation passed to the translator; may be null
    };

    //! Whether a dimension comes first among those that share its exponents.
    enum Rank : bool {
        Alternative = false, //!< another dimension of the same exponents comes first
        Preferred = true     //!< the one a product or quotient of these exponents lands in
    };
    //! What the dimension is physically, whatever its unit labels say.
    struct Physics
    {
        qzUnitExponents exponents; //!< of the SI base quantities
        double siFactor;           //!< takes a number in unit 0 to the coherent SI unit of the exponents
        Rank rank;                 //!< exactly one dimension of each set of exponents is Preferred
    };

    const char* context; //!< the class name, also the translation context
    Text dimension;      //!< English dimension name and its disambiguation
    Physics physics;     //!< exponents, SI factor and rank among the dimensions of the same exponents
    const qzUnitRow* rows; //!< the units, index 0 first
    int count;             //!< the number of rows, the class's maxIndex()
    Conversion conversion; //!< how numbers change between the rows' units
    //! Builds an object of the class at \a place, standing at \a unitIndex.
    qzUnit* (*create)(void* place, int unitIndex);
    void (*convert)(int from, int to, double& value) = nullptr; //!< for Custom
    QString (*nameOf)(int unitIndex) = nullptr;   //!< replaces the rows' names
    QString (*symbolOf)(int unitIndex) = nullptr; //!< replaces the rows' symbols
    //! Fills a %1 in the rows' names (after translation) and symbols at run
    //! time, for characters that translators should not handle.
    const QChar* placeholder = nullptr;
    //! For Custom, optional: \a count numbers converted at once, as convert
    //! would convert each; \a in equals \a out or does not overlap it.
    void (*convertArray)(int from, int to, const double* in, double* out, qsizetype count) = nullptr;
    //! The rows a single number converts between by their steps: count for
    //! row tables, 0 for the others, so that one range test also tells the kind.
    int stepRows = conversion == Rows ? count : 0;

    //! Whether \a unitIndex names a row.
    bool contains(int unitIndex) const { return uint(unitIndex) < uint(count); }

    //! The class's static conversion between two units.
    void changeTo(int from, int to, double& value) const;
    //! The static conversion of \a count numbers: out[i] is in[i] as changeTo
    //! converts it. \a in equals \a out or does not overlap it.
    void changeTo(int from, int to, const double* in, double* out, qsizetype count) const;
    //! The class's virtual conversion of an object to \a to.
    void changeTo(qzUnit& unit, int to, double& value) const;

    //! The translated name of a unit (nameOf's where the class gives one); null outside the table.
    QString name(int unitIndex) const;
    //! The symbol of a unit (symbolOf's where the class gives one); null outside the table.
    QString symbol(int unitIndex) const;
    //! The texts of the rows, for text functions that build on them.
    QString rowName(int unitIndex) const;
    //! As rowName(), for the symbol.
    QString rowSymbol(int unitIndex) const;
    //! The untranslated English name of a row; null for rows named by their symbol.
    QString englishName(int unitIndex) const;

    //! The dimension's name, translated in the class's context.
    QString dimensionName() const;
    //! The dimension's English name.
    QString dimensionNameEnglish() const;
    //! Translates \a sourceText in the class's context.
    QString translate(const char* sourceText, const char* disambiguation = nullptr, int n = -1) const
    {
        return QCoreApplication::translate(context, sourceText, disambiguation, n);
    }

    //! The create function of class \a T.
    template <class T>
    static qzUnit* construct(void* place, int unitIndex)
    {
        return new (place) T(unitIndex);
    }
};

#define QZ_UNIT_ROWS(rows) rows, int(sizeof(rows) / sizeof(rows[0]))

/*!
  The contract every dimension class fulfils, declared in the class body.
  QZ_UNIT_DIMENSION_IMPL in the class's source defines it from the class's
  table, Class::Table.
*/
#define QZ_UNIT_DIMENSION(Class)                                                        \
public:                                                                                 \
    /*! Stands at unitIndex; the index is not range-checked. */                         \
    explicit Class(int unitIndex = 0) : qzUnit(unitIndex) {}                            \
    /*! Copies and moves take the unit index. */                                        \
    Class(const Class& other) = default;                                                \
    /*! As the copy. */                                                                 \
    Class(Class&& other) = default;                                                     \
    /*! Takes the other's unit index. */                                                \
    Class& operator=(const Class& other) = default;                                     \
    /*! As the copy. */                                                                 \
    Class& operator=(Class&& other) = default;                                          \
    ~Class() override = default;                                                        \
                                                                                        \
    /*! The unit table this class is made of. */                                        \
    static const qzUnitTable Table;                                                     \
                                                                                        \
    /*! Converts value from unit from to unit to; an unknown target leaves it   */    \
    /*! alone, an unknown source too except in prefix tables, where it gives 0. */    \
    static void changeTo(int from, int to, double& value);                              \
    /*! Translated name of a unit; a null string outside the table. */                  \
    static QString name(int unitIndex);                                                 \
    /*! Symbol of a unit; a null string outside the table. */                           \
    static QString symbol(int unitIndex);                                               \
    /*! Translates in the class's context. */                                          \
    static QString tr(const char* sourceText, const char* disambiguation = nullptr,     \
                      int n = -1);                                                      \
    /*! As tr(). */                                                                     \
    static QString trUtf8(const char* sourceText, const char* disambiguation = nullptr, \
                          int n = -1);                                                  \
                                                                                        \
    void changeTo(int unitIndex, double& value) override;                               \
    QString name() const override;                                                     \
    QString symbol() const override;                                                    \
    QString dimensionName() const override;                                             \
    QString dimensionNameEnglish() const override;                                      \
    int maxIndex() const override;                                                      \
                                                                                        \
private:

#define QZ_UNIT_DIMENSION_IMPL(Class)                                                          \
    static_assert(sizeof(Class) == sizeof(qzUnit), "a dimension class carries no data");        \
    void Class::changeTo(int from, int to, double& value) { Table.changeTo(from, to, value); } \
    QString Class::name(int unitIndex) { return Table.name(unitIndex); }                       \
    QString Class::symbol(int unitIndex) { return Table.symbol(unitIndex); }                   \
    QString Class::tr(const char* sourceText, const char* disambiguation, int n)               \
    {                                                                                          \
        return Table.translate(sourceText, disambiguation, n);                                 \
    }                                                                                          \
    QString Class::trUtf8(const char* sourceText, const char* disambiguation, int n)           \
    {                                                                                          \
        return Table.translate(sourceText, disambiguation, n);                                 \
    }                                                                                          \
    void Class::changeTo(int unitIndex, double& value) { Table.changeTo(*this, unitIndex, value); } \
    QString Class::name() const { return Table.name(unitIndex()); }                            \
    QString Class::symbol() const { return Table.symbol(unitIndex()); }                        \
    QString Class::dimensionName() const { return Table.dimensionName(); }                     \
    QString Class::dimensionNameEnglish() const { return Table.dimensionNameEnglish(); }       \
    int Class::maxIndex() const { return Table.count; }

#endif // QZUNITTABLE_H
