#include <qzFFFUnit.h>
#include <qzUnitLength.h>
#include <qzUnitValue.h>

#include "checks.h"

#include <cmath>
#include <limits>

namespace {
qzUnitValue metres(double v) { return qzUnitValue(qzUnitSystem::Length, v, int(qzUnitLength::Meter)); }
qzUnitValue millimetres(double v) { return qzUnitValue(qzUnitSystem::Length, v, int(qzUnitLength::Millimeter)); }
qzUnitValue celsius(double v) { return qzUnitValue(qzUnitSystem::Temperature, v, 1); }
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// A value as "number symbol", which shows its number, unit and dimension at once.
QString shown(const qzUnitValue& value) { return value.valueSymbolString('g', 6); }

QByteArray streamed(const qzUnitValue& value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}
} // namespace

class tst_qzUnitValue : public QObject
{
    Q_OBJECT

private slots:
    void states();
    void values_data();
    void values() { checkText(); }
    void comparisons();
    void fuzzyCompare_data();
    void fuzzyCompare() { checkResult(); }
    void legacyCodes_data();
    void legacyCodes() { checkResult(); }
    void streamRoundTrip_data();
    void streamRoundTrip();
};

void tst_qzUnitValue::states()
{
    const qzUnitValue defaulted;
    QCOMPARE(int(defaulted.dimension()), -1);
    QVERIFY(defaulted.value() == 0.0 && !defaulted.isUndefined() && defaulted.isDefined());
    const qzUnitValue undefined = qzUnitValue::makeUndefined();
    QVERIFY(undefined.isUndefined() && undefined.value() == 0.0 && undefined.value(2) == 0.0);
    QVERIFY((undefined * 2.0).isUndefined() && (-undefined).isUndefined());
    qzUnitValue notANumber = metres(1.0);
    notANumber.setValue(NaN);
    QVERIFY(!notANumber.isUndefined() && qIsNaN(notANumber.value()) && qIsNaN(notANumber.value(2)));
    const qzUnitValue sum = metres(1.0) + qzUnitValue(qzUnitSystem::Mass, 2.0, 0);
    QVERIFY(int(sum.dimension()) == -1 && sum.value() == 0.0 && !sum.isUndefined());
    // Legacy codes that name no unit.
    QVERIFY(qzFFFUnitName(41 * 65536).isNull() && qzFFFUnitName(327690).isNull());
    QCOMPARE(convertFFFUnitToUnitSystem(327690).unitIndex(), 10);
    QVERIFY(convertFFFUnitToUnitValue(-1, 2.0).unitSystem().isUndefined());
}

