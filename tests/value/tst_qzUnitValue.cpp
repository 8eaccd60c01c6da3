#include <qzFFFUnit.h>
#include <qzUnitLength.h>
#include <qzUnitValue.h>

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
const qzUnitValue metres(double v) { return qzUnitValue(qzUnitSystem::Length, v, int(qzUnitLength::Meter)); }
const qzUnitValue millimetres(double v) { return qzUnitValue(qzUnitSystem::Length, v, int(qzUnitLength::Millimeter)); }
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
} // namespace

class tst_qzUnitValue : public QObject
{
    Q_OBJECT

private slots:
    void states();
    void readingDoesNotConvert();
    void assignmentAndExchange();
    void setValueOutOfRange();
    void arithmetic();
    void arithmeticAcrossDimensions();
    void temperaturesMeetInKelvin();
    void scalingReturnsCopies();
    void comparisons();
    void fuzzyCompare_data();
    void fuzzyCompare();
    void formatting_data();
    void formatting();
    void symbolStrings();
    void legacyCodes_data();
    void legacyCodes();
    void legacyValues();
    void streamRecord();
    void streamRoundTrip_data();
    void streamRoundTrip();
    void streamCutShort();
    void variantThroughStream();
    void hashing();
    void fromString_data();
    void fromString();
    void debugOutput();
};

void tst_qzUnitValue::states()
{
    const qzUnitValue defaulted;
    QCOMPARE(int(defaulted.dimension()), -1);
    QCOMPARE(defaulted.value(), 0.0);
    QVERIFY(!defaulted.isUndefined());
    QVERIFY(defaulted.isDefined());

    const qzUnitValue undefined = qzUnitValue::makeUndefined();
    QVERIFY(undefined.isUndefined());
    QCOMPARE(undefined.value(), 0.0);
    QCOMPARE(undefined.value(2), 0.0);

    qzUnitValue notANumber = metres(1.0);
    notANumber.setValue(NaN);
    QVERIFY(!notANumber.isUndefined());
    QVERIFY(qIsNaN(notANumber.value()));
    QVERIFY(qIsNaN(notANumber.value(2)));
}

void tst_qzUnitValue::readingDoesNotConvert()
{
    const qzUnitValue length = metres(1.5);
    QCOMPARE(length.value(2), 1500.0);
    const qzUnitValue copy = length.copyTo(2);
    QCOMPARE(copy.value(), 1500.0);
    QCOMPARE(copy.unitIndex(), 2);
    QCOMPARE(length.unitIndex(), 0);
    QCOMPARE(length.value(), 1.5);
    QCOMPARE(length.siValue(), 1.5);
    QCOMPARE(millimetres(2500.0).standard(), 2.5);

    const qzUnitValue standard(millimetres(0.0), 2500.0, true);
    QCOMPARE(standard.unitIndex(), 0);
    QCOMPARE(standard.value(), 2.5);
}

void tst_qzUnitValue::assignmentAndExchange()
{
    const qzUnitValue mass(qzUnitSystem::Mass, 7.0, 3);
    qzUnitValue length = millimetres(5.0);
    length = mass;
    QCOMPARE(length.dimension(), qzUnitSystem::Length);
    QCOMPARE(length.unitIndex(), 2);
    QCOMPARE(length.value(), 7.0);

    length.exchangeValue(mass);
    QCOMPARE(length.dimension(), qzUnitSystem::Mass);
    QCOMPARE(length.unitIndex(), mass.unitIndex());
    QCOMPARE(length.value(), 7.0);

    qzUnitValue defaulted;
    defaulted = millimetres(4.0);
    QCOMPARE(defaulted.dimension(), qzUnitSystem::Length);
    QCOMPARE(defaulted.unitIndex(), 2);

    // Exchanging a value with itself keeps it.
    defaulted.exchangeValue(defaulted);
    QCOMPARE(defaulted.value(), 4.0);
    QCOMPARE(defaulted.unitIndex(), 2);
}

