#include <qzUnitOfInformation.h>
#include <qzUnitValue.h>

#include <QtTest>

#include <cmath>

class tst_qzUnitOfInformation : public QObject
{
    Q_OBJECT

private slots:
    void conversionIsExact();
    void outOfRange_data();
    void outOfRange();
    void virtualChangeToRecordsIndex();
    void prettyBytes_data();
    void prettyBytes();
    void prettyValue_data();
    void prettyValue();
};

void tst_qzUnitOfInformation::conversionIsExact()
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

void tst_qzUnitOfInformation::outOfRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("negative source") << -1 << 0;
    QTest::newRow("target equals count") << 1 << 5;
    QTest::newRow("huge") << 0x7fffffff << 2;
}

void tst_qzUnitOfInformation::outOfRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    double value = 7.5;
    qzUnitOfInformation::changeTo(from, to, value);
    QCOMPARE(value, 7.5);
    const int unknown = uint(from) < 5u ? to : from;
    QVERIFY(qzUnitOfInformation::name(unknown).isNull());
    QVERIFY(qzUnitOfInformation::symbol(unknown).isNull());
}

void tst_qzUnitOfInformation::virtualChangeToRecordsIndex()
{
    qzUnitOfInformation unit(qzUnitOfInformation::Terabyte);
    double value = 1.0;
    unit.changeTo(qzUnitOfInformation::Kilobyte, value);
    QCOMPARE(value, 1073741824.0);
    QCOMPARE(unit.symbol(), QStringLiteral("kB"));
    unit.changeTo(9, value);
    QCOMPARE(value, 1073741824.0);
    QCOMPARE(unit.unitIndex(), 9);
}

void tst_qzUnitOfInformation::prettyBytes_data()
{
    QTest::addColumn<qlonglong>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0LL << QStringLiteral("0 B");
    QTest::newRow("negative stays in bytes") << -5000LL << QStringLiteral("-5000 B");
    QTest::newRow("below a kilobyte") << 1023LL << QStringLiteral("1023 B");
    QTest::newRow("one kilobyte") << 1024LL << QStringLiteral("1.0 kB");
    QTest::newRow("one and a half") << 1536LL << QStringLiteral("1.5 kB");
    QTest::newRow("just below 100 kB rounds up") << 102399LL << QStringLiteral("100.0 kB");
    QTest::newRow("exactly 100 has no decimal") << 102400LL << QStringLiteral("100 kB");
    QTest::newRow("above 100 no decimal") << 204800LL << QStringLiteral("200 kB");
    QTest::newRow("below a megabyte") << 1048575LL << QStringLiteral("1024 kB");
    QTest::newRow("one megabyte") << 1048576LL << QStringLiteral("1.0 MB");
    QTest::newRow("below a gigabyte") << 1073741823LL << QStringLiteral("1024 MB");
    QTest::newRow("one gigabyte") << 1073741824LL << QStringLiteral("1.0 GB");
    QTest::newRow("below a terabyte") << 1099511627775LL << QStringLiteral("1024 GB");
    QTest::newRow("one terabyte") << 1099511627776LL << QStringLiteral("1.0 TB");
    QTest::newRow("no larger unit") << (1LL << 50) << QStringLiteral("1024 TB");
}

void tst_qzUnitOfInformation::prettyBytes()
{
    QFETCH(qlonglong, bytes);
    QFETCH(QString, expected);
    QCOMPARE(qzUnitOfInformation::prettyValueSymbol(bytes), expected);
}

void tst_qzUnitOfInformation::prettyValue_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("megabytes come back as megabytes") << 2 << 2.0 << QStringLiteral("2.0 MB");
    QTest::newRow("half a kilobyte goes down to bytes") << 1 << 0.5 << QStringLiteral("512 B");
    QTest::newRow("a large count of kilobytes goes up") << 1 << 3.0 * 1048576.0 << QStringLiteral("3.0 GB");
}

void tst_qzUnitOfInformation::prettyValue()
{
    QFETCH(int, unit);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const qzUnitValue amount(qzUnitSystem::OfInformation, value, unit);
    QCOMPARE(qzUnitOfInformation::prettyValueSymbol(amount), expected);
    QCOMPARE(amount.unitIndex(), unit);
}

QTEST_GUILESS_MAIN(tst_qzUnitOfInformation)
#include "tst_qzUnitOfInformation.moc"
