// Runs the built qzunit binary and checks what it prints and how it exits.
#include <qzUnitSystem.h>
#include <qzUnitValue.h>

#include <QProcess>
#include <QtTest>

using Dimensions = QVector<qzUnitSystem::Dimension>;
Q_DECLARE_METATYPE(Dimensions)

namespace {

// "convert 1 m in" as a list of arguments.
QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result runTool(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The output must be UTF-8 and numbers read in the C locale whatever the locale.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QZUNIT_TOOL), arguments);
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        result.err = QStringLiteral("did not finish normally");
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The cells of a table the tool printed, cut at the columns of its header.
QVector<QStringList> tableCells(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVector<int> starts;
    const QString header = lines.value(0);
    for (int i = 0; i < header.size(); ++i) {
        if (header.at(i) != QLatin1Char(' ') && (i == 0 || header.mid(i - 2, 2) == QLatin1String("  ")))
            starts.append(i);
    }
    QVector<QStringList> rows;
    for (const QString& line : lines) {
        QStringList cells;
        for (int c = 0; c < starts.size(); ++c) {
            const int end = c + 1 < starts.size() ? starts.at(c + 1) : line.size();
            cells.append(line.mid(starts.at(c), end - starts.at(c)).trimmed());
        }
        rows.append(cells);
    }
    return rows;
}

// The first unit of each dimension whose symbol no other dimension uses.
QVector<QPair<qzUnitSystem::Dimension, QString>> unsharedUnits()
{
    QVector<QPair<qzUnitSystem::Dimension, QString>> units;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        for (const QString& symbol : qzUnitSystem(dimension).symbols()) {
            const auto matches = qzUnitSystem::findUnits(symbol);
            if (matches.size() == 1 && matches.first().first == dimension) {
                units.append(qMakePair(dimension, symbol));
                break;
            }
        }
    }
    return units;
}

} // namespace

class tst_qzunit : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void userErrors_data();
    void userErrors();
    void helpAndVersion_data();
    void helpAndVersion();
    void dimensionsTable();
    void lengthUnits_data();
    void lengthUnits();
    void hardness_data();
    void hardness();
    void sharedSymbols_data();
    void sharedSymbols();
    void differentDimensions();
};

void tst_qzunit::results_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    const QString inches = QStringLiteral("0.492126 in"); // 12.5 / 25.4
    QTest::newRow("symbols") << words("convert 12.5 mm in") << inches;
    QTest::newRow("names") << words("convert 12.5 Millimeter Inch") << inches;
    QTest::newRow("number and unit glued") << words("convert 12.5mm in") << inches;
    QTest::newRow("number and unit in one argument") << QStringList{QStringLiteral("convert"), QStringLiteral("12.5 mm"), QStringLiteral("in")} << inches;
    QTest::newRow("whole result gets .0") << words("convert 1 Foot in") << "12.0 in";
    QTest::newRow("negative number") << words("convert -2.5 in mm") << "-63.5 mm";
    QTest::newRow("escaped with --") << words("convert -- -1 m mm") << "-1000.0 mm";
    QTest::newRow("exponent") << words("convert 2.5e3 mm m") << "2.5 m";
    QTest::newRow("micro signs in and out") << words("convert 1 µin µm") << QStringLiteral("0.0254 µm");
    QTest::newRow("format f") << words("convert 1 in mm --format f --precision 3")
                              << "25.400 mm";
    QTest::newRow("format e") << words("convert 1 mi m --format e --precision 4")
                              << "1.6093e+03 m";
    QTest::newRow("precision 10") << words("convert 1 m in --precision 10") << "39.37007874 in";
    QTest::newRow("precision 0 adds no .0") << words("convert 1 m mm --format=f --precision=0")
                                            << "1000 mm";
    QTest::newRow("options before the command") << words("--precision 3 convert 1 in cm")
                                                << "2.54 cm";
    QTest::newRow("micron within Length") << words("convert 1 µm mm --dimension Length")
                                          << "0.001 mm";
    QTest::newRow("dimension by value") << words("convert 1 km mi --dimension 5 --precision 4")
                                        << "0.6214 mi";
    QTest::newRow("show USCommon precision 10") << words("show 1 m --preset USCommon --precision 10")
                                                << "39.37007874 in";
    QTest::newRow("show SImm") << words("show 1 m --preset SImm") << "1000.0 mm";
    QTest::newRow("show Imperial glued") << words("show 2.54cm --preset Imperial") << "25.4 mm";
    QTest::newRow("show NorvaneDefault") << words("show 1 in --preset NorvaneDefault") << "25.4 mm";
    QTest::newRow("duration") << words("duration 3725 s") << "1h 02m 05s";
    QTest::newRow("duration in hours, glued") << words("duration 1.5h") << "1h 30m 00s";
    QTest::newRow("duration below a minute") << words("duration 250 ms") << "0.25s";
    QTest::newRow("bytes") << words("bytes 1536") << "1.5 kB";
    QTest::newRow("bytes below a kilobyte") << words("bytes 1023") << "1023 B";
    QTest::newRow("bytes from megabytes") << words("bytes 2 MB") << "2.0 MB";
    QTest::newRow("German unit names") << words("convert 1 Zoll Fuß --lang de --precision 4") << "0.08333 ft";
    QTest::newRow("show defaults to SI") << words("show 1 km") << "1000.0 m";
}

