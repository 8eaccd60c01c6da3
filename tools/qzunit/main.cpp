// qzunit: converts values between units and lists the dimensions, units and
// view units of the qzUnit library. Exit codes: 0 success, 2 user error.
#include "command.h"
#include "qzUnitQtCompat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <qzUnitTranslator.h>

#include <algorithm>
#include <iterator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const Command Commands[] = {
    {"convert", "VALUE [UNIT] TARGET", "Converts a value to another unit of its dimension.", 2, 16,
     DimensionOption | FormatOption | PrecisionOption, &runConvert},
    {"calc", "EXPRESSION [TARGET]", "Evaluates products, quotients and sums of values (\"10 N * 2 m\").", 1, 2,
     DimensionOption | FormatOption | PrecisionOption, &runCalc,
     "EXPRESSION is one argument: values, plain numbers, operators and parentheses.\n"
     "  a + b, a - b        sum and difference, in the unit of b; same dimension\n"
     "  a * b, a / b        product and quotient (also \u00D7 \u00B7 \u00F7); before sums\n"
     "  ( ... )             a group, evaluated first\n"
     "Operators stand between blanks: \"10 N * 2 m\" is a product, while \"N*m\"\n"
     "and \"W/(m^2*K)\" are units. A value is a number and a unit (12.5 mm,\n"
     "3 ft 4 in); a plain number scales a value. Evaluation is left to right\n"
     "within a precedence level.\n"
     "TARGET is a unit as typed: a unit's own symbol or name gives that unit\n"
     "in whichever dimension of the result's physics has it (N*m a torque,\n"
     "J an energy); another unit (BTU/h) is written as given.\n"
     "--dimension takes the result in that dimension of the same physics.\n"
     "Example: qzunit calc \"(3 ft + 4 in) * 2 lbf\" ft*lbf"},
    {"dimensions", "", "Lists the dimensions.", 0, 0, 0, &runDimensions},
    {"units", "DIMENSION", "Lists the units of a dimension; marks the SI and the view unit.", 1, 1,
     PresetOption, &runUnits},
    {"show", "VALUE [UNIT]", "Shows a value in the view unit of a preset.", 1, 16,
     DimensionOption | FormatOption | PrecisionOption | PresetOption, &runShow},
    {"hardness", "VALUE [UNIT] TARGET", "Converts between hardness scales and tensile strength; warns outside the validity ranges.",
     2, 3, FormatOption | PrecisionOption, &runHardness},
    {"duration", "VALUE [UNIT]", "Shows a time as hours, minutes and seconds.", 1, 2, 0, &runDuration},
    {"bytes", "COUNT | VALUE UNIT", "Shows an amount of data in the largest unit it reaches.", 1, 2, 0, &runBytes},
    {"catalogue", "", "Writes every dimension with its units and factors as Markdown (docs/units.md).", 0, 0, 0,
     &runCatalogue},
};

struct OptionEntry
{
    OptionFlag flag;
    const char* name;
    const char* valueName;
    QString description;
};

QVector<OptionEntry> optionTable()
{
    return {
        {DimensionOption, "dimension", "name",
         QStringLiteral("Reads units in this dimension only: enumerator (Length), English name or value.")},
        {FormatOption, "format", "g|f|e", QStringLiteral("Number format (default g).")},
        {PrecisionOption, "precision", "digits",
         QStringLiteral("Significant digits for g, digits after the point for f and e: 0 to 99 (default 6).")},
        {LanguageOption, "lang", "code",
         QStringLiteral("Language of unit and dimension names, e.g. de (default: English).")},
        {PresetOption, "preset", "name",
         QStringLiteral("Preset that sets the view units: %1 (default SI).").arg(presetNames())},
    };
}

QString commandNames()
{
    QStringList names;
    for (const Command& command : Commands)
        names.append(QLatin1String(command.name));
    return names.join(QLatin1String(", "));
}