void tst_qzUnitValue::setValueOutOfRange()
{
    qzUnitValue length = millimetres(1.0);
    length.setValue(5.0, 10);
    QCOMPARE(length.unitIndex(), 2);
    QCOMPARE(length.value(), 5.0);
    length.setValue(6.0, 4);
    QCOMPARE(length.unitIndex(), 4);
    QCOMPARE(length.value(), 6.0);
}

void tst_qzUnitValue::arithmetic()
{
    const qzUnitValue sum = metres(1.0) + millimetres(500.0);
    QCOMPARE(sum.unitIndex(), 0);
    QCOMPARE(sum.value(), 1.5);
    QCOMPARE((millimetres(500.0) + metres(1.0)).value(), 1500.0);
    QCOMPARE((metres(1.0) - millimetres(250.0)).value(), 0.75);
    QCOMPARE((millimetres(3.0) + 2.0).value(), 5.0);
    QCOMPARE((2.0 + millimetres(3.0)).value(), 5.0);
    QCOMPARE((millimetres(3.0) * 2.0).value(), 6.0);
    QCOMPARE((2.0 * millimetres(3.0)).value(), 6.0);
    QCOMPARE((-millimetres(3.0)).value(), -3.0);
    QCOMPARE((millimetres(3.0) / 0.0).value(), 3.0);
    QCOMPARE((millimetres(3.0) / 2.0).value(), 1.5);
    qzUnitValue accumulated = millimetres(1.0);
    accumulated += metres(1.0);
    accumulated -= millimetres(0.5);
    QCOMPARE(accumulated.value(), 1000.5);
    accumulated += 1.0;
    accumulated -= 0.5;
    QCOMPARE(accumulated.value(), 1001.0);

    const qzUnitValue undefined = qzUnitValue::makeUndefined();
    QVERIFY((undefined * 2.0).isUndefined());
    QVERIFY((-undefined).isUndefined());
}

void tst_qzUnitValue::arithmeticAcrossDimensions()
{
    const qzUnitValue mass(qzUnitSystem::Mass, 2.0, 0);
    const qzUnitValue sum = metres(1.0) + mass;
    QCOMPARE(int(sum.dimension()), -1);
    QCOMPARE(sum.value(), 0.0);
    QVERIFY(!sum.isUndefined());
    qzUnitValue compound = metres(1.0);
    compound += mass;
    QCOMPARE(compound.dimension(), qzUnitSystem::Length);
    QCOMPARE(compound.value(), 3.0);
}

// Unit 0 of temperature is the kelvin: scaling and adding Celsius values
// happen there, while a plain number is added in the value's own unit.
void tst_qzUnitValue::temperaturesMeetInKelvin()
{
    const qzUnitValue celsius(qzUnitSystem::Temperature, 20.0, 1);
    QCOMPARE((celsius + 2.0).value(), 22.0);
    QVERIFY(qFuzzyCompare((celsius * 2.0).value(), 313.15));
    QVERIFY(qFuzzyCompare((celsius + qzUnitValue(qzUnitSystem::Temperature, 10.0, 1)).value(), 303.15));
    QVERIFY(qFuzzyCompare((-celsius).value(), -566.3));
    QCOMPARE((-celsius).unitIndex(), 1);
}

void tst_qzUnitValue::scalingReturnsCopies()
{
    qzUnitValue value = millimetres(4.0);
    qzUnitValue scaled = (value *= 2.0);
    scaled.setValue(100.0);
    QCOMPARE(value.value(), 8.0);
    qzUnitValue divided = (value /= 4.0);
    divided.setValue(100.0);
    QCOMPARE(value.value(), 2.0);
    value /= 0.0;
    QCOMPARE(value.value(), 2.0);
}

