// Runs the built qzunit binary and checks what it prints and how it exits.
#include <QProcess>
#include <QtTest>

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
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return { -1, QString(), QStringLiteral("did not finish normally") };
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}

} // namespace

class tst_qzunit : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void mentions_data();
    void mentions();
    void messagesInLanguage_data();
    void messagesInLanguage();
};

void tst_qzunit::results_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("warnings");

    const QString inches = QStringLiteral("0.492126 in"); // 12.5 / 25.4
    QTest::newRow("number and unit") << words("convert 12.5 mm in") << inches << 0;
    QTest::newRow("number and unit in one argument") << QStringList{ QStringLiteral("convert"), QStringLiteral("12.5 mm"), QStringLiteral("in") } << inches << 0;
    QTest::newRow("negative number") << words("convert -2.5 in mm") << "-63.5 mm" << 0;
    QTest::newRow("escaped with --") << words("convert -- -1 m mm") << "-1000.0 mm" << 0;
    QTest::newRow("micro signs in and out") << words("convert 1 µin µm") << QStringLiteral("0.0254 µm") << 0;
    QTest::newRow("format e") << words("convert 1 mi m --format e --precision 4") << "1.6093e+03 m" << 1; // the mile's kept factor
    QTest::newRow("precision 0 adds no .0") << words("convert 1 m mm --format=f --precision=0") << "1000 mm" << 0;
    QTest::newRow("options before the command") << words("--precision 3 convert 1 in cm") << "2.54 cm" << 0;
    QTest::newRow("dimension by value") << words("convert 1 km mi --dimension 5 --precision 4") << "0.6214 mi" << 1;
    QTest::newRow("shared symbol settled by --dimension") << words("convert 1 J kJ --dimension Heat") << "0.001 kJ" << 0;
    QTest::newRow("shared symbol settled by a preference") << words("convert 1 J kJ") << "0.001 kJ" << 1;
    QTest::newRow("shared symbol shown, with a note") << words("show 25 degC") << "298.15 K" << 1;
    QTest::newRow("sum to a unit that is no row") << words("convert 5 ft 3 in mm --precision 5") << "1600.2 mm" << 0;
    QTest::newRow("torque to a row written as a product") << (words("convert 10 Nm") << QStringLiteral("ft*lbf")) << "7.37562 ft·lbf" << 0; // 10 / 1.3558179483
    QTest::newRow("compound to a unit that is no row") << words("convert 1 W BTU/h --precision 5") << "3.4121 BTU/h" << 0;
    QTest::newRow("calc product") << (words("calc") << QStringLiteral("10 N * 2 m") << QStringLiteral("ft*lbf")) << "14.7512 ft lbf" << 0;
    QTest::newRow("calc quotient and sum") << (words("calc") << QStringLiteral("1 t / 2 m^3 + 0.5 g/cm^3")) << QStringLiteral("1.0 g/cm³") << 0;
    QTest::newRow("show defaults to SI") << words("show 1 km") << "1000.0 m" << 0;
    QTest::newRow("show Imperial glued") << words("show 2.54cm --preset Imperial") << "25.4 mm" << 0;
    QTest::newRow("show USCommon precision 10") << words("show 1 m --preset USCommon --precision 10") << "39.37007874 in" << 0;
    QTest::newRow("typed kept factor read as defined, with a note") << words("convert 1 BTU/(ft²·h·R) W/(m²·K) --precision 4") << QStringLiteral("5.678 W/(m²·K)") << 1;
    QTest::newRow("calc with parentheses") << (words("calc") << QStringLiteral("(3 ft + 4 in) * 2") << QStringLiteral("in")) << "80.0 in" << 0;
    QTest::newRow("calc nested groups and precedence") << (words("calc") << QStringLiteral("((1 m + 1 m) * 3 + 4 m) / 2")) << "5.0 m" << 0;
    QTest::newRow("calc --dimension") << (words("calc --dimension Torque") << QStringLiteral("10 N * 2 m")) << QStringLiteral("20.0 N·m") << 0;
    QTest::newRow("calc target read as given") << (words("calc --dimension Energy") << QStringLiteral("10 N * 2 m") << QStringLiteral("N*m")) << "20.0 N*m" << 0;
    QTest::newRow("below absolute zero") << words("convert -300 °C K --dimension Temperature") << "-26.85 K" << 1;
    QTest::newRow("bytes in exponent notation") << words("bytes 1e6") << "977 kB" << 0;
    QTest::newRow("language in capitals, headers translated") << words("units Percent --lang DE")
        << QStringLiteral("Index  Name        Symbol  Anmerkungen\n    0  Prozent     %       SI-Einheit, Anzeigeeinheit\n    1  Verhältnis  -") << 0;
    // Wide characters take two columns of a terminal: the columns line up there.
    QTest::newRow("units in Japanese, padded by display width") << words("units Angle --lang ja")
        << QStringLiteral("インデックス  名称      記号  注記\n           0  ラジアン  rad   SI 単位, 表示単位\n           1  度        \u00B0") << 0;
    QTest::newRow("units in Chinese, padded by display width") << words("units Percent --lang zh_CN")
        << QStringLiteral("索引  名称    符号  备注\n   0  百分数  %     SI 单位, 显示单位\n   1  比率    -") << 0;
    QTest::newRow("units with the SI and the preset's view unit marked") << words("units Angle --preset NorvaneDefault")
        << QStringLiteral("Index  Name    Symbol  Notes\n    0  Radian  rad     SI unit\n    1  Degree  \u00B0       view unit") << 0;
    QTest::newRow("duration in hours, glued") << words("duration 1.5h") << "1h 30m 00s" << 0;
    QTest::newRow("German unit names") << words("convert 1 Zoll Fuß --lang de --precision 4") << "0.08333 ft" << 0;
    QTest::newRow("hardness inside both ranges") << words("hardness 30 HRC HV --precision 4") << "301.7 HV" << 0;
    QTest::newRow("hardness, result below the HRC range") << words("hardness 200 HV HRC") << "9.1 HRC" << 1;
    QTest::newRow("hardness below the table") << words("hardness 50HV HRC") << "0.0 HRC" << 2;
}

