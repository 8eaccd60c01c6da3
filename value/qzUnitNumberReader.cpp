#include "qzUnitNumberReader.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QVector>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

using Error = qzUnitParser::Error;

bool isDigit(QChar c)
{
    return qzUnitNumberReader::isDigit(c);
}

// The group separators people type for the one a locale writes: any blank
// for the (narrow) no-break space, a straight apostrophe for the curly one.
QChar lookAlike(QChar c)
{
    switch (c.unicode()) {
    case 0x00A0:
    case 0x2007:
    case 0x2009:
    case 0x202F:
        return QLatin1Char(' ');
    case 0x2019:
    case 0x2032:
        return QLatin1Char('\'');
    default:
        return c;
    }
}

bool isSign(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('+') || c.unicode() == 0x2212;
}

bool isFractionBar(QChar c)
{
    return c == QLatin1Char('/') || c.unicode() == 0x2044;
}

// A letter x as well: "2x10^3" is typed where no multiplication sign is at hand.
bool isTimes(QChar c)
{
    return c == QLatin1Char('*') || c == QLatin1Char('x') || c.unicode() == 0x00B7 || c.unicode() == 0x00D7 || c.unicode() == 0x22C5;
}

// The value of a vulgar fraction ("½", "⅜"); negative for other characters.
double vulgar(QChar c)
{
    // U+2150 to U+215E in their order: 1/7, 1/9, 1/10, 1/3, 2/3, 1/5 ... 7/8.
    static const unsigned char fractions[][2] = {{1, 7}, {1, 9}, {1, 10}, {1, 3}, {2, 3}, {1, 5}, {2, 5}, {3, 5},
                                                 {4, 5}, {1, 6}, {5, 6}, {1, 8}, {3, 8}, {5, 8}, {7, 8}};
    const char16_t u = c.unicode();
    if (u >= 0x2150 && u <= 0x215E)
        return double(fractions[u - 0x2150][0]) / double(fractions[u - 0x2150][1]);
    switch (u) {
    case 0x00BC: return 0.25;
    case 0x00BD: return 0.5;
    case 0x00BE: return 0.75;
    case 0x2189: return 0.0;
    default: return -1.0;
    }
}

int digitsFrom(const QString& text, int i)
{
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    return i;
}

// Exactly three digits at \a i that no digit or fraction bar follows: a
// group after a blank or an apostrophe, not "1 1/2" or "5' 10".
bool groupFollows(const QString& text, int i)
{
    const int end = digitsFrom(text, i);
    return end - i == 3 && (end == text.size() || !isFractionBar(text.at(end)));
}

// Digits to a double: C syntax in ASCII, no locale involved.
Error toDouble(const std::string& ascii, double& value)
{
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too close to zero: the mantissa's magnitude and the exponent tell which.
        const size_t e = ascii.find('e');
        double mantissa = 0.0;
        const auto head = std::from_chars(first, e == std::string::npos ? last : first + e, mantissa);
        const long exponent = e == std::string::npos ? 0 : std::strtol(ascii.c_str() + e + 1, nullptr, 10);
        const bool large = head.ec == std::errc::result_out_of_range ? mantissa == 0.0 || e == std::string::npos
                                                                     : std::log10(mantissa) + double(exponent) > 0.0;
        value = large ? qInf() : 0.0;
        return qzUnitParser::NumberOutOfRange;
    }
    return (result.ec == std::errc() && result.ptr == last) ? qzUnitParser::NoError : qzUnitParser::NoNumber;
}

