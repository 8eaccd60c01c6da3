#include "qzUnitParser.h"

#include "qzUnitCatalogue.h"
#include "qzUnitCompoundReader.h"
#include "qzUnitNumberReader.h"
#include "qzUnitSpellings.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using Dimension = qzUnitSystem::Dimension;
using Units = QVector<qzUnitParser::Unit>;

// The messages are translated in the context of qzUnitValue, whose
// fromString() gives them.
QString translated(const char* text)
{
    return QCoreApplication::translate("qzUnitValue", text);
}

bool isOperator(QChar c)
{
    return qzUnitSpellings::isOperator(c);
}

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

// ---- Units -----------------------------------------------------------------

struct UnitReading
{
    Units units; // one per dimension; the chosen one first
    qzUnitParser::Error error = qzUnitParser::NoError;
    QString message;
    bool settled = false; // a preference chose the first of several
    QStringList notes;
};

// Typed text means a unit as defined. Where a row converts with a factor
// kept for stored documents, the reading lands in a row of the defined
// factor or in unit 0 if the kept one is off by more than rounding, and in
// the row otherwise; either way with a note.
qzUnitParser::Unit settled(const qzUnitParser::Unit& unit, const QString& text, QStringList* notes)
{
    if (unit.factor != 1.0 || !qzUnitSystem::keepsFactor(unit.dimension, unit.unitIndex))
        return unit;
    const double kept = qzUnitSystem::keptFactor(unit.dimension, unit.unitIndex);
    const double defined = qzUnitSystem::physicalFactor(unit.dimension, unit.unitIndex);
    const QString zero = qzUnitSystem(unit.dimension, 0).symbol();
    if (qzUnitSpellings::keepsDefinedFactor(unit.dimension, unit.unitIndex)) {
        if (notes) {
            notes->append(translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3"))
                              .arg(text, number(kept), zero, number(defined)));
        }
        return unit;
    }
    if (notes) {
        notes->append(translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is read with its defined factor, %2 %3; stored documents keep %4 %3 for it"))
                          .arg(text, number(defined), zero, number(kept)));
    }
    return qzUnitSpellings::unitOfFactor(unit.dimension, defined);
}

// Adds \a unit unless its dimension was read already.
void merge(Units& units, const qzUnitParser::Unit& unit)
{
    if (std::none_of(units.cbegin(), units.cend(), [&unit](const qzUnitParser::Unit& u) { return u.dimension == unit.dimension; }))
        units.append(unit);
}

QString dimensionNames(const Units& units)
{
    QStringList names;
    for (const qzUnitParser::Unit& unit : units)
        names.append(qzUnitCatalogue::table(unit.dimension).dimensionName());
    return names.join(QLatin1String(", "));
}