void tst_qzunit::results()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(int, warnings);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, expected + QLatin1Char('\n'));
    QCOMPARE(result.err.count(QLatin1String("qzunit: ")), warnings); // warnings and notes
    QCOMPARE(result.err.count(QLatin1Char('\n')), warnings);
}

// Help, listings and user errors: what the output mentions. A user error
// exits with 2 and is one line on standard error, nothing on standard output.
void tst_qzunit::mentions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("mentioned");
    const auto error = [](const char* name, const QStringList& arguments, const char* mentioned) {
        QTest::newRow(name) << arguments << 2 << QStringList(QString::fromUtf8(mentioned));
    };

    const QStringList commands = words("convert dimensions units show --dimension --preset Exit");
    QTest::newRow("--help") << words("--help") << 0 << commands;
    QTest::newRow("help after a command") << words("convert 1 --help") << 0 << commands;
    // Columns two blanks apart, numbers right-aligned.
    QTest::newRow("dimensions") << words("dimensions") << 0 << QStringList{ QStringLiteral("Value  Enumerator "), QStringLiteral("  English name "),
        QStringLiteral("  Units  Symbol\n"), QStringLiteral("\n    5  Length "), QStringLiteral(" 10  l\n") };
    QTest::newRow("dimensions in German") << words("dimensions --lang de") << 0 << QStringList{ QStringLiteral("Wert"), QStringLiteral("Länge") };
    QTest::newRow("--version") << words("--version") << 0 << QStringList(QStringLiteral("qzunit " QZUNIT_VERSION "\n"));
    error("no command", QStringList(), "command");
    error("unknown command", words("frobnicate"), "frobnicate");
    error("too few arguments", words("convert 1"), "usage");
    error("no target", words("convert 12.5 mm"), "target");
    error("unit outside --dimension", words("convert 1 mm in --dimension Mass"), "mm");
    error("unknown dimension", words("convert 1 m in --dimension Lenght"), "Lenght");
    error("unused dimension value", words("units 41"), "41");
    error("bad format", words("convert 1 m in --format x"), "format");
    error("precision too large", words("convert 1 m in --precision 100"), "100");
    error("option without value", words("convert 1 m in --precision"), "precision");
    error("unknown preset", words("show 1 m --preset Metric"), "Metric");
    error("unknown option", words("convert --bogus 1 m in"), "bogus");
    error("option the command does not read", words("convert 1 m in --preset SI"), "preset");
    error("unknown unit with a suggestion", words("convert 1 rmp rad/s"), "did you mean 'Rpm'");
    QTest::newRow("calc --help gives its grammar") << words("calc --help") << 0 << words("parentheses precedence TARGET N*m");
    error("calc unbalanced group", words("calc") << QStringLiteral("(1 m + 2 m"), "missing ')'");
    error("calc result of another dimension", words("calc --dimension Mass") << QStringLiteral("1 m"), "not of Mass");
    error("gauge pressure refused", words("convert 30 psig bar"), "gauge");
    error("calc of no dimension", words("calc") << QStringLiteral("1 m * 1 kg"), "M·L");
    error("different dimensions", words("convert 1 m kg"), "(Length) to 'kg' (Mass)");
    error("bytes of a length", words("bytes 3 m"), "'m'");
    error("duration of a length", words("duration 3 m"), "'m'");
    error("hardness of a length", words("hardness 1 m HRC"), "'m'");
    error("unknown language", words("units Length --lang xx"), "'xx'");
    error("too many bytes", words("bytes 1e30"), "too large");
    error("part of a byte", words("bytes 1.5"), "whole number");
    error("line break in a unit", words("convert 1") << QStringLiteral("m\nx") << QStringLiteral("in"), "m?x");
}

