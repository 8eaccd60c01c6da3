#include "qzUnitSpellings.h"

#include "qzUnitCatalogue.h"
#include "qzUnitCompoundReader.h"
#include "qzUnitNames.h"
#include "qzUnitNumberReader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

using Dimension = qzUnitSystem::Dimension;

constexpr char16_t MicroSign = 0x00B5;
constexpr char16_t MiddleDot = 0x00B7;

int superscriptDigit(QChar c)
{
    return qzUnitNumberReader::superscriptDigit(c);
}

struct Prefix
{
    const char* symbol;
    double factor;
};

// Peta and above are left out: "PA" is a mistyped pascal, never 1e15 A.
const Prefix Prefixes[] = {
    {"da", 1e1}, {"T", 1e12}, {"G", 1e9}, {"M", 1e6},
    {"k", 1e3}, {"h", 1e2}, {"d", 1e-1}, {"c", 1e-2}, {"m", 1e-3}, {"\u00B5", 1e-6}, {"u", 1e-6},
    {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"a", 1e-18},
};

// The units that take SI prefixes: "mN" and "GPa" are read, "kft" is not.
// Not the byte, whose rows count in powers of two.
const char* const PrefixedUnits[] = {"m", "g", "s", "A", "K", "N", "Pa", "J", "W", "V", "Hz", "T", "eV", "bar", "l", "L", "Wh"};
// Of those, the units that take mega and above; on the others a capital M
// is a mistyped milli ("Mm", "Ms", "ML", "Mbar" are refused). The megagram
// is the tonne.
const char* const LargeUnits[] = {"N", "Pa", "J", "W", "V", "Hz", "T", "eV", "Wh"};

bool takesPrefix(const char* unit, const Prefix& prefix)
{
    if (prefix.factor < 1e6)
        return true;
    if (qstrcmp(unit, "g") == 0)
        return prefix.factor == 1e6;
    return std::any_of(std::begin(LargeUnits), std::end(LargeUnits), [unit](const char* large) { return qstrcmp(unit, large) == 0; });
}

// A name as case-insensitive lookup may take it: three or more letters, no digits.
bool isName(const QString& spelling)
{
    int letters = 0;
    for (QChar c : spelling) {
        if (c.isDigit())
            return false;
        letters += c.isLetter() ? 1 : 0;
    }
    return letters >= 3;
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

// Texts that change with the loaded translation; the index is rebuilt when they do.
QString translationKey()
{
    return QCoreApplication::translate("qzUnitLength", "Length") + QCoreApplication::translate("qzUnitLength", "Meter")
        + QCoreApplication::translate("qzUnitValue", "unknown unit '%1'");
}

// A standard mutex: its locking is visible to the thread sanitizer, which
// cannot see into an uninstrumented QtCore.
std::mutex indexMutex;
std::shared_ptr<const qzUnitSpellings> currentIndex;

// Whether \a out ends in the digits of a power: "m^2", not "2".
bool afterPower(const QString& out)
{
    int i = int(out.size());
    while (i > 0 && (out.at(i - 1).isDigit() || out.at(i - 1) == QLatin1Char('-')))
        --i;
    return i > 0 && i < out.size() && out.at(i - 1) == QLatin1Char('^');
}

} // namespace

std::shared_ptr<const qzUnitSpellings> qzUnitSpellings::current()
{
    const QString translation = translationKey();
    const std::lock_guard<std::mutex> locker(indexMutex);
    // Readers keep the index they got, so a rebuild never pulls it from under them.
    if (!currentIndex || currentIndex->m_translation != translation) {
        auto index = std::make_shared<qzUnitSpellings>();
        index->m_translation = translation;
        index->build();
        currentIndex = index;
    }
    return currentIndex;
}

// ---- Look-alike characters -------------------------------------------------

QChar qzUnitSpellings::mapped(QChar c)
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
        // Full-width forms, which East Asian input methods type: "１２ ｍｍ".
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            return QChar(char16_t(c.unicode() - 0xFEE0));
        return c;
    }
}

bool qzUnitSpellings::isOperator(QChar c)
{
    return c == QChar(MiddleDot) || c == QLatin1Char('/') || c == QLatin1Char('^') || c == QLatin1Char('(')
        || c == QLatin1Char(')');
}

QString qzUnitSpellings::mappedText(const QString& text)
{
    QString result(text);
    for (QChar& c : result)
        c = mapped(c);
    return result;
}