void tst_qzunit::results()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const Result result = runTool(arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, expected + QLatin1Char('\n'));
}

void tst_qzunit::hardness_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("warnings");
    QTest::newRow("table row, result below the HRC range") << words("hardness 200 HV HRC") << "9.1 HRC" << 1;
    QTest::newRow("inside both ranges") << words("hardness 30 HRC HV --precision 4") << "301.7 HV" << 0;
    QTest::newRow("to tensile strength") << words("hardness 30 HRC N/mm²") << "970.0 N/mm²" << 0;
    QTest::newRow("below the table") << words("hardness 50HV HRC") << "0.0 HRC" << 2;
}

void tst_qzunit::hardness()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(int, warnings);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, expected + QLatin1Char('\n'));
    QCOMPARE(result.err.count(QLatin1String("warning")), warnings);
}

void tst_qzunit::userErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentioned");

    QTest::newRow("no command") << QStringList() << "command";
    QTest::newRow("unknown command") << words("frobnicate") << "frobnicate";
    QTest::newRow("too few arguments") << words("convert 1") << "usage";
    QTest::newRow("too many arguments") << words("convert 1 m in cm") << "usage";
    QTest::newRow("no target") << words("convert 12.5 mm") << "target";
    QTest::newRow("unknown unit") << words("convert 1 parsec m") << "parsec";
    QTest::newRow("unknown target") << words("convert 1 m furlong") << "furlong";
    QTest::newRow("symbols match exactly") << words("convert 1 MM in") << "MM";
    QTest::newRow("not a number") << words("convert abc m in") << "abc";
    QTest::newRow("decimal comma") << words("convert 12,5 mm in") << ",5";
    QTest::newRow("number without unit") << words("show 12") << "12";
    QTest::newRow("unit outside --dimension") << words("convert 1 mm in --dimension Mass") << "mm";
    QTest::newRow("unknown dimension") << words("convert 1 m in --dimension Lenght") << "Lenght";
    QTest::newRow("unused dimension value") << words("units 41") << "41";
    QTest::newRow("dimensions with argument") << words("dimensions Length") << "usage";
    QTest::newRow("bad format") << words("convert 1 m in --format x") << "format";
    QTest::newRow("negative precision") << words("convert 1 m in --precision -1") << "-1";
    QTest::newRow("precision too large") << words("convert 1 m in --precision 100") << "100";
    QTest::newRow("option without value") << words("convert 1 m in --precision") << "precision";
    QTest::newRow("unknown preset") << words("show 1 m --preset Metric") << "Metric";
    QTest::newRow("unknown option") << words("convert --bogus 1 m in") << "bogus";
    QTest::newRow("option the command does not read") << words("dimensions --precision 3") << "precision";
    QTest::newRow("preset given to convert") << words("convert 1 m in --preset SI") << "preset";
    QTest::newRow("bytes of a length") << words("bytes 3 m") << "'m'";
    QTest::newRow("duration of a length") << words("duration 3 m") << "'m'";
    QTest::newRow("unknown language") << words("units Length --lang xx") << "'xx'";
    QTest::newRow("German name without --lang") << words("convert 1 Zoll mm") << "Zoll";
    QTest::newRow("hardness of a length") << words("hardness 1 m HRC") << "'m'";
    QTest::newRow("line break in a unit") << (words("convert 1") << QStringLiteral("m\nx") << QStringLiteral("in")) << "m?x";
}

void tst_qzunit::userErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentioned);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.startsWith(QLatin1String("qzunit: ")), qPrintable(result.err));
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
    QVERIFY(result.err.endsWith(QLatin1Char('\n')));
    QVERIFY2(result.err.contains(mentioned), qPrintable(result.err));
}

void tst_qzunit::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("mentioned");

    const QStringList commands = words("convert dimensions units show --dimension --preset Exit");
    QTest::newRow("--help") << words("--help") << commands;
    QTest::newRow("-h") << words("-h") << commands;
    QTest::newRow("--help-all") << words("--help-all") << commands;
    QTest::newRow("help after a command") << words("convert 1 --help") << commands;
    QTest::newRow("--version") << words("--version") << QStringList(QStringLiteral("qzunit " QZUNIT_VERSION "\n"));
    QTest::newRow("-v") << words("-v") << QStringList(QStringLiteral("qzunit " QZUNIT_VERSION "\n"));
}

void tst_qzunit::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, mentioned);
    const Result result = runTool(arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    for (const QString& text : mentioned)
        QVERIFY2(result.out.contains(text), qPrintable(text));
}