void tst_qzUnitValue::comparisons()
{
    QVERIFY(metres(1.0) == millimetres(1000.0));
    QVERIFY(metres(1.0) != millimetres(1000.0)); // the stored numbers differ
    QVERIFY(!(metres(1.0) != metres(1.0)));
    QVERIFY(!(metres(1.0) == qzUnitValue(qzUnitSystem::Mass, 1.0, 0)));
    QVERIFY(metres(1.0) == 1.0);
    QVERIFY(millimetres(1000.0) != 1.0);
    QVERIFY(millimetres(999.0) < metres(1.0));
    QVERIFY(metres(1.0) <= millimetres(1000.0));
    QVERIFY(metres(1.001) > millimetres(1000.0));
    QVERIFY(metres(1.0) >= millimetres(1000.0));
    QVERIFY(millimetres(3.0) < 4.0 && millimetres(3.0) > 2.0);

    const qzUnitValue a = qzUnitValue::makeUndefined();
    const qzUnitValue b = qzUnitValue::makeUndefined();
    QVERIFY(!(a == b));
    QVERIFY(a.fuzzyEq(b));
}

void tst_qzUnitValue::fuzzyCompare_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("expected");
    QTest::newRow("next double above 1e6") << 1e6 << std::nextafter(1e6, 2e6) << 1e-20 << 0;
    QTest::newRow("1e6 against 1e6 + 1e-9") << 1e6 << 1e6 + 1e-9 << 1e-20 << -1;
    QTest::newRow("absolute below one") << 0.5 << 0.5 + 1e-16 << 1e-20 << 0;
    QTest::newRow("beyond tolerance") << 1.0 << 2.0 << 0.5 << -1;
    QTest::newRow("at tolerance") << 2.0 << 1.0 << 1.0 << 0;
    QTest::newRow("greater") << 3.0 << 1.0 << 0.5 << 1;
    QTest::newRow("negative tolerance") << 2.0 << 1.0 << -1.0 << 0;
    QTest::newRow("NaN left") << NaN << 1.0 << 1e-20 << -1;
    QTest::newRow("NaN right") << 1.0 << NaN << 1e-20 << -1;
}

void tst_qzUnitValue::fuzzyCompare()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, tolerance);
    QFETCH(int, expected);
    QCOMPARE(qzUnitValue::fuzzyCompare(a, b, tolerance), expected);
}

void tst_qzUnitValue::formatting_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<char>("format");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer gets .0") << 2.0 << 'g' << 6 << QStringLiteral("2.0");
    QTest::newRow("fraction unchanged") << 1.5 << 'g' << 6 << QStringLiteral("1.5");
    QTest::newRow("big exponent") << 1e20 << 'g' << 6 << QStringLiteral("1.0e+20");
    QTest::newRow("small exponent") << 1e-5 << 'g' << 6 << QStringLiteral("1.0e-05");
    QTest::newRow("E precision 0") << 1e20 << 'E' << 0 << QStringLiteral("1E+20");
    QTest::newRow("E lower-cased") << 1e20 << 'G' << 6 << QStringLiteral("1.0e+20");
    QTest::newRow("mantissa with point") << 1.5 << 'e' << 3 << QStringLiteral("1.500e+00");
    QTest::newRow("f precision 0") << 3.0 << 'f' << 0 << QStringLiteral("3");
    QTest::newRow("negative") << -5.0 << 'g' << 6 << QStringLiteral("-5.0");
    QTest::newRow("infinity") << Inf << 'g' << 6 << QStringLiteral("inf");
    QTest::newRow("minus infinity") << -Inf << 'g' << 16 << QStringLiteral("-inf");
    QTest::newRow("upper-case infinity") << Inf << 'G' << 6 << QStringLiteral("INF");
    QTest::newRow("NaN") << NaN << 'g' << 16 << QStringLiteral("nan");
    QTest::newRow("16 digits") << 0.1 << 'g' << 16 << QStringLiteral("0.1");
}

void tst_qzUnitValue::formatting()
{
    QFETCH(double, value);
    QFETCH(char, format);
    QFETCH(int, precision);
    QFETCH(QString, expected);
    QCOMPARE(metres(value).valueString(format, precision), expected);
}