QString qzUnitSpellings::normalized(const QString& text)
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
        } else if (c == QLatin1Char('.') && !out.isEmpty() && (!out.back().isDigit() || (afterPower(out) && i + 1 < n && text.at(i + 1).isLetter()))) {
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
        // A unit glued to a power is a product ("m²K", "m2K").
        if (c.isLetter() && !out.isEmpty() && out.back().isDigit() && out.lastIndexOf(QLatin1Char('^')) >= 0) {
            const QString tail = out.mid(out.lastIndexOf(QLatin1Char('^')) + 1);
            if (std::all_of(tail.cbegin(), tail.cend(), [](QChar d) { return d.isDigit() || d == QLatin1Char('-'); }))
                out.append(QChar(MiddleDot));
        }
        // Digits glued to a unit are its power ("m2", "s-1").
        const bool afterUnit = !out.isEmpty() && (out.back().isLetter() || out.back() == QLatin1Char(')'));
        if (afterUnit && (c.isDigit() || (c == QLatin1Char('-') && i + 1 < n && text.at(i + 1).isDigit())))
            out.append(QLatin1Char('^'));
        out.append(c);
    }
    return out;
}

// ---- Building the index ----------------------------------------------------

void qzUnitSpellings::add(QHash<QString, Entries>& hash, const QString& key, Entry entry)
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

void qzUnitSpellings::build()
{
    QHash<QString, Entries> symbols; // lower case, for the names' clashes
    for (Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitTable* table = qzUnitCatalogue::find(dimension);
        for (int row = 0; table && row < table->count; ++row) {
            const Entry entry{dimension, row};
            const QString symbol = table->symbol(row);
            const QString name = table->name(row);
            const QString english = table->englishName(row);
            add(m_exact, symbol, entry);
            add(m_exact, name, entry);
            add(m_exact, english, entry);
            add(symbols, normalized(symbol).toLower(), entry);
            QStringList names{name};
            if (!english.isEmpty())
                names += qzUnitNames::variants(english);
            add(m_spelled, normalized(symbol), entry);
            for (const QString& spelling : names) {
                add(m_spelled, normalized(spelling), entry);
                if (isName(spelling))
                    add(m_names, normalized(spelling).toLower(), entry);
            }
            m_suggestions.append({symbol, normalized(symbol).toLower(), dimension});
            if (!english.isEmpty())
                m_suggestions.append({english, normalized(english).toLower(), dimension});
        }
    }
    addInflections();
    // A name in any case stands for one unit only, and never for another unit's symbol.
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
        const Entries& entries = it.value();
        const auto same = [](const Entry& a, const Entry& b) { return a.dimension == b.dimension && a.row == b.row; };
        for (const Entry& a : entries + symbols.value(it.key())) {
            for (const Entry& b : entries) {
                if (a.dimension == b.dimension && a.row != b.row)
                    m_clashes.insert(it.key());
            }
            if (std::none_of(entries.cbegin(), entries.cend(), [&](const Entry& b) { return same(a, b); }))
                m_clashes.insert(it.key());
        }
    }
    for (const qzUnitAlias* alias = qzUnitAliases::begin(); alias != qzUnitAliases::begin() + qzUnitAliases::count(); ++alias) {
        const QString text = QString::fromUtf8(alias->text);
        m_aliases.insert(normalized(text), alias);
        if (!alias->target) {
            const QString key = normalized(text).toLower();
            m_refused.insert(key, alias);
            m_refusedLength.first = m_refused.size() == 1 ? key.size() : std::min(m_refusedLength.first, int(key.size()));
            m_refusedLength.second = std::max(m_refusedLength.second, int(key.size()));
        }
        // Not where a capital is a prefix: "mpsi" is no "Mpsi".
        const bool largePrefix = text.startsWith(QLatin1Char('M')) || text.startsWith(QLatin1Char('G')) || text.startsWith(QLatin1Char('T'));
        if (text.size() >= 4 && isName(text) && !symbols.contains(text.toLower()) && !(largePrefix && text.at(1).isLower()))
            m_foldedAliases.insert(normalized(text).toLower(), alias);
    }
    // What the aliases read as, for suggestions within a dimension.
    for (const qzUnitAlias* alias = qzUnitAliases::begin(); alias != qzUnitAliases::begin() + qzUnitAliases::count(); ++alias) {
        const QString text = QString::fromUtf8(alias->text);
        for (const qzUnitParser::Unit& unit : lookUp(normalized(text)))
            m_suggestions.append({text, normalized(text).toLower(), unit.dimension});
    }
    // Symbols that read as other physics than their row, as "(kg·m²)/s²" of a
    // power does; the tables write degrees in a compound as "C" and "R".
    static const QRegularExpression degrees(QStringLiteral("(?<=[\u00B7/(])([CFR])(?=[\u00B7/)^]|$)"));
    for (auto it = m_exact.cbegin(); it != m_exact.cend(); ++it) {
        qzUnitCompoundReader::Quantity quantity;
        const QString symbol = normalized(it.key());
        if (!qzUnitCompoundReader(*this, symbol).read(quantity)
            && !qzUnitCompoundReader(*this, QString(symbol).replace(degrees, QStringLiteral("\u00B0\\1"))).read(quantity))
            continue;
        for (const Entry& entry : it.value()) {
            if (qzUnitSystem::exponents(entry.dimension) != quantity.exponents)
                m_foreign.insert(qMakePair(int(entry.dimension), entry.row));
            else if (!m_shapes.value(entry.dimension).contains(quantity.shape))
                m_shapes[entry.dimension].append(quantity.shape);
        }
    }
}