// A unit text read in \a dimension, or in the dimension that it names alone
// or that a preference chooses.
UnitReading readUnit(const qzUnitSpellings& index, const QString& text, Dimension dimension, bool keepAll)
{
    UnitReading reading;
    const QString trimmed = text.trimmed();
    QString spelling = qzUnitSpellings::normalized(trimmed);
    // "/K" after a number is per kelvin, as "1/K" is.
    if (spelling.startsWith(QLatin1Char('/')))
        spelling.prepend(QLatin1Char('1'));
    // A refused spelling that is a row's own text still reads back in the
    // row's field: every text the library writes reads there.
    const qzUnitAlias* refused = index.refused(spelling);
    const Units own = index.exact(trimmed);
    if (refused && (dimension == qzUnitSystem::Undefined
                    || std::none_of(own.cbegin(), own.cend(), [dimension](const qzUnitParser::Unit& u) { return u.dimension == dimension; }))) {
        reading.error = refused->units ? qzUnitParser::AmbiguousUnit : qzUnitParser::GaugePressure;
        reading.message = refused->units
            ? translated(QT_TRANSLATE_NOOP("qzUnitValue", "ambiguous unit '%1': %2")).arg(trimmed, QString::fromUtf8(refused->units))
            : translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar"))
                  .arg(trimmed);
        return reading;
    }
    Units units;
    Units foreign; // rows whose symbol reads as other physics, outside their own dimension
    Units inDimension;
    qzUnitCompoundReader::Quantity quantity;
    bool isCompound = false;
    // The tables' own texts first, so that a text spelling a row means that row.
    for (int pass = 0; pass < 3; ++pass) {
        Units more = pass == 0 ? own : pass == 1 ? index.lookUp(spelling) : Units();
        if (pass == 2 && (isCompound = qzUnitCompoundReader(index, spelling).read(quantity)))
            more = quantity.units();
        for (const qzUnitParser::Unit& unit : more) {
            if (unit.isRow && unit.dimension != dimension && index.isForeign(unit.dimension, unit.unitIndex))
                merge(foreign, unit);
            else
                merge(units, unit);
        }
        inDimension.clear();
        for (const qzUnitParser::Unit& unit : units) {
            if (dimension == qzUnitSystem::Undefined || unit.dimension == dimension)
                inDimension.append(unit);
        }
        if (!inDimension.isEmpty())
            break;
    }
    if (inDimension.isEmpty()) {
        if (units.isEmpty() && !foreign.isEmpty()) {
            reading.error = qzUnitParser::AmbiguousUnit;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "ambiguous unit '%1': written as a unit of %2, it reads physically as %3"))
                                  .arg(trimmed, dimensionNames(foreign), quantity.exponents.toString());
        } else if (units.isEmpty() && isCompound && qzUnitSystem::dimensionsOf(quantity.exponents).isEmpty()) {
            reading.error = qzUnitParser::NoCataloguedDimension;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is of the physical dimension %2, which no dimension of the library has"))
                                  .arg(trimmed, quantity.exponents.toString());
        } else if (units.isEmpty()) {
            reading.error = qzUnitParser::UnknownUnit;
            reading.message = dimension == qzUnitSystem::Undefined
                ? translated(QT_TRANSLATE_NOOP("qzUnitValue", "unknown unit '%1'")).arg(trimmed)
                : translated(QT_TRANSLATE_NOOP("qzUnitValue", "unknown unit '%1' for %2")).arg(trimmed, qzUnitSystem::dimensionKey(dimension));
            const QStringList close = index.suggestions(trimmed, dimension);
            if (!close.isEmpty())
                reading.message += translated(QT_TRANSLATE_NOOP("qzUnitValue", "; did you mean %1?")).arg(close.join(QLatin1String(", ")));
        } else {
            reading.error = qzUnitParser::WrongDimension;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is a unit of %2, not of %3"))
                                  .arg(trimmed, dimensionNames(units), qzUnitCatalogue::table(dimension).dimensionName());
        }
        return reading;
    }
    if (inDimension.size() > 1) {
        QVector<Dimension> dimensions;
        for (const qzUnitParser::Unit& unit : inDimension)
            dimensions.append(unit.dimension);
        // A compound written as the units of one of the dimensions are
        // ("kJ/mm" as "J/cm") is of that one, else of the preferred one.
        Dimension choice = isCompound ? index.shapedAs(quantity.shape, dimensions) : qzUnitSystem::Undefined;
        if (choice == qzUnitSystem::Undefined)
            choice = qzUnitParser::preferred(dimensions);
        if (keepAll) {
            std::stable_partition(inDimension.begin(), inDimension.end(),
                                  [choice](const qzUnitParser::Unit& unit) { return unit.dimension == choice; });
        } else if (choice == qzUnitSystem::Undefined) {
            reading.error = qzUnitParser::AmbiguousUnit;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "ambiguous unit '%1': %2")).arg(trimmed, qzUnitSystem::dimensionKeys(dimensions));
            return reading;
        } else {
            std::stable_partition(inDimension.begin(), inDimension.end(),
                                  [choice](const qzUnitParser::Unit& unit) { return unit.dimension == choice; });
            reading.settled = true;
            reading.notes.append(translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is read as %2; it is also a unit of %3"))
                                     .arg(trimmed, qzUnitCatalogue::table(choice).dimensionName(), dimensionNames(inDimension.mid(1))));
        }
    }
    for (int i = 0; i < inDimension.size(); ++i)
        inDimension[i] = settled(inDimension.at(i), trimmed, i == 0 ? &reading.notes : nullptr);
    reading.units = inDimension;
    return reading;
}

// ---- Numbers ---------------------------------------------------------------

bool isDigit(QChar c)
{
    return qzUnitNumberReader::isDigit(c);
}

using Number = qzUnitNumberReader::Number;

// Where the next term of a sum starts: a number after a blank or after a
// foot or inch mark ("5' 3\"", "1 h 30 min"); -1 if none.
int nextTerm(const QString& text, int from)
{
    for (int i = from + 1; i < text.size(); ++i) {
        const QChar before = text.at(i - 1);
        const bool startsNumber = qzUnitNumberReader::startsNumber(text, i);
        if (!startsNumber || !(before == QLatin1Char(' ') || before == QLatin1Char('\'') || before == QLatin1Char('"')))
            continue;
        // "1/K" and "2·m" in "1.5 1/K" are units, "3/8" in "5 ft 3/8 in" a fraction.
        int end = i;
        while (end < text.size() && (isDigit(text.at(end)) || text.at(end) == QLatin1Char('.')))
            ++end;
        while (end < text.size() && text.at(end) == QLatin1Char(' '))
            ++end;
        const QChar after = end < text.size() ? text.at(end) : QChar();
        const bool fraction = after == QLatin1Char('/') && end + 1 < text.size() && isDigit(text.at(end + 1));
        if (fraction || !isOperator(after))
            return i;
    }
    return -1;
}