void tst_qzUnitValue::symbolStrings()
{
    QCOMPARE(metres(2.0).valueSymbolString('g', 6), QStringLiteral("2.0 m"));
    QCOMPARE(qzUnitValue().valueSymbolString('g', 6), QStringLiteral("0.0"));
    const qzUnitValue metre = metres(1.0);
    QCOMPARE(metre.valueString(2, 'g', 6), QStringLiteral("1000.0"));
    QCOMPARE(metre.valueSymbolString(7, 'g', 6), QString::fromUtf8("1.0e+06 \u00B5m"));
    QCOMPARE(metre.valueSymbolString(12, 'g', 6), QStringLiteral("1.0 "));
    QCOMPARE(metre.unitIndex(), 0);
}

void tst_qzUnitValue::legacyCodes_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("code");
    QTest::newRow("length mm") << 5 << 2 << 327682;
    QTest::newRow("stress") << 13 << 3 << 851971;
    QTest::newRow("undefined") << -1 << 0 << -1;
    QTest::newRow("negative unit") << 5 << -1 << -1;
    QTest::newRow("index beyond 16 bits") << 5 << 65536 << 6 * 65536;
}

void tst_qzUnitValue::legacyCodes()
{
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(int, code);
    QCOMPARE(qzFFFUnit(qzUnitSystem::Dimension(dimension), unit), code);
    if (code >= 0 && unit < 65536) {
        QCOMPARE(int(qzFFFUnitGetDimension(code)), dimension);
        QCOMPARE(qzFFFUnitGetUnitIndex(code), unit);
    }
}

void tst_qzUnitValue::legacyValues()
{
    QCOMPARE(int(qzFFFUnitGetDimension(-1)), -1);
    QCOMPARE(qzFFFUnitGetUnitIndex(-1), 0);
    QCOMPARE(qzFFFUnitName(-1), QStringLiteral("-"));
    QCOMPARE(qzFFFUnitSymbol(-1), QStringLiteral("-"));
    QVERIFY(qzFFFUnitName(41 * 65536).isNull());
    QVERIFY(qzFFFUnitName(327690).isNull());
    QCOMPARE(qzFFFUnitSymbol(327682), QStringLiteral("mm"));
    QCOMPARE(qzFFFDimensionName(327682), QStringLiteral("Length"));
    QCOMPARE(qzFFFDimensionName(-1), QStringLiteral("Size of dimension one"));
    QCOMPARE(convertFFFUnitToUnitSystem(327690).unitIndex(), 10);
    const qzUnitValue value = convertFFFUnitToUnitValue(327682, 3.5);
    QCOMPARE(value.value(), 3.5);
    QCOMPARE(value.fffUnit(), 327682);
    QCOMPARE(convertUnitValueToFFFUnit(value), 327682);
    QVERIFY(convertFFFUnitToUnitValue(-1, 2.0).unitSystem().isUndefined());
}

void tst_qzUnitValue::streamRecord()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << millimetres(12.5);
    QCOMPARE(bytes.toHex(), QByteArray("00000005402900000000000000000002"));

    QDataStream in(bytes);
    qzUnitValue mass(qzUnitSystem::Mass, 1.0, 3);
    in >> mass;
    QCOMPARE(mass.dimension(), qzUnitSystem::Length);
    QCOMPARE(mass.unitIndex(), 2);
    QCOMPARE(mass.value(), 12.5);
}

void tst_qzUnitValue::streamRoundTrip_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::newRow("length") << millimetres(-0.0);
    QTest::newRow("undefined") << qzUnitValue::makeUndefined();
    QTest::newRow("default") << qzUnitValue();
    QTest::newRow("dimension 41") << qzUnitValue(qzUnitSystem::Dimension(41), 2.0, 0);
    QTest::newRow("NaN length") << metres(NaN);
    QTest::newRow("index beyond table") << qzUnitValue(qzUnitSystem::Length, 1.0, 12);
}

void tst_qzUnitValue::streamRoundTrip()
{
    QFETCH(qzUnitValue, value);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    QCOMPARE(bytes.size(), 16);
    qzUnitValue read = metres(9.0);
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(read.dimension(), value.dimension());
    QCOMPARE(read.unitIndex(), value.unitIndex());
    QCOMPARE(read.isUndefined(), value.isUndefined());
    QCOMPARE(std::signbit(read.value()), std::signbit(value.value()));
    QVERIFY(read.value() == value.value() || (qIsNaN(read.value()) && qIsNaN(value.value())));
}