void qzUnitSpellings::addInflections()
{
    // English plurals are the name variants; these are for a loaded translation.
    if (QCoreApplication::translate("qzUnitLength", "Length") == QLatin1String("Length"))
        return;
    QHash<QString, Entries> forms;
    QSet<QString> twice;
    for (Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitTable* table = qzUnitCatalogue::find(dimension);
        for (int row = 0; table && row < table->count; ++row) {
            const QString name = table->name(row);
            if (!isName(name))
                continue;
            // Of several words the first is inflected: "Degrés Celsius", "Metros por segundo".
            const int blank = name.indexOf(QLatin1Char(' '));
            const QString rest = blank < 0 ? QString() : name.mid(blank);
            const QString head = blank < 0 ? name : name.left(blank);
            QStringList heads = QStringList(head) + qzUnitNames::inflections(head);
            // Swiss German writes no sharp s: "Fuss" for "Fuß".
            for (int i = 0, n = int(heads.size()); i < n; ++i) {
                if (heads.at(i).contains(QChar(0x00DF)))
                    heads.append(QString(heads.at(i)).replace(QChar(0x00DF), QLatin1String("ss")));
            }
            for (const QString& form : heads) {
                const QString key = normalized(form + rest);
                if (forms.contains(key) && forms.value(key).first().row != row)
                    twice.insert(key);
                add(forms, key, Entry{dimension, row});
            }
        }
    }
    for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
        if (twice.contains(it.key()) || m_spelled.contains(it.key()) || m_names.contains(it.key().toLower()))
            continue;
        for (const Entry& entry : it.value()) {
            add(m_spelled, it.key(), entry);
            add(m_names, it.key().toLower(), entry);
        }
    }
}

// ---- Looking up ------------------------------------------------------------

qzUnitSpellings::Units qzUnitSpellings::rowsOf(const Entries& entries)
{
    Units units;
    for (const Entry& entry : entries)
        units.append(qzUnitParser::Unit{entry.dimension, entry.row, 1.0, true});
    return units;
}

qzUnitSpellings::Units qzUnitSpellings::exact(const QString& text) const
{
    return rowsOf(m_exact.value(text));
}

bool qzUnitSpellings::isForeign(Dimension dimension, int row) const
{
    return m_foreign.contains(qMakePair(int(dimension), row));
}

const qzUnitAlias* qzUnitSpellings::refused(const QString& spelling) const
{
    // In any case: refusing is never wrong. Most units are too short or too
    // long to be one, which spares the lower-case copy.
    if (spelling.size() < m_refusedLength.first || spelling.size() > m_refusedLength.second)
        return nullptr;
    return m_refused.value(spelling.toLower());
}