// Three digits at \a i and no more digits nor a fraction bar: a group of thousands.
bool groupAt(const QString& text, int i)
{
    int end = i;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    return end - i == 3 && (end == text.size() || text.at(end) != QLatin1Char('/'));
}

qzUnitParser::Result failure(qzUnitParser::Error error, const QString& message)
{
    qzUnitParser::Result result;
    result.error = error;
    result.message = message;
    return result;
}

} // namespace

// The preferred dimension of the common exponents: temperature before
// temperature difference, energy before heat.
qzUnitSystem::Dimension qzUnitParser::preferred(const QVector<qzUnitSystem::Dimension>& dimensions)
{
    if (dimensions.isEmpty())
        return qzUnitSystem::Undefined;
    const qzUnitExponents exponents = qzUnitSystem::exponents(dimensions.first());
    for (Dimension dimension : dimensions) {
        if (qzUnitSystem::exponents(dimension) != exponents)
            return qzUnitSystem::Undefined;
    }
    const Dimension first = qzUnitSystem::dimensionsOf(exponents).value(0, qzUnitSystem::Undefined);
    return dimensions.contains(first) ? first : qzUnitSystem::Undefined;
}

QString qzUnitParser::normalized(const QString& text)
{
    return qzUnitSpellings::normalized(text);
}

QVector<qzUnitParser::Unit> qzUnitParser::units(const QString& text, qzUnitSystem::Dimension dimension, Error* error,
                                                QString* message)
{
    const UnitReading reading = readUnit(*qzUnitSpellings::current(), text, dimension, true);
    if (error)
        *error = reading.error;
    if (message)
        *message = reading.message;
    return reading.units; // the chosen first
}