// An exponent at \a i: "e-3", "E+07", "×10³" or "·10^-7" (Swedish numbers
// are written so). Appends it to \a ascii as "e-3" and returns its end; \a i
// when there is none, as in "3 eV" or "2 × 10 mm".
int readExponent(const QString& text, int i, std::string& ascii)
{
    const int n = text.size();
    int j = i;
    bool superscript = false;
    if (j < n && (text.at(j) == QLatin1Char('e') || text.at(j) == QLatin1Char('E'))) {
        ++j;
    } else {
        while (j < n && text.at(j) == QLatin1Char(' '))
            ++j;
        if (j >= n || !isTimes(text.at(j)))
            return i;
        ++j;
        while (j < n && text.at(j) == QLatin1Char(' '))
            ++j;
        if (j + 2 >= n || text.at(j) != QLatin1Char('1') || text.at(j + 1) != QLatin1Char('0'))
            return i;
        j += 2;
        superscript = text.at(j) != QLatin1Char('^');
        if (!superscript)
            ++j;
    }
    std::string exponent = "e";
    const QChar sign = j < n ? text.at(j) : QChar();
    if (superscript ? (sign.unicode() == 0x207B || sign.unicode() == 0x207A) : isSign(sign)) {
        exponent += (sign == QLatin1Char('+') || sign.unicode() == 0x207A) ? '+' : '-';
        ++j;
    }
    const int digits = j;
    for (; j < n; ++j) {
        const int digit = superscript ? qzUnitNumberReader::superscriptDigit(text.at(j)) : (isDigit(text.at(j)) ? text.at(j).unicode() - '0' : -1);
        if (digit < 0)
            break;
        exponent += char('0' + digit);
    }
    if (j == digits)
        return i;
    ascii += exponent;
    return j;
}

// After the whole number \a value in [start, i): " 1/2", "-1/2", "/8" or a vulgar
// fraction, with or without a blank. Returns the end; \a i when none follows.
int readFraction(const QString& text, int start, int i, double& value, Error& error)
{
    const int n = text.size();
    int j = i;
    while (j < n && text.at(j) == QLatin1Char(' '))
        ++j;
    if (j < n && vulgar(text.at(j)) >= 0.0) {
        value += vulgar(text.at(j));
        return j + 1;
    }
    // "3/8", or after a blank or a hyphen the fraction of a mixed number: "1 1/2", "1-1/2".
    if (j == i && j + 1 < n && text.at(j) == QLatin1Char('-') && isDigit(text.at(j + 1)))
        ++j;
    const bool mixed = j > i;
    const int numerator = mixed ? j : start;
    const int bar = digitsFrom(text, numerator);
    if (bar == numerator || bar + 1 >= n || !isFractionBar(text.at(bar)) || !isDigit(text.at(bar + 1)))
        return i;
    const int end = digitsFrom(text, bar + 1);
    double top = 0.0;
    double bottom = 0.0;
    error = toDouble(text.mid(numerator, bar - numerator).toStdString(), top);
    if (error == qzUnitParser::NoError)
        error = toDouble(text.mid(bar + 1, end - bar - 1).toStdString(), bottom);
    if (error == qzUnitParser::NoError && bottom == 0.0)
        error = qzUnitParser::DivisionByZero;
    if (error != qzUnitParser::NoError)
        return i;
    value = (mixed ? value : 0.0) + top / bottom;
    return end;
}

// Whether [start, end) is digits and points, the first group of one to three
// digits not starting with 0 and every point followed by three digits: "1.250".
bool pointGroups(const QString& text, int start, int end)
{
    if (start >= end || text.at(start) == QLatin1Char('0'))
        return false;
    int group = 0;
    bool first = true;
    for (int k = start; k < end; ++k) {
        if (isDigit(text.at(k))) {
            ++group;
        } else if (text.at(k) == QLatin1Char('.') && (first ? group >= 1 && group <= 3 : group == 3)) {
            first = false;
            group = 0;
        } else {
            return false;
        }
    }
    return !first && group == 3;
}

// Whether the digits of inches glued to a foot mark end at \a i with their
// decimals or fraction and an inch mark: "5'3\"", "5'3.5 in", "5'3 1/2\"".
// Without one, "12'34 mm" is no length in feet but a misplaced separator.
bool inchesFollow(const QString& text, int i)
{
    static const QRegularExpression inches(QStringLiteral("^(?:[.,]\\d+)?(?:[ -]?\\d+/\\d+|[ ]?[\u00BC-\u00BE\u2150-\u215E])?"
                                                          " *(?:\"|''|in\\b|inch)"));
    return inches.match(text.mid(i, 32)).hasMatch(); // a bounded look, for long pastes
}

} // namespace