QString description()
{
    QString text = QStringLiteral("Converts values between units and lists what the qzUnit library knows.\n\nCommands:\n");
    QVector<QStringList> rows;
    for (const Command& command : Commands) {
        const QString usage = QStringLiteral("%1 %2").arg(QLatin1String(command.name), QLatin1String(command.synopsis));
        rows.append({QString(), usage.trimmed(), QLatin1String(command.summary)});
    }
    QTextStream table(&text);
    printTable(table, rows, {false, false, false});
    table.flush();
    text += QStringLiteral(
        "\nA value is a number in the C locale and a unit, in one argument (12.5mm)\n"
        "or more (12.5 mm, 3 ft 4 in, 1 1/2 in); negative numbers need no escaping.\n"
        "Units are named by symbol as written or by name in any case, plural or\n"
        "spelling (mm, metres, um, degC), with SI prefixes or compound (kN,\n"
        "g/cm^3, W/(m^2*K)); what could be misread is refused with a suggestion.\n"
        "A unit that several dimensions share is settled by the other unit of a\n"
        "conversion when the two have one dimension in common, else by the\n"
        "preferred dimension, with a note; choose another with --dimension.\n"
        "Exit codes: 0 success, 2 user error.");
    return text;
}

// Qt decodes argv in the encoding of the locale; symbols typed in a UTF-8
// terminal under another locale would come out garbled, so valid UTF-8 wins.
QStringList commandLine(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        // Bytes that are not UTF-8 decode to replacement characters, which
        // encode back to other bytes: only valid UTF-8 survives the round trip.
        const QString text = QString::fromUtf8(bytes);
        arguments.append(text.toUtf8() == bytes ? text : QString::fromLocal8Bit(bytes));
    }
    return arguments;
#endif
}

// "-inf" and "-nan", alone or with a unit, are numbers: no option starts so.
bool isNegativeNumber(const QString& argument)
{
    return argument.startsWith(QLatin1String("-inf"), Qt::CaseInsensitive)
        || argument.startsWith(QLatin1String("-nan"), Qt::CaseInsensitive);
}

// QCommandLineParser would take "-40" or "-2.5mm" for options. Every
// argument that is not an option (or an option's value) moves behind "--",
// keeping its order, so that negative numbers need no escaping.
QStringList positionalsLast(const QStringList& arguments, const QVector<OptionEntry>& table)
{
    auto takesValue = [&table](const QString& option) {
        for (const OptionEntry& entry : table) {
            if (option == QLatin1String(entry.name))
                return true;
        }
        return false;
    };
    QStringList options{arguments.value(0)};
    QStringList positionals;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            positionals += arguments.mid(i + 1);
            break;
        }
        const bool isOption = argument.size() > 1 && argument.startsWith(QLatin1Char('-'))
            && !argument.at(1).isDigit() && argument.at(1) != QLatin1Char('.') && !isNegativeNumber(argument);
        if (!isOption) {
            positionals.append(argument);
            continue;
        }
        options.append(argument);
        if (argument.startsWith(QLatin1String("--")) && !argument.contains(QLatin1Char('='))
            && takesValue(argument.mid(2))) {
            // The "--" added below must not become the missing value.
            if (i + 1 == arguments.size())
                throw UserError{QCoreApplication::translate("qzunit", "missing value after '%1'").arg(argument)};
            options.append(arguments.at(++i));
        }
    }
    return options << QStringLiteral("--") << positionals;
}

// The library's catalogue for \a language ("de", "DE", "de-AT"), found where
// the library is. English needs none.
void loadTranslation(const QString& language)
{
    QStringList parts = language.split(QRegularExpression(QStringLiteral("[-_]")));
    parts[0] = parts.at(0).toLower();
    if (parts.size() > 1)
        parts[1] = parts.at(1).toUpper();
    const QLocale locale(parts.join(QLatin1Char('_')));
    if (locale.language() == QLocale::C || !qzUnitTranslator::install(locale))
        throw UserError{QStringLiteral("no translation for language '%1'").arg(language)};
}

// The value of --lang among \a arguments (before a "--"), so that the
// catalogue is there for the first message; null without one.
QString languageOption(const QStringList& arguments)
{
    QString language;
    for (int i = 1; i < arguments.size() && arguments.at(i) != QLatin1String("--"); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.startsWith(QLatin1String("--lang=")))
            language = argument.mid(7);
        else if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            language = arguments.at(++i);
    }
    return language;
}

