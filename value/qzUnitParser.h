#ifndef QZUNITPARSER_H
#define QZUNITPARSER_H

#include "qzUnitValue.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

/*!
  Reads values and units as people type them: numbers in the C locale or a
  given one, fractions and mixed numbers, unit symbols and names in their
  plural, UK, ASCII and translated spellings, SI prefixes, compound units
  and sums such as "5 ft 3 in". qzUnitValue::fromString() is built on it.

  Where a reading could be wrong it is refused with a suggestion: symbols
  and prefixes are read in their exact case ("nm" is the nanometre, "kn"
  is refused), names also in any case where that leaves one unit. Typed text
  means a unit as defined, also where a row keeps another factor for stored
  documents; the reading then says so in its notes.

  The spellings are indexed once and again whenever the loaded translation
  changes; reading is safe from several threads at once.
*/
class QZUNIT_EXPORT qzUnitParser
{
public:
    //! Why a text could not be read.
    enum Error {
        NoError,               //!< the text was read
        NoNumber,              //!< the text does not start with a number
        NumberOutOfRange,      //!< the number is too large or too close to zero for a double
        NoUnit,                //!< a number without a unit and without a dimension to take it in
        UnknownUnit,           //!< no unit is spelled this way
        WrongDimension,        //!< the unit belongs to other dimensions than the one asked for
        AmbiguousUnit,         //!< several dimensions share the unit and no rule settles which
        TextAfterUnit,         //!< something follows the unit that is neither a unit nor a term
        DifferentDimensions,   //!< the terms of a sum are of different dimensions
        NoCataloguedDimension, //!< a compound unit whose physical dimension has no class
        DivisionByZero,        //!< a fraction with the denominator 0
        AmbiguousNumber,       //!< the number reads differently in the C locale and in the locale given
        MalformedNumber,       //!< separators that make no number in the C locale nor in the locale given
        GaugePressure          //!< a gauge or absolute pressure ("psig"), whose reference a value cannot keep
    };

    //! One way to read a unit text: a dimension, the table row that stands
    //! for it and the factor from the text's unit to the row's unit.
    struct Unit
    {
        qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined; //!< the dimension read
        int unitIndex = 0;   //!< the row that stands for the unit; 0 for a unit that is no row
        double factor = 1.0; //!< a number in the text's unit times this is the number in the row's unit
        bool isRow = true;   //!< whether the text is the row's own symbol or name (factor 1)
    };

    //! What a text was read as.
    struct Result
    {
        qzUnitValue value = qzUnitValue::makeUndefined(); //!< undefined when reading failed
        Error error = NoError;  //!< why reading failed
        QString message;        //!< the translated message of the error; empty on success
        //! When a preference chose among several dimensions that share the
        //! unit: all of them, the chosen one first; empty otherwise.
        QVector<qzUnitSystem::Dimension> alternatives;
        //! What a reader should know about a reading that succeeded, in the
        //! loaded translation: a factor kept for stored documents that was
        //! used or set aside, a dimension chosen among several, a
        //! temperature below absolute zero.
        QStringList notes;
    };

    //! Reads \a text as a value, in \a dimension unless that is Undefined;
    //! numbers in the C locale and, when it differs, in \a locale. A number
    //! that the two read differently ("1.250" in German) is refused.
    static Result parse(const QString& text, const QLocale& locale = QLocale::c(),
                        qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined);

    /*!
      Every reading of a unit text without a number, one per dimension (only
      \a dimension unless that is Undefined), the preferred one first; a row
      that keeps another factor than its definition for stored documents is
      read as defined, in unit 0 with that factor. On failure the list is
      empty and \a error and \a message say why.
    */
    static QVector<Unit> units(const QString& text, qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined,
                               Error* error = nullptr, QString* message = nullptr);

    //! Of dimensions that share a unit, the one a reader means when none is
    //! given; Undefined when they differ physically or the preferred
    //! dimension of their exponents is not among them.
    static qzUnitSystem::Dimension preferred(const QVector<qzUnitSystem::Dimension>& dimensions);

    //! The text as the index compares it: look-alike characters (µ and μ,
    //! the dots and blanks between units, minus signs, superscript powers)
    //! replaced by one spelling each.
    static QString normalized(const QString& text);
};

#endif // QZUNITPARSER_H
