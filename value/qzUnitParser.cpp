#include "qzUnitParser.h"

#include "qzUnitCatalogue.h"
#include "qzUnitNumberReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>

namespace {

using Dimension = qzUnitSystem::Dimension;

// The messages are translated in the context of qzUnitValue, whose
// fromString() gives them.
QString translated(const char* text)
{
    return QCoreApplication::translate("qzUnitValue", text);
}

// ---- Look-alike characters -------------------------------------------------

constexpr char16_t MicroSign = 0x00B5;
constexpr char16_t MiddleDot = 0x00B7;

// One character for each group of look-alikes. Length-preserving, so that a
// position in the mapped text is the same position in the typed one.
QChar mapped(QChar c)
{
    switch (c.unicode()) {
    case 0x03BC: // Greek mu
        return QChar(MicroSign);
    case 0x2126: // ohm sign
        return QChar(0x03A9);
    case 0x2212: // minus sign
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0xFE63:
    case 0xFF0D:
        return QLatin1Char('-');
    case '\t':
    case 0x00A0: // no-break space
    case 0x2002:
    case 0x2003:
    case 0x2007:
    case 0x2009: // thin space
    case 0x200A:
    case 0x202F: // narrow no-break space
        return QLatin1Char(' ');
    case '*':
    case 0x22C5: // dot operator
    case 0x2022: // bullet
    case 0x2219: // bullet operator
    case 0x00D7: // multiplication sign
        return QChar(MiddleDot);
    case 0x00BA: // masculine ordinal
    case 0x02DA: // ring above
        return QChar(0x00B0);
    case 0x2032: // prime
    case 0x2019: // right single quotation mark
        return QLatin1Char('\'');
    case 0x2033: // double prime
    case 0x201D: // right double quotation mark
        return QLatin1Char('"');
    default:
        return c;
    }
}

QString mappedText(const QString& text)
{
    QString result(text);
    for (QChar& c : result)
        c = mapped(c);
    return result;
}

int superscriptDigit(QChar c)
{
    return qzUnitNumberReader::superscriptDigit(c);
}

bool isOperator(QChar c)
{
    return c == QChar(MiddleDot) || c == QLatin1Char('/') || c == QLatin1Char('^') || c == QLatin1Char('(')
        || c == QLatin1Char(')');
}

// A unit text in one spelling: look-alikes mapped, powers written "^n",
// blanks and dots between units written "·", other blanks dropped.
QString unitSpelling(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    bool blank = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        QChar c = mapped(text.at(i));
        if (c == QLatin1Char(' ')) {
            blank = true;
            continue;
        }
        // "**" is a power, "." between units a product; a trailing "." ends an abbreviation.
        if (c == QChar(MiddleDot) && i + 1 < n && mapped(text.at(i + 1)) == QChar(MiddleDot) && !out.isEmpty()) {
            ++i;
            c = QLatin1Char('^');
        } else if (c == QLatin1Char('.') && !out.isEmpty() && !out.back().isDigit()) {
            if (i + 1 == n || text.at(i + 1) == QLatin1Char(' '))
                continue;
            c = QChar(MiddleDot);
        }
        const int power = superscriptDigit(c);
        const bool superMinus = c.unicode() == 0x207B;
        if (blank && !out.isEmpty() && !isOperator(out.back()) && !isOperator(c) && power < 0 && !superMinus)
            out.append(QChar(MiddleDot));
        blank = false;
        if (power >= 0 || superMinus) {
            if (out.isEmpty() || (out.back() != QLatin1Char('^') && out.back() != QLatin1Char('-')
                                  && !out.back().isDigit()))
                out.append(QLatin1Char('^'));
            out.append(QLatin1Char(superMinus ? '-' : char('0' + power)));
            continue;
        }
        // Digits glued to a unit are its power ("m2", "s-1").
        const bool afterUnit = !out.isEmpty() && (out.back().isLetter() || out.back() == QLatin1Char(')'));
        if (afterUnit && (c.isDigit() || (c == QLatin1Char('-') && i + 1 < n && text.at(i + 1).isDigit())))
            out.append(QLatin1Char('^'));
        out.append(c);
    }
    return out;
}