// What reading, assigning, computing and formatting make of values, each
// shown as "number symbol".
void tst_qzUnitValue::values_data()
{
    textColumns();
    const auto row = [](const char* name, const QString& actual, const char* expected) { text(name, actual, QString::fromUtf8(expected)); };
    const qzUnitValue length = metres(1.5);
    row("read in another unit", QString::number(length.value(2)), "1500");
    row("a converted copy", shown(length.copyTo(2)), "1500.0 mm");
    row("SI value", QString::number(millimetres(2500.0).siValue()), "2.5");
    row("made in the standard unit", shown(qzUnitValue(millimetres(0.0), 2500.0, true)), "2.5 m");
    row("with a symbol by index", metres(1.0).valueSymbolString(7, 'g', 6), "1.0e+06 µm");
    row("no unit 12: the copy keeps its number", metres(1.0).valueSymbolString(12, 'g', 6), "1.0 ");
    row("no dimension, no symbol", shown(qzUnitValue()), "0.0");
    // Qt's text, with ".0" where a number would read as an integer.
    row("integer gets .0", metres(2.0).valueString('g', 6), "2.0");
    row("big exponent", metres(1e20).valueString('g', 6), "1.0e+20");
    row("E precision 0", metres(1e20).valueString('E', 0), "1E+20");
    row("E lower-cased", metres(1e20).valueString('G', 6), "1.0e+20");
    row("mantissa with point", metres(1.5).valueString('e', 3), "1.500e+00");
    row("f precision 0", metres(3.0).valueString('f', 0), "3");
    row("infinity", metres(Inf).valueString('g', 6), "inf");
    row("NaN", metres(NaN).valueString('g', 16), "nan");

    qzUnitValue target = millimetres(5.0);
    const qzUnitValue mass(qzUnitSystem::Mass, 7.0, 3);
    target = mass;
    row("assignment keeps dimension and unit", shown(target), "7.0 mm");
    target.exchangeValue(mass);
    row("exchange takes everything", shown(target), "7.0 lb");
    qzUnitValue defaulted;
    defaulted = millimetres(4.0);
    row("a defaulted value takes everything", shown(defaulted), "4.0 mm");
    qzUnitValue set = millimetres(1.0);
    set.setValue(5.0, 10);
    row("setValue ignores an unknown unit", shown(set), "5.0 mm");
    set.setValue(6.0, 4);
    row("setValue takes a known unit", shown(set), "6.0 in");

    // Values meet in unit 0; plain numbers are taken in the value's own unit.
    row("sum in the left unit", shown(metres(1.0) + millimetres(500.0) - millimetres(250.0)), "1.25 m");
    row("number plus", shown(2.0 + millimetres(3.0)), "5.0 mm");
    row("divided by zero is unchanged", shown(millimetres(3.0) / 0.0), "3.0 mm");
    qzUnitValue sum = millimetres(1.0);
    sum += metres(1.0);
    sum -= millimetres(0.5);
    sum += 1.0;
    sum -= 0.5;
    row("compound operators", shown(sum), "1001.0 mm");
    sum = metres(1.0);
    sum += qzUnitValue(qzUnitSystem::Mass, 2.0, 0);
    row("compound sum takes any dimension in unit 0", shown(sum), "3.0 m");
    qzUnitValue scaled = millimetres(4.0);
    (scaled *= 2.0).setValue(100.0);
    (scaled /= 4.0).setValue(100.0);
    row("*= and /= return copies", shown(scaled), "2.0 mm");
    scaled /= 0.0;
    row("/= 0 leaves the value", shown(scaled), "2.0 mm");
    row("Celsius plus a number", shown(celsius(20.0) + 2.0), "22.0 °C");
    row("Celsius doubled in kelvin", shown(celsius(20.0) * 2.0), "313.15 °C");
    row("Celsius added in kelvin", shown(celsius(20.0) + celsius(10.0)), "303.15 °C");
    row("Celsius negated in kelvin", shown(-celsius(20.0)), "-566.3 °C");

    row("legacy code to value", shown(convertFFFUnitToUnitValue(327682, 3.5)), "3.5 mm");
    row("legacy name of the undefined code", qzFFFUnitName(-1) + qzFFFUnitSymbol(-1), "--");
    row("legacy dimension name", qzFFFDimensionName(327682), "Length");
    row("stream record", QString::fromLatin1(streamed(millimetres(12.5)).toHex()), "00000005402900000000000000000002");
    QString debug;
    QDebug(&debug) << millimetres(12.5) << qzUnitSystem(qzUnitSystem::Length, 4);
    row("debug output", debug, "qzUnitValue(Length, 12.5 mm) qzUnitSystem(Length, in) ");

    // A typed unit that is no row stands in the row of its factor, else in unit 0.
    row("read as the row of the same factor", shown(qzUnitValue::fromString(QStringLiteral("3 kN/m^2"))), "3.0 kPa");
    row("read in unit 0 without such a row", shown(qzUnitValue::fromString(QStringLiteral("3 mN"))), "0.003 N");
}

void tst_qzUnitValue::comparisons()
{
    QVERIFY(metres(1.0) == millimetres(1000.0) && metres(1.0) != millimetres(1000.0)); // != compares stored numbers
    QVERIFY(!(metres(1.0) != metres(1.0)) && !(metres(1.0) == qzUnitValue(qzUnitSystem::Mass, 1.0, 0)));
    QVERIFY(metres(1.0) == 1.0 && millimetres(1000.0) != 1.0 && millimetres(3.0) < 4.0 && millimetres(3.0) > 2.0);
    QVERIFY(millimetres(999.0) < metres(1.0) && metres(1.001) > millimetres(1000.0));
    QVERIFY(metres(1.0) <= millimetres(1000.0) && metres(1.0) >= millimetres(1000.0));
    const qzUnitValue a = qzUnitValue::makeUndefined(), b = qzUnitValue::makeUndefined();
    QVERIFY(!(a == b) && a.fuzzyEq(b));
}