// "mN", "GPa", "µs": an SI prefix, in its exact case, on a unit that takes one.
qzUnitSpellings::Units qzUnitSpellings::prefixed(const QString& spelling) const
{
    for (const Prefix& prefix : Prefixes) {
        const QString symbol = QString::fromUtf8(prefix.symbol);
        if (!spelling.startsWith(symbol) || spelling.size() == symbol.size())
            continue;
        const QString rest = spelling.mid(symbol.size());
        for (const char* unit : PrefixedUnits) {
            if (rest == QLatin1String(unit) && takesPrefix(unit, prefix))
                return scaled(m_spelled.contains(rest) ? rowsOf(m_spelled.value(rest)) : lookUp(rest, 1), prefix.factor);
        }
    }
    return Units();
}

qzUnitSpellings::Units qzUnitSpellings::lookUp(const QString& spelling, int depth) const
{
    const auto spelled = m_spelled.constFind(spelling);
    if (spelled != m_spelled.cend())
        return rowsOf(*spelled);
    const qzUnitAlias* alias = m_aliases.value(spelling);
    if (!alias && depth == 0)
        alias = m_foldedAliases.value(spelling.toLower());
    if (alias && alias->target && depth < 2) {
        const QString target = normalized(QString::fromUtf8(alias->target));
        Units units = lookUp(target, depth + 1);
        qzUnitCompoundReader::Quantity quantity;
        if (units.isEmpty() && qzUnitCompoundReader(*this, target).read(quantity))
            units = quantity.units();
        units = scaled(units, alias->factor);
        for (qzUnitParser::Unit& unit : units)
            unit.isRow = false; // an alias is no row's own text
        return units;
    }
    if (alias)
        return Units();
    Units units = prefixed(spelling);
    if (!units.isEmpty() || depth > 0)
        return units;
    // A name in any case, where no symbol and no other unit is spelled so.
    const QString lower = spelling.toLower();
    if (isName(spelling) && !m_clashes.contains(lower) && m_names.contains(lower))
        return rowsOf(m_names.value(lower));
    return prefixedName(lower);
}

// "kilowatt", "gigapascals": the names of a prefix and of a unit that takes it.
qzUnitSpellings::Units qzUnitSpellings::prefixedName(const QString& lower) const
{
    static const char* const prefixes[][2] = {{"tera", "T"}, {"giga", "G"}, {"mega", "M"}, {"kilo", "k"}, {"hecto", "h"},
                                              {"deca", "da"}, {"deka", "da"}, {"deci", "d"}, {"centi", "c"}, {"milli", "m"},
                                              {"micro", "\u00B5"}, {"nano", "n"}, {"pico", "p"}};
    static const char* const units[][2] = {{"meter", "m"}, {"metre", "m"}, {"gram", "g"}, {"second", "s"}, {"ampere", "A"},
                                           {"kelvin", "K"}, {"newton", "N"}, {"pascal", "Pa"}, {"joule", "J"}, {"watt", "W"},
                                           {"volt", "V"}, {"hertz", "Hz"}, {"bar", "bar"}, {"liter", "l"}, {"litre", "l"}};
    for (const auto& prefix : prefixes) {
        if (!lower.startsWith(QLatin1String(prefix[0])))
            continue;
        QString rest = lower.mid(int(qstrlen(prefix[0])));
        if (rest.endsWith(QLatin1Char('s')) && rest != QLatin1String("hertz"))
            rest.chop(1);
        for (const auto& unit : units) {
            if (rest == QLatin1String(unit[0]))
                return prefixed(QString::fromUtf8(prefix[1]) + QLatin1String(unit[1]));
        }
    }
    return Units();
}

qzUnitSystem::Dimension qzUnitSpellings::shapedAs(const QMap<int, int>& shape, const QVector<Dimension>& dimensions) const
{
    Dimension found = qzUnitSystem::Undefined;
    for (Dimension dimension : dimensions) {
        if (m_shapes.value(dimension).contains(shape)) {
            if (found != qzUnitSystem::Undefined)
                return qzUnitSystem::Undefined;
            found = dimension;
        }
    }
    return found;
}