// ---- The index of spellings ------------------------------------------------

struct Entry
{
    Dimension dimension;
    int row;
};
using Entries = QVector<Entry>;

// A spelling that stands for another one, with a factor: ASCII writings of
// symbols, short forms, and units that are no row but a multiple of one.
struct Alias
{
    const char* text;
    const char* target;
    double factor;
};

const Alias Aliases[] = {
    {"um", "\u00B5m", 1.0}, {"uin", "\u00B5in", 1.0}, {"us", "\u00B5s", 1.0},
    {"micrometer", "\u00B5m", 1.0}, {"micrometers", "\u00B5m", 1.0}, {"micrometre", "\u00B5m", 1.0},
    {"micrometres", "\u00B5m", 1.0}, {"microns", "\u00B5m", 1.0},
    {"degC", "\u00B0C", 1.0}, {"deg C", "\u00B0C", 1.0}, {"degF", "\u00B0F", 1.0}, {"deg F", "\u00B0F", 1.0},
    {"degR", "\u00B0Ra", 1.0}, {"deg R", "\u00B0Ra", 1.0}, {"\u00B0R", "\u00B0Ra", 1.0}, {"deg", "\u00B0", 1.0},
    {"degree", "\u00B0", 1.0}, {"degrees", "\u00B0", 1.0}, {"celsius", "\u00B0C", 1.0},
    {"fahrenheit", "\u00B0F", 1.0}, {"kelvins", "K", 1.0},
    {"sec", "s", 1.0}, {"secs", "s", 1.0}, {"hr", "h", 1.0}, {"hrs", "h", 1.0}, {"mins", "min", 1.0},
    {"rpm", "Rpm", 1.0}, {"rps", "Rps", 1.0}, {"'", "ft", 1.0}, {"\"", "in", 1.0}, {"''", "in", 1.0},
    {"BTU", "BTU (IT)", 1.0}, {"Btu", "BTU (IT)", 1.0}, {"cal", "cal (IT)", 1.0}, {"kcal", "kcal (IT)", 1.0},
    {"lbs", "lb", 1.0}, {"Nm", "N\u00B7m", 1.0}, {"kgf/cm^2", "kg/cm\u00B2", 1.0}, {"kgf/mm^2", "kg/mm\u00B2", 1.0},
    {"cc", "cm\u00B3", 1.0}, {"kph", "km/h", 1.0}, {"ksi", "psi", 1000.0},
    {"ohm m", "\u03A9\u00B7m", 1.0},
    // Exact by definition: 1 L = 1 dm³, 1 mile per hour = 0.44704 m/s, 1 US gallon = 231 in³.
    {"l", "m^3", 1e-3}, {"liter", "m^3", 1e-3}, {"liters", "m^3", 1e-3}, {"litre", "m^3", 1e-3},
    {"litres", "m^3", 1e-3}, {"mph", "m/s", 0.44704}, {"gal", "m^3", 3.785411784e-3},
    {"gallon", "m^3", 3.785411784e-3}, {"gallons", "m^3", 3.785411784e-3},
};

struct Prefix
{
    const char* symbol;
    double factor;
};

const Prefix Prefixes[] = {
    {"da", 1e1}, {"Y", 1e24}, {"Z", 1e21}, {"E", 1e18}, {"P", 1e15}, {"T", 1e12}, {"G", 1e9}, {"M", 1e6},
    {"k", 1e3}, {"h", 1e2}, {"d", 1e-1}, {"c", 1e-2}, {"m", 1e-3}, {"\u00B5", 1e-6}, {"u", 1e-6},
    {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"a", 1e-18},
};

// The units that take SI prefixes: "mN" and "GPa" are read, "kft" is not.
const char* const PrefixedUnits[] = {"m", "g", "s", "A", "K", "N", "Pa", "J", "W", "V", "Hz", "T", "B", "eV", "bar", "l", "L"};