void tst_qzunit::dimensionsTable()
{
    const Result result = runTool({QStringLiteral("dimensions")});
    QCOMPARE(result.exitCode, 0);
    const QVector<QStringList> rows = tableCells(result.out);
    QCOMPARE(rows.value(0), (words("Value Enumerator English_name Units Symbol").replaceInStrings(QStringLiteral("_"), QStringLiteral(" "))));
    QCOMPARE(rows.size() - 1, 56);
    const QList<qzUnitSystem::Dimension> dimensions = qzUnitSystem::getDimensions();
    for (int i = 0; i < dimensions.size(); ++i) {
        // Cut at the header's columns, every cell is whole: the table is aligned.
        const qzUnitSystem system(dimensions.at(i));
        QCOMPARE(rows.at(i + 1),
                 (QStringList{QString::number(int(dimensions.at(i))), qzUnitSystem::dimensionKey(dimensions.at(i)),
                              system.dimensionNameEnglish(), QString::number(system.maxIndex()),
                              system.dimensionSymbol()}));
    }
    QCOMPARE(rows.at(6), words("5 Length Length 10 l"));
}

void tst_qzunit::lengthUnits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("viewUnit");

    QTest::newRow("no preset is SI") << words("units Length") << "Meter";
    QTest::newRow("SImm") << words("units Length --preset SImm") << "Millimeter";
    QTest::newRow("Imperial") << words("units Length --preset Imperial") << "Millimeter";
    QTest::newRow("USCommon") << words("units Length --preset USCommon") << "Inch";
    QTest::newRow("NorvaneDefault") << words("units Length --preset NorvaneDefault") << "Millimeter";
}

void tst_qzunit::lengthUnits()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, viewUnit);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, 0);
    const QVector<QStringList> rows = tableCells(result.out);
    QCOMPARE(rows.value(0), words("Index Name Symbol Notes"));
    QCOMPARE(rows.size() - 1, 10);
    const qzUnitSystem length(qzUnitSystem::Length);
    for (int i = 0; i < 10; ++i) {
        const QStringList& row = rows.at(i + 1);
        QCOMPARE(row.mid(0, 3), (QStringList{QString::number(i), length.names().at(i), length.symbols().at(i)}));
        QCOMPARE(row.at(3).contains(QLatin1String("SI unit")), row.at(1) == QLatin1String("Meter"));
        QCOMPARE(row.at(3).contains(QLatin1String("view unit")), row.at(1) == viewUnit);
    }
}

// A symbol that several dimensions share is refused without a hint and
// settled by --dimension or by the other unit of a conversion. The rows come
// from the catalogue, so they appear as its classes do.
void tst_qzunit::sharedSymbols_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<Dimensions>("dimensions");

    QMap<QString, Dimensions> shared;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        for (const QString& symbol : qzUnitSystem(dimension).symbols()) {
            Dimensions found;
            for (const auto& match : qzUnitSystem::findUnits(symbol))
                found.append(match.first);
            if (found.size() > 1)
                shared.insert(symbol, found);
        }
    }
    if (shared.isEmpty())
        QSKIP("no unit symbol is shared by two dimensions in this catalogue");
    for (auto it = shared.cbegin(); it != shared.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void tst_qzunit::sharedSymbols()
{
    QFETCH(QString, symbol);
    QFETCH(Dimensions, dimensions);

    for (const QStringList& arguments : {words("convert 1") << symbol << symbol, words("show 1") << symbol}) {
        const Result refused = runTool(arguments);
        QCOMPARE(refused.exitCode, 2);
        QCOMPARE(refused.err.count(QLatin1Char('\n')), 1);
        for (qzUnitSystem::Dimension dimension : dimensions)
            QVERIFY2(refused.err.contains(qzUnitSystem::dimensionKey(dimension)), qPrintable(refused.err));
    }

    const auto unshared = unsharedUnits();
    for (qzUnitSystem::Dimension dimension : dimensions) {
        const QString key = qzUnitSystem::dimensionKey(dimension);
        const int index = qzUnitSystem::findUnits(symbol, dimension).value(0).second;
        const qzUnitValue one(dimension, 1.0, index);
        const Result chosen = runTool(words("convert 1") << symbol << symbol << QStringLiteral("--dimension") << key);
        QCOMPARE(chosen.exitCode, 0);
        QCOMPARE(chosen.out, one.valueSymbolString(index, 'g', 6) + QLatin1Char('\n'));

        for (const auto& target : unshared) {
            if (target.first != dimension)
                continue;
            const Result byTarget = runTool(words("convert 1") << symbol << target.second);
            QCOMPARE(byTarget.exitCode, 0);
            const int targetIndex = qzUnitSystem::findUnits(target.second).value(0).second;
            QCOMPARE(byTarget.out, one.valueSymbolString(targetIndex, 'g', 6) + QLatin1Char('\n'));
        }
    }
}

void tst_qzunit::differentDimensions()
{
    const auto units = unsharedUnits();
    if (units.size() < 2)
        QSKIP("the catalogue has units of one dimension only");
    for (int i = 0; i + 1 < units.size(); ++i) {
        const Result result = runTool(words("convert 1") << units.at(i).second << units.at(i + 1).second);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(result.err.contains(qzUnitSystem::dimensionKey(units.at(i).first))
                     && result.err.contains(qzUnitSystem::dimensionKey(units.at(i + 1).first)),
                 qPrintable(result.err));
    }
}

QTEST_GUILESS_MAIN(tst_qzunit)
#include "tst_qzunit.moc"
