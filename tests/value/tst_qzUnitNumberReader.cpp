// Typed numbers in the locales people type them in: what must read as which
// number, what must be refused and why, and that every number Qt or the
// library writes in a locale reads back there as that number, never another.
#include "checks.h"

#include <qzUnitParser.h>

#include <QElapsedTimer>

#include <random>

namespace {

const char* const All = "C en_US en_GB en_IN de_DE de_CH fr_FR fr_CH it_IT es_ES pt_BR da_DK sv_SE pl_PL cs_CZ ja_JP zh_CN";
const char* const CommaGroups = "en_US en_GB en_IN ja_JP zh_CN";
const char* const PointGroups = "de_DE it_IT es_ES pt_BR da_DK";
const char* const BlankGroups = "fr_FR fr_CH sv_SE pl_PL cs_CZ";
const char* const PointDecimal = "C en_US en_GB en_IN de_CH ja_JP zh_CN";
const char* const CommaDecimal = "de_DE it_IT es_ES pt_BR da_DK fr_FR fr_CH sv_SE pl_PL cs_CZ";

// One row per locale of the space-separated \a locales.
template <typename... Columns>
void rows(const char* text, const char* locales, const Columns&... columns)
{
    for (const QString& locale : QString::fromLatin1(locales).split(QLatin1Char(' '))) {
        const QByteArray name = QByteArray(text) + " @ " + locale.toLatin1();
        ((QTest::newRow(name.constData()) << QString::fromUtf8(text) << locale) << ... << columns);
    }
}

} // namespace

class tst_qzUnitNumberReader : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void readsBackWhatIsWritten_data();
    void readsBackWhatIsWritten();
    void longPasteRefusedQuickly();
};

// Each row a text in each of several locales, and the number it must read
// as (in the unit typed, the last one of a sum) or the error it must give
// with a part of the message.
void tst_qzUnitNumberReader::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("says");
    const auto value = [](const char* text, const char* locales, double number) { rows(text, locales, number, 0, QString()); };
    const auto refused = [](const char* text, const char* locales, qzUnitParser::Error error, const char* says) {
        rows(text, locales, 0.0, int(error), QString::fromUtf8(says));
    };
    // Grouping as each locale groups, with the look-alikes people type.
    value("1,234,567.5 m", CommaGroups, 1234567.5);
    value("12,34,567.5 m", "en_IN", 1234567.5);
    value("1,250 mm", CommaGroups, 1250.0);
    value("1.234.567,5 m", PointGroups, 1234567.5);
    value("1'234'567.5 m", "de_CH", 1234567.5);
    value("1\u2019234.5 mm", "de_CH", 1234.5);
    value("1 234,5 kg", BlankGroups, 1234.5);
    value("1\u00A0234\u202F567,5 m", BlankGroups, 1234567.5);
    // Where only one reading reads, or both agree.
    value("12,5 mm", CommaDecimal, 12.5);
    value(",5 mm", CommaDecimal, 0.5);
    value("12.5 mm", All, 12.5);
    value("1.250 mm", PointDecimal, 1.25);
    value("0.250 mm", All, 0.25); // a group never follows a leading 0
    value(".5 mm", All, 0.5);
    // Signs, exponents, fractions, feet and inches.
    value("\u22122.5 mm", All, -2.5);
    value("1.5E-3 m", All, 0.0015);
    value("1,5E-3 m", CommaDecimal, 0.0015);
    value("1.5\u00D710\u00B3 m", All, 1500.0);
    value("1,5\u00D710^\u22123 m", CommaDecimal, 0.0015);
    value("\u00BD in", All, 0.5);
    value("1 \u00BD in", All, 1.5);
    value("-2\u215E in", All, -2.875);
    value("1 1/4 in", All, 1.25);
    value("5' 3\"", All, 63.0);
    value("5'3\"", All, 63.0);
    value("5 ft 3\u00BD in", All, 63.5);
    value("1-1/2 in", All, 1.5);
    value("2x10^3 N", All, 2000.0);
    value("5'3-1/2\"", All, 63.5);
    value("\uFF11\uFF12\uFF0E\uFF15 \uFF4D\uFF4D", All, 12.5); // full-width forms
    // Two readings, or none.
    refused("1.250 mm", PointGroups, qzUnitParser::AmbiguousNumber, "'1.250' can be read as 1,25 or as 1250");
    refused("1.250 mm", BlankGroups, qzUnitParser::AmbiguousNumber, "'1.250' can be read as 1,25 or as 1250"); // by hand
    refused("-1.250e3 mm", PointGroups, qzUnitParser::AmbiguousNumber, "can be read as -1250 or as -1250000");
    refused("1'234.5 mm", "C en_US de_DE fr_FR", qzUnitParser::AmbiguousNumber, "apostrophe in '1'234' can be a foot mark");
    refused("1'23'456 mm", "de_CH", qzUnitParser::MalformedNumber, "'1'23'456' do not form a number");
    refused("12'34 mm", "de_CH", qzUnitParser::MalformedNumber, "'12'34' do not form a number"); // no inch mark after 34
    refused("12'34 mm", "C en_US", qzUnitParser::AmbiguousNumber, "can be a foot mark");
    refused("1 250,5 mm", "C en_US de_DE de_CH", qzUnitParser::MalformedNumber, "'1 250' do not form a number");
    refused("1,5 mm", PointDecimal, qzUnitParser::MalformedNumber, "'1,5 mm': the decimal comma is not read in this locale");
    refused("0,250 mm", CommaGroups, qzUnitParser::MalformedNumber, "decimal comma");
    refused("1.5.2 mm", "C en_US de_CH fr_FR", qzUnitParser::MalformedNumber, "'1.5.2' has more than one decimal point");
    refused("1..5 mm", "C zh_CN cs_CZ", qzUnitParser::MalformedNumber, "'1..5' has more than one decimal point");
    refused("1,5,2 mm", CommaDecimal, qzUnitParser::MalformedNumber, "more than one decimal point");
    refused("1.234,5 kg", "C en_US fr_FR", qzUnitParser::MalformedNumber, "'1.234,5' do not form a number");
    refused("12.34.567 m", PointGroups, qzUnitParser::MalformedNumber, "do not form a number");
    refused("5 ft 3,5 in", "en_US", qzUnitParser::MalformedNumber, "decimal comma");
}

