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
    void formatDuration_data();
    void formatDuration() { checkText(); }
    void prettyBytes_data();
    void prettyBytes() { checkText(); }
};

// Hours lead when positive, the minutes and seconds after them padded; below
// a minute, hundredths when the seconds have them. Negative durations show
// only their part below a minute, whatever their size.
void tst_qzUnitTime::formatDuration_data()
{
    textColumns();
    const auto row = [](const char* name, double value, int unit, const char* expected) {
        text(name, qzUnitTime::formatDuration(value, unit), QString::fromLatin1(expected));
    };
    row("hours lead", 3725.0, 0, "1h 02m 05s");
    row("minutes lead", 125.0, 0, "2m 05s");
    row("whole seconds", 7.0, 0, "7s");
    row("hundredths", 59.5, 0, "59.50s");
    row("milliseconds", 250.0, 3, "0.25s");
    row("fraction dropped", 7259.999, 0, "2h 00m 59s");
    row("hundredfold just below whole", 2.01, 0, "2s");
    row("unknown unit is seconds", 90.0, 7, "1m 30s");
    row("negative", -90.0, 0, "-30s");
    row("negative beyond 2^53", -1e20, 0, "-40s");
    row("last hour of an int count", 596523.0 * 3600.0 + 3599.0, 0, "596523h 59m 59s");
    row("just below 2^53", 9007199254740991.0, 0, "2501999792983h 36m 31s");
    // From 2^53 s on a double no longer holds every second: the hours alone, truncated, to 15 digits.
    row("2^53", 9007199254740992.0, 0, "2501999792983h");
    row("1e300", 1e300, 0, "2.77777777777778e+296h");
    row("nan", qQNaN(), 0, "nan");
    row("inf", qInf(), 2, "inf");
    row("-inf", -qInf(), 0, "-inf");
}

// Counts of bytes, as values in unit 0 and as plain counts.
void tst_qzUnitTime::prettyBytes_data()
{
    textColumns();
    const auto pretty = [](const char* name, double value, int unit, const char* expected) {
        text(name, qzUnitOfInformation::prettyValueSymbol(qzUnitValue(qzUnitSystem::OfInformation, value, unit)), QString::fromLatin1(expected));
        if (unit == 0)
            text(QByteArray(name).append(" as a count").constData(), qzUnitOfInformation::prettyValueSymbol(static_cast<long long>(value)), QString::fromLatin1(expected));
    };
    pretty("zero", 0, 0, "0 B");
    pretty("negative stays in bytes", -5000, 0, "-5000 B");
    pretty("below a kilobyte", 1023, 0, "1023 B");
    pretty("one kilobyte", 1024, 0, "1.0 kB");
    pretty("just below 100 rounds up", 102399, 0, "100.0 kB");
    pretty("exactly 100 has no decimal", 102400, 0, "100 kB");
    pretty("below a megabyte", 1048575, 0, "1024 kB");
    pretty("one terabyte", 1099511627776, 0, "1.0 TB");
    pretty("no larger unit", std::ldexp(1.0, 50), 0, "1024 TB");
    pretty("megabytes come back as megabytes", 2.0, 2, "2.0 MB");
    pretty("half a kilobyte goes down to bytes", 0.5, 1, "512 B");
}

QTEST_GUILESS_MAIN(tst_qzUnitTime)
#include "tst_qzUnitTime.moc"