// Where the locale's own formatting groups otherwise than in threes.
struct qzUnitNumberReader::Grouping
{
    bool indian = false;   // "12,34,567" besides "1,234,567"
    bool leadFour = false; // "1234.567": a first group of four, as some locales write seven digits
};

qzUnitNumberReader::qzUnitNumberReader(const QLocale& locale)
    : m_locale(locale), m_isC(locale.language() == QLocale::C)
{
    // QChar in Qt 5, QString in Qt 6: the first character either way.
    const QString decimal(locale.decimalPoint());
    const QString group(locale.groupSeparator());
    m_decimal = m_isC || decimal.isEmpty() ? QChar(QLatin1Char('.')) : lookAlike(decimal.at(0));
    m_group = m_isC || group.isEmpty() ? QChar() : lookAlike(group.at(0));
}

qzUnitNumberReader::Grouping qzUnitNumberReader::grouping() const
{
    Grouping grouping;
    const QString probe = m_locale.toString(qlonglong(1234567));
    QVector<int> runs{0};
    for (const QChar c : probe) {
        if (lookAlike(c) == m_group)
            runs.append(0);
        else
            ++runs.last();
    }
    grouping.leadFour = runs.size() == 2 && runs.first() == 4;
    grouping.indian = (runs.size() == 3 && runs.at(1) == 2) || m_locale.name().endsWith(QLatin1String("_IN"));
    return grouping;
}

// The C reading: digits with at most one decimal point.
bool qzUnitNumberReader::cReading(const QString& text, int start, int end, std::string& ascii) const
{
    bool point = false;
    for (int i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.') && !point)
            point = true;
        else if (!isDigit(c))
            return false;
        ascii += char(c.unicode());
    }
    return true;
}

// The locale's reading: its decimal separator once, and its group separator
// only between the digits before it, in groups of three (or as the locale
// groups) after a first group that does not start with 0.
bool qzUnitNumberReader::localeReading(const QString& text, int start, int end, std::string& ascii) const
{
    int first = -1;   // the size of the first group, once a separator closed it
    int size = 0;     // digits of the current group
    int last = -1;    // the size of the latest group after the first
    bool threes = true;
    bool indian = true;
    bool decimal = false;
    for (int i = start; i < end; ++i) {
        const QChar c = lookAlike(text.at(i));
        if (isDigit(c)) {
            ascii += char(c.unicode());
            ++size;
        } else if (c == m_decimal && !decimal) {
            decimal = true;
            ascii += '.';
            if (first < 0)
                continue;
            threes = threes && size == 3;
            indian = indian && (last < 0 || last == 2) && size == 3;
            last = size;
        } else if (c == m_group && !decimal) {
            if (first < 0) {
                if (size == 0 || text.at(start) == QLatin1Char('0'))
                    return false;
                first = size;
            } else {
                threes = threes && size == 3;
                indian = indian && (last < 0 || last == 2);
                last = size;
            }
            size = 0;
        } else {
            return false;
        }
    }
    if (first < 0)
        return true;
    if (!decimal) {
        threes = threes && size == 3;
        indian = indian && (last < 0 || last == 2) && size == 3;
    }
    if (threes && first <= 3)
        return true;
    // Only now ask how the locale groups: that costs a formatting.
    const Grouping locale = grouping();
    return (threes && first == 4 && locale.leadFour) || (indian && locale.indian && first <= 2);
}