void tst_qzUnitNumberReader::reads()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(double, number);
    QFETCH(int, error);
    QFETCH(QString, says);
    const qzUnitParser::Result result = qzUnitParser::parse(text, QLocale(locale));
    QCOMPARE(int(result.error), error);
    QVERIFY2(result.message.contains(says), qPrintable(result.message));
    QCOMPARE(result.value.isUndefined(), error != qzUnitParser::NoError);
    QVERIFY2(error || closeTo(result.value.value(), number, 1e-15), qPrintable(QString::number(result.value.value(), 'g', 17)));
}

// Numbers Qt writes in each locale (grouped and not; fixed, general and
// exponent forms) and the library writes with its unit read back as exactly
// that number. The only refusal allowed is a text whose point may be a group
// separator there ("1.234" in German and French), and it must be refused as
// ambiguous, not read as either number.
void tst_qzUnitNumberReader::readsBackWhatIsWritten_data()
{
    QTest::addColumn<QString>("locale");
    for (const QString& locale : QString::fromLatin1(All).split(QLatin1Char(' ')))
        QTest::newRow(qPrintable(locale)) << locale;
}

void tst_qzUnitNumberReader::readsBackWhatIsWritten()
{
    QFETCH(QString, locale);
    QVector<double> values{0.0, 1250.0, 1.25, 1234567.0, 1234.567, 0.001, 1e21, 5e-324, 1.7976931348623157e308, -1234.5, qInf()};
    std::mt19937_64 random(24);
    for (int i = 0; i < 150; ++i) {
        // Short and long mantissas over many magnitudes, either sign.
        const double mantissa = std::uniform_real_distribution<double>(1.0, 10.0)(random);
        const int digits = 1 + int(random() % 17);
        const double magnitude = std::pow(10.0, int(random() % 34) - 12);
        const double value = QString::number(mantissa, 'g', digits).toDouble() * magnitude;
        values.append(random() % 2 ? value : -value);
    }
    QLocale grouped(locale);
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // A point before three digits is a group where the locale groups with it
    // or where its decimal separator is the comma (grouped so by hand).
    const bool pointGroups = grouped.groupSeparator() == QStringLiteral(".") || grouped.decimalPoint() == QStringLiteral(",");
    const int shortest = QLocale::FloatingPointShortest;
    int ambiguous = 0;
    for (const double value : values) {
        QStringList texts;
        for (const QLocale& form : {grouped, plain}) {
            texts << form.toString(value, 'f', shortest) + QStringLiteral(" m") << form.toString(value, 'g', 17) + QStringLiteral(" m")
                  << form.toString(value, 'e', shortest) + QStringLiteral(" m");
        }
        const qzUnitValue written(qzUnitSystem::Length, value, 0);
        texts << written.valueSymbolString('g', 17) << written.valueSymbolString('g', shortest);
        for (const QString& text : texts) {
            const qzUnitParser::Result result = qzUnitParser::parse(text, grouped);
            if (result.error == qzUnitParser::AmbiguousNumber && pointGroups && text.contains(QLatin1Char('.'))) {
                ++ambiguous;
                continue;
            }
            QVERIFY2(result.error == qzUnitParser::NoError, qPrintable(text + QStringLiteral(": ") + result.message));
            QVERIFY2(result.value.value() == value, qPrintable(text + QStringLiteral(" read as ") + QString::number(result.value.value(), 'g', 17)));
        }
    }
    // "1.234" written by the library must have been refused in German.
    QCOMPARE(ambiguous > 0, pointGroups);
}

// Pasted walls of text are refused (or read) in linear time.
void tst_qzUnitNumberReader::longPasteRefusedQuickly()
{
    if (qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("vgpreload")))
        QSKIP("timing means nothing under valgrind");
    const int n = 200000;
    const QStringList texts{QString(n, QLatin1Char('1')) + QStringLiteral(" mm"), QStringLiteral("1.").repeated(n / 2),
                            QStringLiteral("1 ").repeated(n / 2), QStringLiteral("1'").repeated(n / 2),
                            QStringLiteral("1,").repeated(n / 2) + QStringLiteral("5 m"), QString(n, QChar(0x00BD)),
                            QStringLiteral("1 234 ").repeated(n / 6), QStringLiteral("1 ft ").repeated(n / 5)};
    for (const QString& text : texts) {
        for (const char* locale : {"C", "de_DE", "fr_FR", "de_CH"}) {
            QElapsedTimer timer;
            timer.start();
            qzUnitParser::parse(text, QLocale(QString::fromLatin1(locale)));
            QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms for %2...").arg(timer.elapsed()).arg(text.left(8))));
        }
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitNumberReader)
#include "tst_qzUnitNumberReader.moc"