qzUnitParser::Result qzUnitParser::parse(const QString& text, const QLocale& locale, qzUnitSystem::Dimension dimension)
{
    const QString typed = qzUnitSpellings::mappedText(text);
    if (typed.trimmed().isEmpty())
        return failure(NoNumber, translated(QT_TRANSLATE_NOOP("qzUnitValue", "nothing was typed")));
    int position = 0;
    while (position < typed.size() && typed.at(position) == QLatin1Char(' '))
        ++position;
    std::shared_ptr<const qzUnitSpellings> current;
    Result result;
    Dimension sumDimension = dimension;
    double total = 0.0;
    Unit last;
    bool negative = false;
    const qzUnitNumberReader numbers(locale);
    for (int term = 0; position < typed.size(); ++term) {
        const Number number = numbers.read(typed, position);
        if (number.error == NoError && number.end + 1 < typed.size() && typed.at(number.end) == QLatin1Char(',')
            && isDigit(typed.at(number.end + 1))) {
            return failure(NoNumber, translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': the decimal comma is not read in this locale"))
                                         .arg(text));
        }
        if (number.error == AmbiguousNumber || number.error == MalformedNumber)
            return failure(number.error, qzUnitNumberReader::message(number, text));
        if (number.error == NoNumber) {
            return term == 0 ? failure(NoNumber, translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' does not start with a number")).arg(text))
                             : failure(TextAfterUnit, translated(QT_TRANSLATE_NOOP("qzUnitValue", "unexpected '%1' after the unit in '%2'"))
                                                          .arg(text.mid(position).trimmed(), text));
        }
        if (number.error == NumberOutOfRange) {
            return failure(NumberOutOfRange, number.value == 0.0
                               ? translated(QT_TRANSLATE_NOOP("qzUnitValue", "the number in '%1' is too close to zero for a double")).arg(text)
                               : translated(QT_TRANSLATE_NOOP("qzUnitValue", "the number in '%1' is too large for a double")).arg(text));
        }
        if (number.error == DivisionByZero)
            return failure(DivisionByZero, translated(QT_TRANSLATE_NOOP("qzUnitValue", "the fraction in '%1' divides by zero")).arg(text));
        const int next = nextTerm(typed, number.end);
        const int end = next < 0 ? typed.size() : next;
        const QString unitText = text.mid(number.end, end - number.end).trimmed();
        if (unitText.isEmpty()) {
            if (term > 0)
                return failure(TextAfterUnit,
                               translated(QT_TRANSLATE_NOOP("qzUnitValue", "unexpected '%1' after the unit in '%2'")).arg(text.mid(position).trimmed(), text));
            // "1 250 mm" where a blank groups no digits: neither 1 nor 1250.
            if (term == 0 && next == number.end + 1 && typed.at(number.end) == QLatin1Char(' ')
                && groupAt(typed, next)) {
                Number grouped = number;
                grouped.digitsEnd = next + 3;
                grouped.problem = qzUnitNumberReader::Misplaced;
                return failure(MalformedNumber, qzUnitNumberReader::message(grouped, text));
            }
            if (next >= 0 || dimension == qzUnitSystem::Undefined)
                return failure(NoUnit, translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' has no unit")).arg(text));
            // A bare number is taken in the dimension's view unit.
            qzUnitSystem::globalUnitSystem();
            const int view = qzUnitSystem::viewUnitIndex(dimension);
            result.value = qzUnitValue(dimension, number.value, qzUnitCatalogue::table(dimension).contains(view) ? view : 0);
            return result;
        }
        if (!current)
            current = qzUnitSpellings::current();
        const UnitReading reading = readUnit(*current, unitText, sumDimension, false);
        if (reading.error != NoError) {
            if (term > 0 && reading.error == WrongDimension) {
                return failure(DifferentDimensions, translated(QT_TRANSLATE_NOOP("qzUnitValue", "cannot add '%1' to a value of %2 in '%3'"))
                                                        .arg(unitText, qzUnitSystem::dimensionKey(sumDimension), text));
            }
            // "12 mm abc": a unit followed by something else.
            const int blank = unitText.lastIndexOf(QLatin1Char(' '));
            if (reading.error == UnknownUnit && blank > 0
                && readUnit(*current, unitText.left(blank), sumDimension, false).error == NoError) {
                return failure(TextAfterUnit,
                               translated(QT_TRANSLATE_NOOP("qzUnitValue", "unexpected '%1' after the unit in '%2'")).arg(unitText.mid(blank + 1), text));
            }
            return failure(reading.error, reading.message);
        }
        const Unit unit = reading.units.first();
        for (const QString& note : reading.notes) {
            if (!result.notes.contains(note))
                result.notes.append(note);
        }
        if (reading.settled) {
            for (const Unit& alternative : reading.units)
                result.alternatives.append(alternative.dimension);
        }
        double value = number.value * unit.factor;
        if (term == 0) {
            negative = std::signbit(number.value);
            total = value;
        } else {
            // The sign of the first term applies to the whole sum: "-5 ft 3 in".
            if (std::signbit(number.value))
                return failure(TextAfterUnit,
                               translated(QT_TRANSLATE_NOOP("qzUnitValue", "unexpected '%1' after the unit in '%2'")).arg(text.mid(position).trimmed(), text));
            // Temperatures on scales with their own zeros do not add up: "20 °C 5 °C".
            if (unit.dimension == qzUnitSystem::Temperature) {
                return failure(DifferentDimensions, translated(QT_TRANSLATE_NOOP("qzUnitValue", "cannot add '%1' to a value of %2 in '%3'"))
                                                        .arg(unitText, qzUnitSystem::dimensionKey(unit.dimension), text));
            }
            total = qzUnitCatalogue::converted(unit.dimension, last.unitIndex, unit.unitIndex, total);
            total += negative ? -value : value;
        }
        sumDimension = unit.dimension;
        last = unit;
        position = end;
    }
    if (sumDimension == qzUnitSystem::Undefined || last.dimension == qzUnitSystem::Undefined)
        return failure(NoNumber, translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' does not start with a number")).arg(text));
    result.value = qzUnitValue(last.dimension, total, last.unitIndex);
    if (last.dimension == qzUnitSystem::Temperature && result.value.value(0) < 0.0) {
        result.notes.append(translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' lies below absolute zero")).arg(text.trimmed()));
    }
    return result;
}

// Defined here, beside the reading, so that the value's own code does not
// depend on it.
qzUnitValue qzUnitValue::fromString(const QString& text, qzUnitSystem::Dimension dimension, QString* errorMessage)
{
    return fromString(text, QLocale::c(), dimension, errorMessage, nullptr);
}

qzUnitValue qzUnitValue::fromString(const QString& text, const QLocale& locale, qzUnitSystem::Dimension dimension,
                                    QString* errorMessage)
{
    return fromString(text, locale, dimension, errorMessage, nullptr);
}

qzUnitValue qzUnitValue::fromString(const QString& text, const QLocale& locale, qzUnitSystem::Dimension dimension,
                                    QString* errorMessage, QStringList* notes)
{
    const qzUnitParser::Result result = qzUnitParser::parse(text, locale, dimension);
    if (errorMessage && result.error != qzUnitParser::NoError)
        *errorMessage = result.message;
    if (notes)
        *notes = result.notes;
    return result.value;
}