// The digits and separators from \a i on that make one number before any
// exponent: points and commas before a digit (a point also after one), and
// the locale's blank or apostrophe only where it starts a group of three.
qzUnitNumberReader::Digits qzUnitNumberReader::scan(const QString& text, int i) const
{
    Digits digits;
    digits.start = i;
    const int n = text.size();
    bool point = false; // no blank or apostrophe groups after a point or comma
    for (; i < n; ++i) {
        const QChar c = lookAlike(text.at(i));
        const bool afterDigit = i > digits.start && isDigit(text.at(i - 1));
        if (isDigit(c)) {
            digits.any = true;
            continue;
        }
        if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == m_decimal) {
            if (!((i + 1 < n && isDigit(text.at(i + 1))) || (c == QLatin1Char('.') && afterDigit)))
                break;
            point = true;
            digits.points += c == QLatin1Char('.') ? 1 : 0;
            digits.decimals += c == m_decimal ? 1 : 0;
        } else if (!(c == m_group && (c == QLatin1Char(' ') || c == QLatin1Char('\'')) && afterDigit && !point
                     && groupFollows(text, i + 1))) {
            break;
        }
        digits.separated = true;
    }
    digits.end = i;
    return digits;
}

// An apostrophe at \a i that is no group separator is a foot mark ("5'3\""),
// unless three or more digits follow it ("1'234 mm": one foot and 234 mm,
// or 1234 mm?), digits and another apostrophe ("1'23'456") or digits that
// no inch mark follows ("12'34 mm"). Returns the
// end of such digits and apostrophes; \a i for a foot mark or none.
int qzUnitNumberReader::misplacedApostrophe(const QString& text, int i)
{
    const int n = text.size();
    if (i >= n || i == 0 || lookAlike(text.at(i)) != QLatin1Char('\'') || !isDigit(text.at(i - 1)))
        return i;
    int k = digitsFrom(text, i + 1);
    if (k - i <= 3 && !(k > i + 1 && k + 1 < n && lookAlike(text.at(k)) == QLatin1Char('\'') && isDigit(text.at(k + 1)))
        && (k == i + 1 || inchesFollow(text, k)))
        return i;
    while (k < n && (isDigit(text.at(k)) || lookAlike(text.at(k)) == QLatin1Char('\'')))
        ++k;
    return k;
}

// Why \a digits read in neither way.
qzUnitNumberReader::Problem qzUnitNumberReader::malformed(const QString& text, const Digits& digits) const
{
    if ((digits.points > 1 && m_group != QLatin1Char('.')) || (digits.decimals > 1 && m_decimal != QLatin1Char('.')))
        return TwoDecimalPoints;
    std::string ignored;
    const QString withPoint = text.mid(digits.start, digits.end - digits.start).replace(QLatin1Char(','), QLatin1Char('.'));
    if (m_decimal == QLatin1Char('.') && cReading(withPoint, 0, withPoint.size(), ignored))
        return DecimalComma;
    return Misplaced;
}