void tst_qzunit::mentions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, mentioned);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(exitCode == 0 ? result.err : result.out, QString());
    const QString text = exitCode == 0 ? result.out : result.err;
    QVERIFY2(exitCode == 0 || (text.startsWith(QLatin1String("qzunit: ")) && text.endsWith(QLatin1Char('\n')) && text.count(QLatin1Char('\n')) == 1),
             qPrintable(text));
    for (const QString& part : mentioned)
        QVERIFY2(text.contains(part), qPrintable(text));
}

// Notes, warnings and errors in the language of --lang, whole lines, also
// for an error found before the command is known.
void tst_qzunit::messagesInLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::newRow("note below absolute zero in German") << words("convert -300 °C K --dimension Temperature --lang de") << 0
        << QStringLiteral("qzunit: Hinweis: '-300 °C' liegt unter dem absoluten Nullpunkt\n");
    QTest::newRow("note in Japanese") << words("convert 1 mi m --lang ja") << 0
        << QStringLiteral("qzunit: 注記: 「mi」は保存文書のために保持された係数 1609.34419224 m で換算されます。定義では 1609.344 m です\n");
    QTest::newRow("error in Polish") << words("convert 1 m kg --lang pl") << 2
        << QStringLiteral("qzunit: nie można przeliczyć „1 m” (Length) na „kg” (Mass): różne wielkości\n");
    QTest::newRow("the library's error in French") << (words("calc --lang fr") << QStringLiteral("1 m * 1 kg")) << 2
        << QStringLiteral("qzunit: Length * Mass a les exposants M·L, qu’aucune grandeur n’a\n");
    QTest::newRow("option error in Chinese") << words("--lang zh_CN convert 1 m in --precision 100") << 2
        << QStringLiteral("qzunit: 无效的 --precision“100”（0 至 99 的整数）\n");
}

void tst_qzunit::messagesInLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err, err);
}

QTEST_GUILESS_MAIN(tst_qzunit)
#include "tst_qzunit.moc"
