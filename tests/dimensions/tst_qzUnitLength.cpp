#include <qzUnitLength.h>
#include <qzUnitSystem.h>

#include <QtTest>

class tst_qzUnitLength : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void roundTripThroughEveryUnit();
    void outOfRangeLeavesValue_data();
    void outOfRangeLeavesValue();
    void coordinates();
    void texts();
    void enumNames();
    void virtualChangeToRecordsIndex();
    void namesWalkTheObject();
};

void tst_qzUnitLength::conversion_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("mile to metre uses the table's mile") << 5 << 0 << 1.0 << 1609.34419224;
    QTest::newRow("cm to mm goes through the metre") << 1 << 2 << 1.0 << 10.0;
    QTest::newRow("micron to microinch") << 7 << 8 << 1.0 << 1.0 / 1000000.0 / 2.54e-08;
    QTest::newRow("inch to mm") << 4 << 2 << 1.0 << 25.4;
    QTest::newRow("foot is twelve inches") << 3 << 4 << 1.0 << 12.0;
    QTest::newRow("mil is a thousandth inch") << 6 << 4 << 1000.0 << 1.0;
    QTest::newRow("km to m") << 9 << 0 << 2.5 << 2500.0;
}

void tst_qzUnitLength::conversion()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, value);
    QFETCH(double, expected);
    qzUnitLength::changeTo(from, to, value);
    QVERIFY2(qFuzzyCompare(value, expected), qPrintable(QString::number(value, 'g', 17)));
}

void tst_qzUnitLength::roundTripThroughEveryUnit()
{
    for (int from = 0; from < 10; ++from) {
        for (int to = 0; to < 10; ++to) {
            double value = 123.456;
            qzUnitLength::changeTo(from, to, value);
            qzUnitLength::changeTo(to, from, value);
            QVERIFY2(qFuzzyCompare(value, 123.456), qPrintable(QStringLiteral("%1 -> %2").arg(from).arg(to)));
        }
    }
    double back = 1.0;
    qzUnitLength::changeTo(5, 0, back);
    qzUnitLength::changeTo(0, 5, back);
    QCOMPARE(back, 1.0);
}

void tst_qzUnitLength::outOfRangeLeavesValue_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("negative source") << -1 << 0;
    QTest::newRow("target equals count") << 0 << 10;
    QTest::newRow("same unit") << 3 << 3;
    QTest::newRow("huge") << 0 << 0x7fffffff;
}

void tst_qzUnitLength::outOfRangeLeavesValue()
{
    QFETCH(int, from);
    QFETCH(int, to);
    double value = 7.25;
    qzUnitLength::changeTo(from, to, value);
    QCOMPARE(value, 7.25);
}

void tst_qzUnitLength::coordinates()
{
    const coCoords3d mm = qzUnitLength::convert(qzUnitLength::Inch, qzUnitLength::Millimeter, coCoords3d{ 1.0, 2.0, 3.0 });
    QVERIFY(qFuzzyCompare(mm.x, 25.4) && qFuzzyCompare(mm.y, 50.8) && qFuzzyCompare(mm.z, 76.2));
    const coCoords3d same = qzUnitLength::convert(qzUnitLength::Inch, qzUnitLength::e_Unit(10), coCoords3d{ 1.0, 2.0, 3.0 });
    QCOMPARE(same.x, 1.0);
    QCOMPARE(same.y, 2.0);
    QCOMPARE(same.z, 3.0);
}

void tst_qzUnitLength::texts()
{
    QCOMPARE(qzUnitLength::name(0), QStringLiteral("Meter"));
    QCOMPARE(qzUnitLength::symbol(7), QString(QChar(0x00B5)) + QStringLiteral("m"));
    QCOMPARE(qzUnitLength::symbol(8), QString(QChar(0x00B5)) + QStringLiteral("in"));
    QVERIFY(qzUnitLength::symbol(10).isNull());
    QVERIFY(qzUnitLength::name(-1).isNull());
    const qzUnitLength unit(qzUnitLength::Inch);
    QCOMPARE(unit.dimensionNameEnglish(), QStringLiteral("Length"));
    QCOMPARE(unit.dimensionName(), QStringLiteral("Length"));
    QCOMPARE(unit.maxIndex(), 10);
    QCOMPARE(unit.valueSymbolSeparator(), QStringLiteral(" "));
}

void tst_qzUnitLength::enumNames()
{
    const char* names[] = { "METER", "CENTIMETER", "MILLIMETER", "FOOT", "INCH",
                            "MILE", "MIL", "MICRON", "MICROINCH", "KILOMETER" };
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(int(qzUnitLength::toEnumIndex(QLatin1String(names[i]))), i);
        QCOMPARE(qzUnitLength::toEnumName(i), QLatin1String(names[i]));
    }
    QCOMPARE(int(qzUnitLength::toEnumIndex(QStringLiteral("kilometer"))), -1);
    QCOMPARE(int(qzUnitLength::toEnumIndex(QStringLiteral(" MIL"))), -1);
    QVERIFY(qzUnitLength::toEnumName(10).isNull());
}

void tst_qzUnitLength::virtualChangeToRecordsIndex()
{
    qzUnitLength unit;
    double value = 1.0;
    unit.changeTo(qzUnitLength::Millimeter, value);
    QCOMPARE(value, 1000.0);
    QCOMPARE(unit.unitIndex(), 2);
    unit.changeTo(12, value);
    QCOMPARE(value, 1000.0);
    QCOMPARE(unit.unitIndex(), 12);
    QVERIFY(unit.name().isNull());
    QVERIFY(unit.symbol().isNull());
}

void tst_qzUnitLength::namesWalkTheObject()
{
    qzUnitLength unit(7);
    const QStringList names = unit.names();
    QCOMPARE(names.size(), 10);
    QCOMPARE(names.first(), QStringLiteral("Meter"));
    QCOMPARE(names.last(), QStringLiteral("Kilometer"));
    QCOMPARE(unit.symbols().at(4), QStringLiteral("in"));
    QCOMPARE(unit.unitIndex(), 7);
}

QTEST_GUILESS_MAIN(tst_qzUnitLength)
#include "tst_qzUnitLength.moc"
