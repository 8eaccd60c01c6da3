#include "command.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMetaEnum>
#include <QTextStream>

qzUnitSystem::Dimension parseDimension(const QString& text)
{
    const qzUnitSystem::Dimension named = qzUnitSystem::dimensionFromString(text);
    if (named != qzUnitSystem::Undefined)
        return named;
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (isNumber && qzUnitSystem::getDimensions().contains(qzUnitSystem::Dimension(value)))
        return qzUnitSystem::Dimension(value);
    throw UserError{QCoreApplication::translate("qzunit", "unknown dimension '%1' (see qzunit dimensions)").arg(text)};
}

qzUnitSystem::UnitSystem parsePreset(const QString& text)
{
    // Compared by hand: QMetaEnum::keyToValue would also take "qzUnitSystem::SI".
    const QMetaEnum presets = QMetaEnum::fromType<qzUnitSystem::UnitSystem>();
    for (int i = 0; i < presets.keyCount(); ++i) {
        if (text == QLatin1String(presets.key(i)))
            return qzUnitSystem::UnitSystem(presets.value(i));
    }
    throw UserError{QCoreApplication::translate("qzunit", "unknown preset '%1' (one of %2)").arg(text, presetNames())};
}

QString presetNames()
{
    const QMetaEnum presets = QMetaEnum::fromType<qzUnitSystem::UnitSystem>();
    QStringList names;
    for (int i = 0; i < presets.keyCount(); ++i)
        names.append(QString::fromLatin1(presets.key(i)));
    return names.join(QLatin1String(", "));
}

QVector<qzUnitValue> readValue(const QString& text, qzUnitSystem::Dimension restriction)
{
    const qzUnitParser::Result result = qzUnitParser::parse(text, QLocale::c(), restriction);
    if (result.error != qzUnitParser::NoError)
        throw UserError{result.message};
    return {result.value};
}

qzUnitValue readValue(const Invocation& invocation, const QString& text, qzUnitSystem::Dimension restriction)
{
    const qzUnitParser::Result result = qzUnitParser::parse(text, QLocale::c(), restriction);
    if (result.error != qzUnitParser::NoError)
        throw UserError{result.message};
    reportNotes(invocation, result.notes);
    return result.value;
}

QVector<qzUnitParser::Unit> readUnit(const QString& text, qzUnitSystem::Dimension restriction)
{
    qzUnitParser::Error error = qzUnitParser::NoError;
    QString message;
    const QVector<qzUnitParser::Unit> units = qzUnitParser::units(text, restriction, &error, &message);
    if (units.isEmpty())
        throw UserError{message};
    return units;
}

void noteChoice(const Invocation& invocation, const QString& text, const QVector<qzUnitSystem::Dimension>& dimensions)
{
    report(invocation, QCoreApplication::translate("qzunit", "note: %1 read as %2 (also %3); choose another with --dimension")
                           .arg(text, qzUnitSystem::dimensionKey(dimensions.first()), qzUnitSystem::dimensionKeys(dimensions.mid(1))));
}

UserError ambiguity(const QString& text, const QVector<qzUnitSystem::Dimension>& dimensions)
{
    return UserError{QCoreApplication::translate("qzunit", "%1 fits several dimensions: %2 (choose one with --dimension)")
                         .arg(text, qzUnitSystem::dimensionKeys(dimensions))};
}

void report(const Invocation& invocation, const QString& message)
{
    invocation.err << QCoreApplication::applicationName() << ": " << message << '\n';
}

void reportNotes(const Invocation& invocation, const QStringList& notes)
{
    for (const QString& note : notes)
        report(invocation, QCoreApplication::translate("qzunit", "note: %1").arg(note));
}

namespace {

// The East Asian wide and fullwidth ranges of Unicode (EastAsianWidth.txt, W
// and F), which terminals draw two columns wide.
bool isWide(char32_t c)
{
    static const char32_t ranges[][2] = {
        { 0x1100, 0x115F }, { 0x231A, 0x231B }, { 0x2329, 0x232A }, { 0x23E9, 0x23EC }, { 0x2E80, 0x303E },
        { 0x3041, 0x33FF }, { 0x3400, 0x4DBF }, { 0x4E00, 0x9FFF }, { 0xA000, 0xA4CF }, { 0xA960, 0xA97F },
        { 0xAC00, 0xD7A3 }, { 0xF900, 0xFAFF }, { 0xFE10, 0xFE19 }, { 0xFE30, 0xFE6F }, { 0xFF00, 0xFF60 },
        { 0xFFE0, 0xFFE6 }, { 0x1F300, 0x1F64F }, { 0x1F900, 0x1F9FF }, { 0x20000, 0x2FFFD }, { 0x30000, 0x3FFFD },
    };
    for (const auto& range : ranges) {
        if (c < range[0])
            return false;
        if (c <= range[1])
            return true;
    }
    return false;
}

// Columns are padded to what a terminal shows, not to the number of characters.
QString padded(const QString& text, int width, bool rightAligned)
{
    const QString blanks(qMax(0, width - displayWidth(text)), QLatin1Char(' '));
    return rightAligned ? blanks + text : text + blanks;
}

} // namespace

int displayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        // Combining marks share the column of the character before them.
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || category == QChar::Other_Format)
            continue;
        width += isWide(c) ? 2 : 1;
    }
    return width;
}

void printTable(QTextStream& out, const QVector<QStringList>& rows, const QVector<bool>& rightAligned)
{
    QVector<int> widths(rightAligned.size(), 0);
    for (const QStringList& row : rows) {
        for (int column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = qMax(widths.at(column), displayWidth(row.at(column)));
    }
    for (const QStringList& row : rows) {
        QString line;
        for (int column = 0; column < row.size() && column < widths.size(); ++column) {
            if (column > 0)
                line += QLatin1String("  ");
            line += padded(row.at(column), widths.at(column), rightAligned.at(column));
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out << line << '\n';
    }
}