// fuzzyCompare: 0 when equal within the tolerance, relative from 1 on;
// otherwise -1 or 1 as a < b or a > b, -1 with NaN.
void tst_qzUnitValue::fuzzyCompare_data()
{
    resultColumns();
    const auto compared = [](const char* name, double a, double b, double tolerance, int expected) {
        result(name, qzUnitValue::fuzzyCompare(a, b, tolerance), expected, 0.0);
    };
    compared("next double above 1e6", 1e6, std::nextafter(1e6, 2e6), 1e-20, 0);
    compared("1e6 against 1e6 + 1e-9", 1e6, 1e6 + 1e-9, 1e-20, -1);
    compared("absolute below one", 0.5, 0.5 + 1e-16, 1e-20, 0);
    compared("beyond tolerance", 1.0, 2.0, 0.5, -1);
    compared("at tolerance", 2.0, 1.0, 1.0, 0);
    compared("greater", 3.0, 1.0, 0.5, 1);
    compared("negative tolerance", 2.0, 1.0, -1.0, 0);
    compared("NaN left", NaN, 1.0, 1e-20, -1);
    compared("NaN right", 1.0, NaN, 1e-20, -1);
}

// Codes are dimension * 65536 + unit; -1 stands for the undefined unit.
void tst_qzUnitValue::legacyCodes_data()
{
    resultColumns();
    result("length mm", qzFFFUnit(qzUnitSystem::Length, 2), 5 * 65536 + 2, 0.0);
    result("stress", qzFFFUnit(qzUnitSystem::Stress, 3), 13 * 65536 + 3, 0.0);
    result("undefined", qzFFFUnit(qzUnitSystem::Undefined, 0), -1, 0.0);
    result("negative unit", qzFFFUnit(qzUnitSystem::Length, -1), -1, 0.0);
    result("index beyond 16 bits", qzFFFUnit(qzUnitSystem::Length, 65536), 6 * 65536, 0.0);
    result("dimension of a code", qzFFFUnitGetDimension(13 * 65536 + 3), 13, 0.0);
    result("unit of a code", qzFFFUnitGetUnitIndex(13 * 65536 + 3), 3, 0.0);
    result("code of a value", convertUnitValueToFFFUnit(millimetres(1.0)), 5 * 65536 + 2, 0.0);
}

void tst_qzUnitValue::streamRoundTrip_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::newRow("negative zero") << millimetres(-0.0);
    QTest::newRow("undefined") << qzUnitValue::makeUndefined();
    QTest::newRow("default") << qzUnitValue();
    QTest::newRow("dimension 41") << qzUnitValue(qzUnitSystem::Dimension(41), 2.0, 0);
    QTest::newRow("NaN length") << metres(NaN);
    QTest::newRow("index beyond table") << qzUnitValue(qzUnitSystem::Length, 1.0, 12);
}

void tst_qzUnitValue::streamRoundTrip()
{
    QFETCH(qzUnitValue, value);
    const QByteArray bytes = streamed(value);
    QCOMPARE(bytes.size(), 16);
    qzUnitValue read = metres(9.0);
    QDataStream in(bytes);
    in >> read;
    QVERIFY(identical(read, value) && read.isUndefined() == value.isUndefined());
    // A record cut short reads past the end, and leaves a usable value.
    for (int size = 0; size < bytes.size(); ++size) {
        QDataStream cut(bytes.left(size));
        cut >> read;
        QVERIFY(cut.status() == QDataStream::ReadPastEnd && read.unitSystem().maxIndex() >= 1);
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitValue)
#include "tst_qzUnitValue.moc"
