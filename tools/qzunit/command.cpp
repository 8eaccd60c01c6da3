#include "command.h"

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
    throw UserError{QStringLiteral("unknown dimension '%1' (see qzunit dimensions)").arg(text)};
}

qzUnitSystem::UnitSystem parsePreset(const QString& text)
{
    // Compared by hand: QMetaEnum::keyToValue would also take "qzUnitSystem::SI".
    const QMetaEnum presets = QMetaEnum::fromType<qzUnitSystem::UnitSystem>();
    for (int i = 0; i < presets.keyCount(); ++i) {
        if (text == QLatin1String(presets.key(i)))
            return qzUnitSystem::UnitSystem(presets.value(i));
    }
    throw UserError{QStringLiteral("unknown preset '%1' (one of %2)").arg(text, presetNames())};
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
    for (const QString& note : result.notes)
        invocation.err << "qzunit: note: " << note << '\n';
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
    invocation.err << "qzunit: note: '" << text << "' read as " << qzUnitSystem::dimensionKey(dimensions.first())
                   << " (also " << qzUnitSystem::dimensionKeys(dimensions.mid(1)) << "); choose another with --dimension\n";
}

UserError ambiguity(const QString& text, const QVector<qzUnitSystem::Dimension>& dimensions)
{
    return UserError{QStringLiteral("%1 fits several dimensions: %2 (choose one with --dimension)")
                         .arg(text, qzUnitSystem::dimensionKeys(dimensions))};
}

void printTable(QTextStream& out, const QVector<QStringList>& rows, const QVector<bool>& rightAligned)
{
    QVector<int> widths(rightAligned.size(), 0);
    for (const QStringList& row : rows) {
        for (int column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = qMax(widths.at(column), row.at(column).size());
    }
    for (const QStringList& row : rows) {
        QString line;
        for (int column = 0; column < row.size() && column < widths.size(); ++column) {
            if (column > 0)
                line += QLatin1String("  ");
            line += rightAligned.at(column) ? row.at(column).rightJustified(widths.at(column))
                                            : row.at(column).leftJustified(widths.at(column));
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out << line << '\n';
    }
}