qzUnitNumberReader::Number qzUnitNumberReader::read(const QString& text, int position) const
{
    Number number;
    const int n = text.size();
    int i = position;
    bool negative = false;
    if (i < n && isSign(text.at(i)))
        negative = text.at(i++) != QLatin1Char('+');
    number.start = number.digitsEnd = i;
    const QChar first = i < n ? text.at(i).toLower() : QChar();
    for (const char* word : {"infinity", "inf", "nan"}) {
        const QLatin1String special(word);
        if (first == QLatin1Char(word[0]) && text.mid(i, special.size()).compare(special, Qt::CaseInsensitive) == 0
            && (i + special.size() == n || !text.at(i + special.size()).isLetter())) {
            const double magnitude = word[0] == 'n' ? qQNaN() : qInf();
            number.value = negative ? -magnitude : magnitude;
            number.end = i + special.size();
            return number;
        }
    }
    if (i < n && vulgar(text.at(i)) >= 0.0) {
        number.value = negative ? -vulgar(text.at(i)) : vulgar(text.at(i));
        number.end = i + 1;
        return number;
    }
    const Digits digits = scan(text, i);
    number.digitsEnd = digits.end;
    if (!digits.any) {
        number.error = qzUnitParser::NoNumber;
        return number;
    }
    i = digits.end;
    const int apostrophes = misplacedApostrophe(text, i);
    if (apostrophes > i) {
        const bool grouping = m_group == QLatin1Char('\'');
        number.error = grouping ? qzUnitParser::MalformedNumber : qzUnitParser::AmbiguousNumber;
        number.problem = grouping ? Misplaced : FootOrGroup;
        number.digitsEnd = apostrophes;
        return number;
    }
    std::string exponent;
    const int end = readExponent(text, i, exponent);
    std::string inC;
    std::string inLocale;
    const bool c = cReading(text, digits.start, i, inC);
    bool local = !m_isC && localeReading(text, digits.start, i, inLocale);
    // Where the comma is the decimal separator, a point before groups of
    // three digits is the thousands separator people write by hand, whatever
    // the locale's own is: French "1.250" is refused as German "1.250" is.
    if (c && !local && m_decimal == QLatin1Char(',') && pointGroups(text, digits.start, i)) {
        inLocale.clear();
        for (int k = digits.start; k < i; ++k) {
            if (text.at(k) != QLatin1Char('.'))
                inLocale += char(text.at(k).unicode());
        }
        local = true;
    }
    if (c && local && inC != inLocale) {
        QLocale plain(m_locale);
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        const std::string* readings[] = {&inC, &inLocale};
        for (int reading = 0; reading < 2; ++reading) {
            double value = 0.0;
            toDouble(*readings[reading] + exponent, value);
            number.readings[reading] = plain.toString(negative ? -value : value, 'g', QLocale::FloatingPointShortest);
        }
        number.error = qzUnitParser::AmbiguousNumber;
        number.problem = TwoReadings;
        return number;
    }
    if (!c && !local) {
        number.error = qzUnitParser::MalformedNumber;
        number.problem = malformed(text, digits);
        return number;
    }
    number.error = toDouble((c ? inC : inLocale) + exponent, number.value);
    number.end = end;
    if (number.error == qzUnitParser::NoError && !digits.separated && end == i)
        number.end = readFraction(text, digits.start, i, number.value, number.error);
    if (negative)
        number.value = -number.value;
    return number;
}

QString qzUnitNumberReader::message(const Number& number, const QString& text)
{
    const QString digits = text.mid(number.start, number.digitsEnd - number.start);
    const auto translated = [](const char* source) { return QCoreApplication::translate("qzUnitValue", source); };
    switch (number.problem) {
    case TwoReadings:
        return translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': '%2' can be read as %3 or as %4"))
            .arg(text, digits, number.readings[0], number.readings[1]);
    case FootOrGroup:
        return translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': the apostrophe in '%2' can be a foot mark or a thousands separator"))
            .arg(text, digits);
    case DecimalComma:
        return translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': the decimal comma is not read in this locale")).arg(text);
    case TwoDecimalPoints:
        return translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': '%2' has more than one decimal point")).arg(text, digits);
    case Misplaced:
        return translated(QT_TRANSLATE_NOOP("qzUnitValue", "'%1': the separators in '%2' do not form a number in this locale"))
            .arg(text, digits);
    case NoProblem:
        break;
    }
    return QString();
}

int qzUnitNumberReader::superscriptDigit(QChar c)
{
    switch (c.unicode()) {
    case 0x00B9: return 1;
    case 0x00B2: return 2;
    case 0x00B3: return 3;
    case 0x2070: return 0;
    default: return (c.unicode() >= 0x2074 && c.unicode() <= 0x2079) ? int(c.unicode() - 0x2070) : -1;
    }
}

bool qzUnitNumberReader::startsNumber(const QString& text, int position)
{
    const QChar c = text.at(position);
    return isDigit(c) || vulgar(c) >= 0.0
        || (c == QLatin1Char('.') && position + 1 < text.size() && isDigit(text.at(position + 1)));
}