struct Index
{
    QString translation;             // what the index was built under
    QHash<QString, Entries> exact;   // the tables' own texts, as they are
    QHash<QString, Entries> spelled; // normalised spellings, plurals, translated names
    QHash<QString, Entries> folded;  // the same in lower case
    QSet<QString> clashes;           // lower-case spellings of several units
    QHash<QString, const Alias*> aliases; // lower-case alias spellings
    // What an unknown unit is compared with: a spelling, its lower-case
    // normalised form and its unit (dimension Undefined for aliases).
    struct Suggestion
    {
        QString text;
        QString folded;
        Entry entry;
    };
    QVector<Suggestion> suggestions;
};

void add(QHash<QString, Entries>& hash, const QString& key, Entry entry)
{
    if (key.isEmpty())
        return;
    Entries& entries = hash[key];
    // The first row of a dimension stands for it, as in qzUnitSystem::findUnits.
    for (const Entry& existing : entries) {
        if (existing.dimension == entry.dimension)
            return;
    }
    entries.append(entry);
}

QString pluralWord(const QString& word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("foot"))
        return word.left(1) + QLatin1String("eet");
    if (lower.endsWith(QLatin1Char('s')) || lower.endsWith(QLatin1Char(')')))
        return word;
    if (lower.endsWith(QLatin1String("ch")) || lower.endsWith(QLatin1String("sh")) || lower.endsWith(QLatin1Char('x')))
        return word + QLatin1String("es");
    return word + QLatin1Char('s');
}

// An English name, its plural ("Meters per second", "Feet", "Pounds (Force)"),
// the singular of a plural ("Degree Celsius") and their UK spellings.
QStringList nameVariants(const QString& name)
{
    QStringList variants{name};
    QStringList words = name.split(QLatin1Char(' '));
    int head = words.indexOf(QStringLiteral("per")) - 1;
    if (head < -1)
        head = words.size() - 1;
    while (head > 0 && words.at(head).startsWith(QLatin1Char('(')))
        --head;
    if (head >= 0) {
        QStringList plural = words;
        plural[head] = pluralWord(words.at(head));
        variants.append(plural.join(QLatin1Char(' ')));
        if (words.at(0).compare(QLatin1String("Degrees"), Qt::CaseInsensitive) == 0) {
            QStringList singular = words;
            singular[0].chop(1);
            variants.append(singular.join(QLatin1Char(' ')));
        }
    }
    const int count = variants.size();
    for (int i = 0; i < count; ++i) {
        QString uk = variants.at(i);
        uk.replace(QLatin1String("meter"), QLatin1String("metre"), Qt::CaseInsensitive);
        uk.replace(QLatin1String("liter"), QLatin1String("litre"), Qt::CaseInsensitive);
        if (uk != variants.at(i))
            variants.append(uk);
    }
    return variants;
}

// Texts that change with the loaded translation; the index is rebuilt when they do.
QString translationKey()
{
    return QCoreApplication::translate("qzUnitLength", "Length") + QCoreApplication::translate("qzUnitLength", "Meter")
        + translated(QT_TRANSLATE_NOOP("qzUnitValue", "unknown unit '%1'"));
}

std::shared_ptr<const Index> buildIndex(const QString& translation)
{
    auto index = std::make_shared<Index>();
    index->translation = translation;
    for (Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitTable* table = qzUnitCatalogue::find(dimension);
        if (!table)
            continue;
        for (int row = 0; row < table->count; ++row) {
            const Entry entry{dimension, row};
            const QString symbol = table->symbol(row);
            const QString name = table->name(row);
            const QString english = table->englishName(row);
            add(index->exact, symbol, entry);
            add(index->exact, name, entry);
            add(index->exact, english, entry);
            QStringList spellings{symbol, name};
            if (!english.isEmpty())
                spellings += nameVariants(english);
            for (const QString& spelling : spellings)
                add(index->spelled, unitSpelling(spelling), entry);
            index->suggestions.append({symbol, unitSpelling(symbol).toLower(), entry});
            if (!english.isEmpty())
                index->suggestions.append({english, unitSpelling(english).toLower(), entry});
        }
    }
    for (auto it = index->spelled.cbegin(); it != index->spelled.cend(); ++it) {
        const QString key = it.key().toLower();
        const bool known = index->folded.contains(key);
        for (const Entry& entry : it.value()) {
            if (known) {
                // Two spellings that differ in case only: the lower-case form
                // names one unit only when both name the same rows.
                for (const Entry& other : index->folded.value(key)) {
                    if (other.dimension == entry.dimension && other.row != entry.row)
                        index->clashes.insert(key);
                }
            }
            add(index->folded, key, entry);
        }
    }
    for (const Alias& alias : Aliases) {
        const QString text = QString::fromUtf8(alias.text);
        index->aliases.insert(unitSpelling(text).toLower(), &alias);
        index->suggestions.append({text, unitSpelling(text).toLower(), Entry{qzUnitSystem::Undefined, 0}});
    }
    return index;
}