Options parseOptions(const QCommandLineParser& parser)
{
    Options options;
    const QString dimension = QStringLiteral("dimension");
    if (parser.isSet(dimension))
        options.dimension = parseDimension(parser.value(dimension));
    const QString format = QStringLiteral("format");
    if (parser.isSet(format)) {
        const QString value = parser.value(format);
        if (value != QLatin1String("g") && value != QLatin1String("f") && value != QLatin1String("e"))
            throw UserError{QCoreApplication::translate("qzunit", "invalid --format '%1' (one of g, f, e)").arg(value)};
        options.format = value.at(0).toLatin1();
    }
    const QString precision = QStringLiteral("precision");
    if (parser.isSet(precision)) {
        const QString value = parser.value(precision);
        bool ok = false;
        options.precision = value.toInt(&ok);
        if (!ok || options.precision < 0 || options.precision > 99)
            throw UserError{QCoreApplication::translate("qzunit", "invalid --precision '%1' (a whole number from 0 to 99)").arg(value)};
    }
    const QString preset = QStringLiteral("preset");
    if (parser.isSet(preset))
        options.preset = parsePreset(parser.value(preset));
    options.translated = parser.isSet(QStringLiteral("lang"));
    return options;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString language = languageOption(arguments);
    if (!language.isNull())
        loadTranslation(language);
    const QVector<OptionEntry> table = optionTable();
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const OptionEntry& entry : table) {
        QStringList readers;
        for (const Command& command : Commands) {
            if ((command.options | GlobalOptions) & entry.flag)
                readers.append(QLatin1String(command.name));
        }
        parser.addOption(QCommandLineOption(QLatin1String(entry.name),
                                            QStringLiteral("%1 [%2]").arg(entry.description, readers.join(QLatin1String(", "))),
                                            QLatin1String(entry.valueName)));
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of %1.").arg(commandNames()),
                                 QStringLiteral("<command> [arguments]"));

    if (!parser.parse(positionalsLast(arguments, table)))
        throw UserError{parser.errorText()};
    // No Qt options of their own here: --help-all shows the same text.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // "qzunit calc --help": the command's own grammar where it has one.
        const QString named = parser.positionalArguments().value(0);
        for (const Command& command : Commands) {
            if (named == QLatin1String(command.name) && command.help) {
                out << "Usage: qzunit " << command.name << ' ' << command.synopsis << "\n\n"
                    << QString::fromUtf8(command.help) << '\n';
                return 0;
            }
        }
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }

    QStringList positionals = parser.positionalArguments();
    if (positionals.isEmpty())
        throw UserError{QCoreApplication::translate("qzunit", "no command given (one of %1; see qzunit --help)").arg(commandNames())};
    const QString name = positionals.takeFirst();
    const auto command = std::find_if(std::begin(Commands), std::end(Commands),
                                      [&name](const Command& candidate) { return name == QLatin1String(candidate.name); });
    if (command == std::end(Commands))
        throw UserError{QCoreApplication::translate("qzunit", "unknown command '%1' (one of %2)").arg(name, commandNames())};
    if (positionals.size() < command->minArguments || positionals.size() > command->maxArguments) {
        throw UserError{QCoreApplication::translate("qzunit", "usage: qzunit %1 %2")
                            .arg(QLatin1String(command->name), QLatin1String(command->synopsis))
                            .trimmed()};
    }
    for (const OptionEntry& entry : table) {
        if (parser.isSet(QLatin1String(entry.name)) && !((command->options | GlobalOptions) & entry.flag)) {
            throw UserError{QCoreApplication::translate("qzunit", "option --%1 does not apply to %2")
                                .arg(QLatin1String(entry.name), QLatin1String(command->name))};
        }
    }
    command->run(Invocation{positionals, parseOptions(parser), out, err});
    return 0;
}

// One line whatever the user typed: control characters would break it.
QString oneLine(QString message)
{
    for (QChar& c : message) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    }
    return message;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qzunit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QZUNIT_VERSION));
#ifdef Q_OS_WIN
    SetConsoleOutputCP(CP_UTF8);
#endif
    // Symbols such as µm and °C are written as UTF-8 whatever the locale.
    QTextStream out(stdout);
    qzSetUtf8(out);
    QTextStream err(stderr);
    qzSetUtf8(err);
    try {
        return run(commandLine(argc, argv), out, err);
    } catch (const UserError& error) {
        out.flush();
        err << QCoreApplication::applicationName() << ": " << oneLine(error.message) << '\n';
        return 2;
    }
}
