// Time and duration formatting; information sizes and their formatting.
#include <qzUnitOfInformation.h>
#include <qzUnitTime.h>
#include <qzUnitValue.h>

#include "checks.h"

#include <QtTest>

#include <limits>

class tst_qzUnitTime : public QObject
{
    Q_OBJECT

private slots:
    void unitsAndValues();
    void formatDuration_data();
    void formatDuration() { checkText(); }
    void formatHugeDurations();
    void formatNegativeDurations();
    void informationIsExact();
    void prettyBytes_data();
    void prettyBytes();
};

void tst_qzUnitTime::unitsAndValues()
{
    QCOMPARE(qzUnitTime::symbol(4), QString(QChar(0x00B5)) + QStringLiteral("s"));
    QCOMPARE(converted(qzUnitSystem::Time, qzUnitTime::Hour, qzUnitTime::Minute), 60.0);
    QCOMPARE(converted(qzUnitSystem::Time, qzUnitTime::Microsecond, qzUnitTime::Millisecond, 1000.0), 1.0);
    QCOMPARE(qzUnitTime::seconds(5.0).valueSymbolString('g', 6), QStringLiteral("5.0 s"));
    QCOMPARE(qzUnitTime::create(2.5, qzUnitTime::Minute).valueSymbolString('g', 6), QStringLiteral("2.5 min"));
}

// Hours lead when positive, the minutes and seconds after them padded; below
// a minute, hundredths when the seconds have them.
void tst_qzUnitTime::formatDuration_data()
{
    textColumns();
    text("hours lead", qzUnitTime::formatDuration(3725.0, 0), QStringLiteral("1h 02m 05s"));
    text("minutes lead", qzUnitTime::formatDuration(125.0, 0), QStringLiteral("2m 05s"));
    text("one minute", qzUnitTime::formatDuration(1.0, 1), QStringLiteral("1m 00s"));
    text("whole seconds", qzUnitTime::formatDuration(7.0, 0), QStringLiteral("7s"));
    text("hundredths", qzUnitTime::formatDuration(59.5, 0), QStringLiteral("59.50s"));
    text("milliseconds", qzUnitTime::formatDuration(250.0, 3), QStringLiteral("0.25s"));
    text("fraction dropped", qzUnitTime::formatDuration(7259.999, 0), QStringLiteral("2h 00m 59s"));
    text("below a hundredth", qzUnitTime::formatDuration(0.004, 0), QStringLiteral("0s"));
    text("hundredfold just below whole", qzUnitTime::formatDuration(2.01, 0), QStringLiteral("2s"));
    text("unknown unit is seconds", qzUnitTime::formatDuration(90.0, 7), QStringLiteral("1m 30s"));
    text("negative shows the rest below a minute", qzUnitTime::formatDuration(-90.0, 0), QStringLiteral("-30s"));
    text("last hour of an int count", qzUnitTime::formatDuration(596523.0 * 3600.0 + 3599.0, 0), QStringLiteral("596523h 59m 59s"));
    text("first hour past an int count", qzUnitTime::formatDuration(596524.0, 2), QStringLiteral("596524h 00m 00s"));
    text("1e15 seconds", qzUnitTime::formatDuration(1e15, 0), QStringLiteral("277777777777h 46m 40s"));
    text("nan", qzUnitTime::formatDuration(qQNaN(), 0), QStringLiteral("nan"));
    text("inf", qzUnitTime::formatDuration(qInf(), 2), QStringLiteral("inf"));
    text("-inf", qzUnitTime::formatDuration(-qInf(), 0), QStringLiteral("-inf"));
}

// From 2^53 s on a double no longer holds every second: the text is the
// truncated hour count alone, every digit of it right.
void tst_qzUnitTime::formatHugeDurations()
{
    const double huge[] = { 9007199254740992.0, 1e20, 1e300, std::numeric_limits<double>::max() };
    for (double seconds : huge) {
        const QString text = qzUnitTime::formatDuration(seconds, 0);
        QVERIFY2(text.endsWith(QLatin1Char('h')) && !text.contains(QLatin1Char(' ')), qPrintable(text));
        bool ok = false;
        const double hours = text.chopped(1).toDouble(&ok);
        QVERIFY2(ok && closeTo(hours, std::trunc(seconds / 3600.0), 5e-15), qPrintable(text));
        const QString mantissa = text.section(QLatin1Char('e'), 0, 0).remove(QLatin1Char('.')).remove(QLatin1Char('h'));
        QVERIFY2(mantissa.size() <= 15, qPrintable(text));
    }
    const QString below = qzUnitTime::formatDuration(9007199254740991.0, 0);
    QVERIFY2(below.endsWith(QLatin1String("m 31s")), qPrintable(below));
}

// Hours and minutes that are not positive are left out, whatever the size.
void tst_qzUnitTime::formatNegativeDurations()
{
    const double values[] = { -59.5, -3725.0, -3e9, -9007199254740991.0, -1e300, -std::numeric_limits<double>::max() };
    for (double seconds : values) {
        const QString text = qzUnitTime::formatDuration(seconds, 0);
        QCOMPARE(text, qzUnitTime::formatDuration(std::fmod(seconds, 60.0), 0));
        QVERIFY2(!text.contains(QLatin1Char('h')) && !text.contains(QLatin1Char('m')), qPrintable(text));
    }
}

void tst_qzUnitTime::informationIsExact()
{
    // Every step is a power of 1024, so conversions are exact both ways.
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            double value = 3.0;
            qzUnitOfInformation::changeTo(from, to, value);
            QVERIFY2(value == std::ldexp(3.0, 10 * (from - to)), qPrintable(QStringLiteral("%1 -> %2").arg(from).arg(to)));
        }
    }
}

void tst_qzUnitTime::prettyBytes_data()
{
    // Rows in unit 0 are also given to the byte-count overload.
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const auto bytes = [](const char* name, double count, const char* expected) {
        QTest::newRow(name) << 0 << count << QString::fromLatin1(expected);
    };
    bytes("zero", 0, "0 B");
    bytes("negative stays in bytes", -5000, "-5000 B");
    bytes("below a kilobyte", 1023, "1023 B");
    bytes("one kilobyte", 1024, "1.0 kB");
    bytes("one and a half", 1536, "1.5 kB");
    bytes("just below 100 rounds up", 102399, "100.0 kB");
    bytes("exactly 100 has no decimal", 102400, "100 kB");
    bytes("below a megabyte", 1048575, "1024 kB");
    bytes("one megabyte", 1048576, "1.0 MB");
    bytes("one terabyte", 1099511627776, "1.0 TB");
    bytes("no larger unit", std::ldexp(1.0, 50), "1024 TB");
    QTest::newRow("megabytes come back as megabytes") << 2 << 2.0 << QStringLiteral("2.0 MB");
    QTest::newRow("half a kilobyte goes down to bytes") << 1 << 0.5 << QStringLiteral("512 B");
}

void tst_qzUnitTime::prettyBytes()
{
    QFETCH(int, unit);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const qzUnitValue amount(qzUnitSystem::OfInformation, value, unit);
    QCOMPARE(qzUnitOfInformation::prettyValueSymbol(amount), expected);
    QCOMPARE(amount.unitIndex(), unit);
    if (unit == 0)
        QCOMPARE(qzUnitOfInformation::prettyValueSymbol(static_cast<long long>(value)), expected);
}

QTEST_GUILESS_MAIN(tst_qzUnitTime)
#include "tst_qzUnitTime.moc"
