#include <qzUnitTime.h>
#include <qzUnitValue.h>

#include "dimensionChecks.h"

#include <QtTest>

#include <limits>

class tst_qzUnitTime : public QObject
{
    Q_OBJECT

private slots:
    void timeClass();
    void values();
    void formatDuration_data();
    void formatDuration();
    void formatHugeDurations();
    void formatNegativeDurations();
};

void tst_qzUnitTime::timeClass()
{
    const QString wrong = classFailures(qzUnitSystem::Time, "qzUnitTime", "Time", nullptr, 5);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(qzUnitTime::symbol(4), QString(QChar(0x00B5)) + QStringLiteral("s"));
    QCOMPARE(converted(qzUnitSystem::Time, qzUnitTime::Hour, qzUnitTime::Minute), 60.0);
    QCOMPARE(converted(qzUnitSystem::Time, qzUnitTime::Microsecond, qzUnitTime::Millisecond, 1000.0), 1.0);
}

void tst_qzUnitTime::values()
{
    const qzUnitValue fiveSeconds = qzUnitTime::seconds(5.0);
    QCOMPARE(int(fiveSeconds.dimension()), int(qzUnitSystem::Time));
    QCOMPARE(fiveSeconds.unitIndex(), 0);
    QCOMPARE(fiveSeconds.value(), 5.0);
    QVERIFY(fiveSeconds.unitSystem() == qzUnitTime::create(5.0, qzUnitTime::Second).unitSystem());
    const qzUnitValue minutes = qzUnitTime::create(2.5, qzUnitTime::Minute);
    QCOMPARE(minutes.unitIndex(), 1);
    QCOMPARE(minutes.value(), 2.5);
}

void tst_qzUnitTime::formatDuration_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hours lead") << 3725.0 << 0 << QStringLiteral("1h 02m 05s");
    QTest::newRow("hours unit") << 1.5 << 2 << QStringLiteral("1h 30m 00s");
    QTest::newRow("minutes lead") << 125.0 << 0 << QStringLiteral("2m 05s");
    QTest::newRow("one minute") << 1.0 << 1 << QStringLiteral("1m 00s");
    QTest::newRow("whole seconds") << 7.0 << 0 << QStringLiteral("7s");
    QTest::newRow("hundredths") << 59.5 << 0 << QStringLiteral("59.50s");
    QTest::newRow("milliseconds") << 250.0 << 3 << QStringLiteral("0.25s");
    QTest::newRow("microseconds") << 1500000.0 << 4 << QStringLiteral("1.50s");
    QTest::newRow("fraction dropped") << 7259.999 << 0 << QStringLiteral("2h 00m 59s");
    QTest::newRow("ten hours") << 36000.0 << 0 << QStringLiteral("10h 00m 00s");
    QTest::newRow("zero") << 0.0 << 0 << QStringLiteral("0s");
    QTest::newRow("below a hundredth") << 0.004 << 0 << QStringLiteral("0s");
    QTest::newRow("half a second") << 0.5 << 0 << QStringLiteral("0.50s");
    QTest::newRow("hundredfold just below whole") << 2.01 << 0 << QStringLiteral("2s");
    QTest::newRow("unknown unit is seconds") << 90.0 << 7 << QStringLiteral("1m 30s");
    QTest::newRow("negative unit is seconds") << 90.0 << -1 << QStringLiteral("1m 30s");
    QTest::newRow("negative shows the rest below a minute") << -90.0 << 0 << QStringLiteral("-30s");
    QTest::newRow("last hour of an int count") << 596523.0 * 3600.0 + 3599.0 << 0 << QStringLiteral("596523h 59m 59s");
    QTest::newRow("first hour past an int count") << 596524.0 << 2 << QStringLiteral("596524h 00m 00s");
    QTest::newRow("past 2^31 seconds") << 3e9 << 0 << QStringLiteral("833333h 20m 00s");
    QTest::newRow("1e15 seconds") << 1e15 << 0 << QStringLiteral("277777777777h 46m 40s");
    QTest::newRow("nan") << qQNaN() << 0 << QStringLiteral("nan");
    QTest::newRow("inf") << qInf() << 2 << QStringLiteral("inf");
    QTest::newRow("-inf") << -qInf() << 0 << QStringLiteral("-inf");
}

void tst_qzUnitTime::formatDuration()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(QString, expected);
    QCOMPARE(qzUnitTime::formatDuration(value, unit), expected);
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
        QVERIFY2(ok, qPrintable(text));
        QVERIFY2(closeTo(hours, std::trunc(seconds / 3600.0), 5e-15), qPrintable(text));
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

QTEST_GUILESS_MAIN(tst_qzUnitTime)
#include "tst_qzUnitTime.moc"