void tst_qzUnitValue::streamCutShort()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << millimetres(12.5);
    for (int size = 0; size < bytes.size(); ++size) {
        QDataStream in(bytes.left(size));
        qzUnitValue read = metres(1.0);
        in >> read;
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
        // Whatever QDataStream leaves in the missing fields makes the value.
        QVERIFY(read.unitSystem().maxIndex() >= 1);
    }
}

void tst_qzUnitValue::variantThroughStream()
{
    qzUnitSystem::globalUnitSystem();
    QVERIFY(QMetaType::type("qzUnitValue") != QMetaType::UnknownType);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QVariant::fromValue(millimetres(12.5));
    QVariant read;
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(read.value<qzUnitValue>().value(), 12.5);
    QCOMPARE(read.value<qzUnitValue>().unitIndex(), 2);
}

void tst_qzUnitValue::hashing()
{
    QVERIFY(metres(1.0) == millimetres(1000.0));
    QVERIFY(qHash(metres(1.0)) != qHash(millimetres(1000.0)));
    QCOMPARE(qHash(metres(1.0)), qHash(metres(1.0)));
    QCOMPARE(qHash(qzUnitValue::makeUndefined()), qHash(0.0, 0u) + 4294967293u);
    QCOMPARE(qHash(millimetres(1000.0)) - qHash(metres(1.0)), 6u);
}

void tst_qzUnitValue::fromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("error");
    QTest::newRow("blank") << QStringLiteral("12.5 mm") << -1 << 12.5 << 2 << QString();
    QTest::newRow("glued") << QStringLiteral("12.5mm") << -1 << 12.5 << 2 << QString();
    QTest::newRow("name and exponent") << QStringLiteral(" -3e2 Inch ") << -1 << -300.0 << 4 << QString();
    QTest::newRow("restricted") << QStringLiteral("1 km") << 5 << 1.0 << 9 << QString();
    QTest::newRow("unknown") << QStringLiteral("3 furlong") << -1 << 0.0 << -1 << QStringLiteral("unknown unit 'furlong'");
    QTest::newRow("wrong dimension") << QStringLiteral("3 mm") << 6 << 0.0 << -1 << QStringLiteral("unknown unit 'mm' for Mass");
    QTest::newRow("no number") << QStringLiteral("mm") << -1 << 0.0 << -1 << QStringLiteral("'mm' does not start with a number");
    QTest::newRow("overflow") << QStringLiteral("1e999 m") << -1 << 0.0 << -1 << QStringLiteral("'1e999 m' does not start with a number");
    QTest::newRow("no unit") << QStringLiteral("3.5") << -1 << 0.0 << -1 << QStringLiteral("'3.5' has no unit");
    QTest::newRow("case matters") << QStringLiteral("1 MM") << -1 << 0.0 << -1 << QStringLiteral("unknown unit 'MM'");
}

void tst_qzUnitValue::fromString()
{
    QFETCH(QString, text);
    QFETCH(int, dimension);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(QString, error);
    QString message;
    const qzUnitValue read = qzUnitValue::fromString(text, qzUnitSystem::Dimension(dimension), &message);
    QCOMPARE(message, error);
    QCOMPARE(read.isUndefined(), !error.isEmpty());
    if (error.isEmpty()) {
        QCOMPARE(read.value(), value);
        QCOMPARE(read.unitIndex(), unit);
    }
}

void tst_qzUnitValue::debugOutput()
{
    QString text;
    QDebug(&text) << millimetres(12.5) << qzUnitSystem(qzUnitSystem::Length, 4);
    QCOMPARE(text, QStringLiteral("qzUnitValue(Length, 12.5 mm) qzUnitSystem(Length, in) "));
}

QTEST_GUILESS_MAIN(tst_qzUnitValue)
#include "tst_qzUnitValue.moc"