// A standard mutex: its locking is visible to the thread sanitizer, which
// cannot see into an uninstrumented QtCore.
std::mutex indexMutex;
std::shared_ptr<const Index> currentIndex;

// Built on first use and again after the translation changed. Readers keep
// the index they got, so a rebuild never pulls it from under them.
std::shared_ptr<const Index> index()
{
    const QString translation = translationKey();
    const std::lock_guard<std::mutex> locker(indexMutex);
    if (!currentIndex || currentIndex->translation != translation)
        currentIndex = buildIndex(translation);
    return currentIndex;
}

// ---- Units -----------------------------------------------------------------

// The factor from a row to unit 0; NaN for rows that are no multiple of it
// (degrees Celsius, hardness scales).
double rowFactor(Dimension dimension, int row)
{
    if (qzUnitCatalogue::converted(dimension, row, 0, 0.0) != 0.0)
        return qQNaN();
    return qzUnitSystem::keptFactor(dimension, row);
}

// The unit of \a dimension whose factor to unit 0 is \a factor: the first
// row that matches it, else unit 0 with the factor.
qzUnitParser::Unit unitOfFactor(Dimension dimension, double factor)
{
    const qzUnitTable& table = qzUnitCatalogue::table(dimension);
    for (int row = 0; row < table.count; ++row) {
        const double candidate = rowFactor(dimension, row);
        if (std::fabs(candidate - factor) <= 1e-12 * std::fabs(factor))
            return qzUnitParser::Unit{dimension, row, 1.0, false};
    }
    return qzUnitParser::Unit{dimension, 0, factor, false};
}

using Units = QVector<qzUnitParser::Unit>;

Units rowsOf(const Entries& entries)
{
    Units units;
    for (const Entry& entry : entries)
        units.append(qzUnitParser::Unit{entry.dimension, entry.row, 1.0, true});
    return units;
}

// A unit typed in another unit's spelling, scaled: one reading per dimension.
Units scaled(const Units& units, double factor)
{
    Units result;
    for (const qzUnitParser::Unit& unit : units) {
        if (factor == 1.0) {
            result.append(unit);
            continue;
        }
        const double toZero = unit.factor * rowFactor(unit.dimension, unit.unitIndex);
        if (std::isfinite(toZero))
            result.append(unitOfFactor(unit.dimension, toZero * factor));
    }
    return result;
}

Units lookUp(const Index& index, const QString& spelling, int depth);
Units compound(const Index& index, const QString& spelling, qzUnitExponents& exponents, bool& read);

// "mN", "GPa", "µs": an SI prefix on a unit that takes one.
Units prefixed(const Index& index, const QString& spelling)
{
    for (const Prefix& prefix : Prefixes) {
        const QString symbol = QString::fromUtf8(prefix.symbol);
        if (!spelling.startsWith(symbol) || spelling.size() == symbol.size())
            continue;
        const QString rest = spelling.mid(symbol.size());
        for (const char* unit : PrefixedUnits) {
            if (rest == QLatin1String(unit)) {
                const Units base = index.spelled.contains(rest) ? rowsOf(index.spelled.value(rest))
                                                                 : lookUp(index, rest, 1);
                return scaled(base, prefix.factor);
            }
        }
    }
    return Units();
}

