#include <qzUnitOfInformation.h>
#include <qzUnitValue.h>

#include <QtTest>

#include <cmath>

class tst_qzUnitOfInformation : public QObject
{
    Q_OBJECT

private slots:
    void conversion();
    void pretty_data();
    void pretty();
};

void tst_qzUnitOfInformation::conversion()
{
    // Every step is a power of 1024, so conversions are exact both ways.
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            double value = 3.0;
            qzUnitOfInformation::changeTo(from, to, value);
            QVERIFY2(value == std::ldexp(3.0, 10 * (from - to)), qPrintable(QStringLiteral("%1 -> %2").arg(from).arg(to)));
        }
    }
    for (int unknown : { -1, 5 }) {
        double value = 7.5;
        qzUnitOfInformation::changeTo(unknown, 0, value);
        qzUnitOfInformation::changeTo(0, unknown, value);
        QCOMPARE(value, 7.5);
        QVERIFY(qzUnitOfInformation::name(unknown).isNull() && qzUnitOfInformation::symbol(unknown).isNull());
    }
    qzUnitOfInformation unit(qzUnitOfInformation::Terabyte);
    double value = 1.0;
    unit.changeTo(qzUnitOfInformation::Kilobyte, value);
    QCOMPARE(value, 1073741824.0);
    unit.changeTo(9, value);
    QCOMPARE(value, 1073741824.0);
    QCOMPARE(unit.unitIndex(), 9);
}

void tst_qzUnitOfInformation::pretty_data()
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
    bytes("below a gigabyte", 1073741823, "1024 MB");
    bytes("one gigabyte", 1073741824, "1.0 GB");
    bytes("below a terabyte", 1099511627775, "1024 GB");
    bytes("one terabyte", 1099511627776, "1.0 TB");
    bytes("no larger unit", std::ldexp(1.0, 50), "1024 TB");
    QTest::newRow("megabytes come back as megabytes") << 2 << 2.0 << QStringLiteral("2.0 MB");
    QTest::newRow("half a kilobyte goes down to bytes") << 1 << 0.5 << QStringLiteral("512 B");
}

void tst_qzUnitOfInformation::pretty()
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

QTEST_GUILESS_MAIN(tst_qzUnitOfInformation)
#include "tst_qzUnitOfInformation.moc"