QStringList qzUnitSpellings::suggestions(const QString& text, Dimension dimension) const
{
    const QString lower = normalized(text).toLower();
    if (lower.size() > 40)
        return QStringList(); // no unit is spelled that long; comparing would only cost time
    const int limit = std::max(1, int(lower.size()) / 3);
    struct Found
    {
        int distance;
        bool preferred;
        QString text;
    };
    QVector<Found> found;
    for (const Suggestion& candidate : m_suggestions) {
        if ((dimension != qzUnitSystem::Undefined && candidate.dimension != dimension)
            || std::abs(int(candidate.folded.size()) - int(lower.size())) > limit)
            continue;
        const int distance = editDistance(lower, candidate.folded);
        const bool known = std::any_of(found.cbegin(), found.cend(), [&candidate](const Found& f) { return f.text == candidate.text; });
        if (distance <= limit && !known) {
            const bool preferred = qzUnitSystem::dimensionsOf(qzUnitSystem::exponents(candidate.dimension)).value(0) == candidate.dimension;
            found.append({distance, preferred, candidate.text});
        }
    }
    // The closest first; among equals, units of the dimension its physics prefers.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.preferred && !b.preferred;
    });
    QStringList result;
    // The same letters in another case first ("PA": "Pa"), then the prefix in
    // the other case: "Mm" is most likely "mm", "ML" "mL".
    for (int i = 0; i < found.size() && found.at(i).distance == 0 && result.size() < 3; ++i)
        result.append(QStringLiteral("'%1'").arg(found.at(i).text));
    QString swapped = normalized(text);
    if (!swapped.isEmpty()) {
        swapped[0] = swapped.at(0).isUpper() ? swapped.at(0).toLower() : swapped.at(0).toUpper();
        const Units units = prefixed(swapped);
        if (std::any_of(units.cbegin(), units.cend(), [dimension](const qzUnitParser::Unit& unit) {
                return dimension == qzUnitSystem::Undefined || unit.dimension == dimension;
            }) && !result.contains(QStringLiteral("'%1'").arg(swapped))) {
            result.append(QStringLiteral("'%1'").arg(swapped));
        }
    }
    for (int i = 0; i < found.size() && result.size() < 3; ++i) {
        if (!result.contains(QStringLiteral("'%1'").arg(found.at(i).text)))
            result.append(QStringLiteral("'%1'").arg(found.at(i).text));
    }
    return result;
}

// ---- Factors ---------------------------------------------------------------

double qzUnitSpellings::definedFactor(Dimension dimension, int row)
{
    if (qzUnitCatalogue::converted(dimension, row, 0, 0.0) != 0.0)
        return qQNaN(); // an offset (degrees Celsius) or no factor at all (hardness scales)
    return qzUnitSystem::physicalFactor(dimension, row);
}

double qzUnitSpellings::definedFactor(const qzUnitParser::Unit& unit)
{
    return unit.factor * definedFactor(unit.dimension, unit.unitIndex);
}

bool qzUnitSpellings::keepsDefinedFactor(Dimension dimension, int row)
{
    const double defined = qzUnitSystem::physicalFactor(dimension, row);
    return std::fabs(qzUnitSystem::keptFactor(dimension, row) - defined) <= 1e-6 * std::fabs(defined);
}

qzUnitParser::Unit qzUnitSpellings::unitOfFactor(Dimension dimension, double factor)
{
    const qzUnitTable& table = qzUnitCatalogue::table(dimension);
    int near = -1;
    for (int row = 0; row < table.count; ++row) {
        if (qzUnitCatalogue::converted(dimension, row, 0, 0.0) != 0.0)
            continue;
        if (!keepsDefinedFactor(dimension, row))
            continue; // a row whose symbol means another factor than it converts with
        const double kept = qzUnitSystem::keptFactor(dimension, row);
        const double defined = qzUnitSystem::physicalFactor(dimension, row);
        const double difference = std::fabs(kept - factor);
        if (difference <= 1e-12 * std::fabs(factor))
            return qzUnitParser::Unit{dimension, row, 1.0, false};
        // The row of this very unit, whose kept factor differs within the rounding of history.
        if (near < 0 && qzUnitSystem::keepsFactor(dimension, row) && difference <= 1e-6 * std::fabs(factor)
            && std::fabs(defined - factor) <= 1e-12 * std::fabs(factor))
            near = row;
    }
    return near >= 0 ? qzUnitParser::Unit{dimension, near, 1.0, false} : qzUnitParser::Unit{dimension, 0, factor, false};
}

qzUnitSpellings::Units qzUnitSpellings::scaled(const Units& units, double factor)
{
    if (factor == 1.0)
        return units;
    Units result;
    for (const qzUnitParser::Unit& unit : units) {
        const double toZero = definedFactor(unit);
        if (std::isfinite(toZero))
            result.append(unitOfFactor(unit.dimension, toZero * factor));
    }
    return result;
}