// Every reading of one spelled unit, in the first way that reads it at all.
Units lookUp(const Index& index, const QString& spelling, int depth)
{
    const auto spelled = index.spelled.constFind(spelling);
    if (spelled != index.spelled.cend())
        return rowsOf(*spelled);
    const QString lower = spelling.toLower();
    const auto alias = index.aliases.constFind(lower);
    if (alias != index.aliases.cend() && depth < 2) {
        const QString target = unitSpelling(QString::fromUtf8((*alias)->target));
        Units units = lookUp(index, target, depth + 1);
        if (units.isEmpty()) {
            qzUnitExponents exponents;
            bool read = false;
            units = compound(index, target, exponents, read);
        }
        return scaled(units, (*alias)->factor);
    }
    Units units = prefixed(index, spelling);
    if (!units.isEmpty() || depth > 0)
        return units;
    if (!index.clashes.contains(lower)) {
        const auto folded = index.folded.constFind(lower);
        if (folded != index.folded.cend())
            return rowsOf(*folded);
    }
    return Units();
}

int editDistance(const QString& a, const QString& b)
{
    QVector<int> previous(b.size() + 1), current(b.size() + 1), before(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[b.size()];
}

// Up to three spellings close to \a text, the closest first.
QStringList suggestions(const Index& index, const QString& text, Dimension dimension)
{
    const QString lower = unitSpelling(text).toLower();
    if (lower.size() > 40)
        return QStringList(); // no unit is spelled that long; comparing would only cost time
    const int limit = std::max(1, int(lower.size()) / 3);
    QVector<QPair<int, QString>> found;
    auto consider = [&](const QString& spelling, const QString& folded) {
        if (std::abs(int(folded.size()) - int(lower.size())) > limit)
            return;
        const int distance = editDistance(lower, folded);
        if (distance > limit)
            return;
        for (const auto& existing : found) {
            if (existing.second.compare(spelling, Qt::CaseInsensitive) == 0)
                return;
        }
        found.append(qMakePair(distance, spelling));
    };
    for (const Index::Suggestion& candidate : index.suggestions) {
        if (dimension == qzUnitSystem::Undefined || candidate.entry.dimension == dimension)
            consider(candidate.text, candidate.folded);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const QPair<int, QString>& a, const QPair<int, QString>& b) { return a.first < b.first; });
    QStringList result;
    for (int i = 0; i < found.size() && i < 3; ++i)
        result.append(QStringLiteral("'%1'").arg(found.at(i).second));
    return result;
}

// ---- Compound units ----------------------------------------------------------

// A product of powers of units as exponents and the factor to the coherent SI unit.
struct Quantity
{
    qzUnitExponents exponents;
    double factor = 1.0;
};

// Reads "g/cm^3", "W/(m^2·K)", "N·m", "1/s": products, quotients (left to
// right), integer powers and parentheses of units that the index reads.
class CompoundReader
{
public:
    CompoundReader(const Index& index, const QString& text) : m_index(index), m_text(text) {}

    bool read(Quantity& quantity)
    {
        return expression(quantity) && m_position == m_text.size();
    }

private:
    QChar peek() const { return m_position < m_text.size() ? m_text.at(m_position) : QChar(); }

    bool expression(Quantity& quantity)
    {
        if (!power(quantity))
            return false;
        while (peek() == QChar(MiddleDot) || peek() == QLatin1Char('/')) {
            const bool divide = m_text.at(m_position++) == QLatin1Char('/');
            Quantity next;
            if (!power(next))
                return false;
            quantity.exponents = divide ? quantity.exponents - next.exponents : quantity.exponents + next.exponents;
            quantity.factor = divide ? quantity.factor / next.factor : quantity.factor * next.factor;
        }
        return true;
    }

    bool power(Quantity& quantity)
    {
        if (!primary(quantity))
            return false;
        if (peek() != QLatin1Char('^'))
            return true;
        ++m_position;
        const int start = m_position;
        if (peek() == QLatin1Char('-') || peek() == QLatin1Char('+'))
            ++m_position;
        while (peek().isDigit() && m_position - start < 3)
            ++m_position;
        bool ok = false;
        const int exponent = m_text.mid(start, m_position - start).toInt(&ok);
        if (!ok)
            return false;
        qzUnitExponents raised;
        for (int i = 0; i < std::abs(exponent); ++i)
            raised = exponent > 0 ? raised + quantity.exponents : raised - quantity.exponents;
        quantity.exponents = raised;
        quantity.factor = std::pow(quantity.factor, exponent);
        return true;
    }

    bool primary(Quantity& quantity)
    {
        if (peek() == QLatin1Char('(')) {
            // Deeper nesting than any unit needs is refused before it can exhaust the stack.
            if (++m_depth > 8)
                return false;
            ++m_position;
            if (!expression(quantity) || peek() != QLatin1Char(')'))
                return false;
            ++m_position;
            --m_depth;
            return true;
        }
        const int start = m_position;
        while (m_position < m_text.size() && !isOperator(peek()))
            ++m_position;
        const QString atom = m_text.mid(start, m_position - start);
        if (atom == QLatin1String("1")) {
            quantity = Quantity();
            return true;
        }
        // Of the readings, the first that is a multiple of its unit 0:
        // degrees Celsius in a compound are a temperature difference.
        for (const qzUnitParser::Unit& unit : lookUp(m_index, atom, 0)) {
            const double toZero = unit.factor * rowFactor(unit.dimension, unit.unitIndex);
            if (std::isfinite(toZero)) {
                quantity.exponents = qzUnitSystem::exponents(unit.dimension);
                quantity.factor = toZero * qzUnitSystem::siFactor(unit.dimension);
                return true;
            }
        }
        return false;
    }

    const Index& m_index;
    const QString& m_text;
    int m_position = 0;
    int m_depth = 0;
};

struct UnitReading
{
    Units units; // one per dimension; the chosen one first
    qzUnitParser::Error error = qzUnitParser::NoError;
    QString message;
    bool settled = false; // a preference chose the first of several
};

// A compound unit in each catalogued dimension of its exponents, the
// preferred one first. Sets \a exponents when it was read.
Units compound(const Index& index, const QString& spelling, qzUnitExponents& exponents, bool& read)
{
    Quantity quantity;
    read = false;
    if (!spelling.contains(QChar(MiddleDot)) && !spelling.contains(QLatin1Char('/')) && !spelling.contains(QLatin1Char('^')))
        return Units();
    if (!CompoundReader(index, spelling).read(quantity) || !(quantity.factor > 0.0) || !std::isfinite(quantity.factor))
        return Units();
    read = true;
    exponents = quantity.exponents;
    Units units;
    for (Dimension dimension : qzUnitSystem::dimensionsOf(quantity.exponents)) {
        const double siFactor = qzUnitSystem::siFactor(dimension);
        if (siFactor > 0.0)
            units.append(unitOfFactor(dimension, quantity.factor / siFactor));
    }
    return units;
}

// A unit text read in \a dimension, or in the dimension that it names alone
// or that a preference chooses.
UnitReading readUnit(const Index& index, const QString& text, Dimension dimension, bool keepAll)
{
    UnitReading reading;
    const QString trimmed = text.trimmed();
    // The tables' own texts first, so that a text spelling a row means that row.
    Units units = index.exact.contains(trimmed) ? rowsOf(index.exact.value(trimmed)) : Units();
    Units inDimension;
    const QString spelling = unitSpelling(trimmed);
    qzUnitExponents exponents;
    bool isCompound = false;
    for (int pass = 0; pass < 3; ++pass) {
        if (pass > 0) {
            const Units more = pass == 1 ? lookUp(index, spelling, 0) : compound(index, spelling, exponents, isCompound);
            for (const qzUnitParser::Unit& unit : more) {
                const bool seen = std::any_of(units.cbegin(), units.cend(), [&unit](const qzUnitParser::Unit& u) {
                    return u.dimension == unit.dimension;
                });
                if (!seen)
                    units.append(unit);
            }
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
        if (units.isEmpty() && isCompound) {
            reading.error = qzUnitParser::NoCataloguedDimension;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is of the physical dimension %2, which no dimension of the library has"))
                                  .arg(trimmed, exponents.toString());
        } else if (units.isEmpty()) {
            reading.error = qzUnitParser::UnknownUnit;
            reading.message = dimension == qzUnitSystem::Undefined
                ? translated(QT_TRANSLATE_NOOP("qzUnitValue", "unknown unit '%1'")).arg(trimmed)
                : translated(QT_TRANSLATE_NOOP("qzUnitValue", "unknown unit '%1' for %2")).arg(trimmed, qzUnitSystem::dimensionKey(dimension));
            const QStringList close = suggestions(index, trimmed, dimension);
            if (!close.isEmpty())
                reading.message += translated(QT_TRANSLATE_NOOP("qzUnitValue", "; did you mean %1?")).arg(close.join(QLatin1String(", ")));
        } else {
            QStringList names;
            for (const qzUnitParser::Unit& unit : units)
                names.append(qzUnitCatalogue::table(unit.dimension).dimensionName());
            reading.error = qzUnitParser::WrongDimension;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' is a unit of %2, not of %3"))
                                  .arg(trimmed, names.join(QLatin1String(", ")),
                                       qzUnitCatalogue::table(dimension).dimensionName());
        }
        return reading;
    }
    if (inDimension.size() > 1 && !keepAll) {
        QVector<Dimension> dimensions;
        for (const qzUnitParser::Unit& unit : inDimension)
            dimensions.append(unit.dimension);
        const Dimension choice = qzUnitParser::preferred(dimensions);
        if (choice == qzUnitSystem::Undefined) {
            reading.error = qzUnitParser::AmbiguousUnit;
            reading.message = translated(QT_TRANSLATE_NOOP("qzUnitValue", "ambiguous unit '%1': %2")).arg(trimmed, qzUnitSystem::dimensionKeys(dimensions));
            return reading;
        }
        std::stable_partition(inDimension.begin(), inDimension.end(),
                              [choice](const qzUnitParser::Unit& unit) { return unit.dimension == choice; });
        reading.settled = true;
    }
    reading.units = inDimension;
    return reading;
}

// ---- Numbers ---------------------------------------------------------------

bool isDigit(QChar c)
{
    return qzUnitNumberReader::isDigit(c);
}

using Number = qzUnitNumberReader::Number;

Number readNumber(const QString& text, int position, const QLocale& locale)
{
    return qzUnitNumberReader(locale).read(text, position);
}

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
    return unitSpelling(text);
}

QVector<qzUnitParser::Unit> qzUnitParser::units(const QString& text, qzUnitSystem::Dimension dimension, Error* error,
                                                QString* message)
{
    const std::shared_ptr<const Index> current = index();
    const UnitReading reading = readUnit(*current, text, dimension, true);
    if (error)
        *error = reading.error;
    if (message)
        *message = reading.message;
    Units units = reading.units;
    if (units.size() > 1) {
        QVector<Dimension> dimensions;
        for (const Unit& unit : units)
            dimensions.append(unit.dimension);
        const Dimension choice = qzUnitParser::preferred(dimensions);
        std::stable_partition(units.begin(), units.end(), [choice](const Unit& unit) { return unit.dimension == choice; });
    }
    return units;
}

qzUnitParser::Result qzUnitParser::parse(const QString& text, const QLocale& locale, qzUnitSystem::Dimension dimension)
{
    const QString typed = mappedText(text);
    int position = 0;
    while (position < typed.size() && typed.at(position) == QLatin1Char(' '))
        ++position;
    std::shared_ptr<const Index> current;
    Result result;
    Dimension sumDimension = dimension;
    double total = 0.0;
    Unit last;
    bool negative = false;
    for (int term = 0; position < typed.size(); ++term) {
        const Number number = readNumber(typed, position, locale);
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
            if (next >= 0 || dimension == qzUnitSystem::Undefined)
                return failure(NoUnit, translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1' has no unit")).arg(text));
            // A bare number is taken in the dimension's view unit.
            qzUnitSystem::globalUnitSystem();
            const int view = qzUnitSystem::viewUnitIndex(dimension);
            result.value = qzUnitValue(dimension, number.value, qzUnitCatalogue::table(dimension).contains(view) ? view : 0);
            return result;
        }
        if (!current)
            current = index();
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
    return result;
}
