#include <qzUnitLength.h>
#include <qzUnitSystem.h>
#include <qzUnitUndefined.h>

#include <QtTest>

class tst_qzUnitSystem : public QObject
{
    Q_OBJECT

private slots:
    void undefined();
    void unknownDimensions_data();
    void unknownDimensions();
    void assignment();
    void equality();
    void setUnitIndexIgnoresOutOfRange();
    void changeFromToVariants();
    void dimensionSymbols_data();
    void dimensionSymbols();
    void handlesInGrowingContainers();
};

void tst_qzUnitSystem::undefined()
{
    qzUnitSystem handle;
    QVERIFY(handle.isUndefined());
    QCOMPARE(handle.maxIndex(), 1);
    QCOMPARE(handle.name() + handle.symbol(), QStringLiteral("--"));
    QCOMPARE(handle.dimensionNameEnglish(), QStringLiteral("Size of dimension one"));
    QCOMPARE(handle.getFFFUnit(), -1);
    QVERIFY(handle.dimensionSymbol().isEmpty());
    // The class answers "-" for every index and always stands at unit 0.
    QCOMPARE(qzUnitUndefined::name(42) + qzUnitUndefined::symbol(-1), QStringLiteral("--"));
    qzUnitUndefined unit;
    double value = 3.5;
    unit.changeTo(5, value);
    QCOMPARE(unit.unitIndex(), 0);
    QCOMPARE(value, 3.5);
    QCOMPARE(unit.names(), QStringList{ QStringLiteral("-") });
}

void tst_qzUnitSystem::unknownDimensions_data()
{
    QTest::addColumn<int>("dimension");
    QTest::newRow("41") << 41;
    QTest::newRow("57") << 57;
    QTest::newRow("-5") << -5;
    QTest::newRow("max int") << std::numeric_limits<int>::max();
}

void tst_qzUnitSystem::unknownDimensions()
{
    QFETCH(int, dimension);
    const qzUnitSystem handle(qzUnitSystem::Dimension(dimension), 5);
    QVERIFY(!handle.isUndefined());
    QCOMPARE(int(qzUnitSystem(handle).dimension()), dimension);
    QCOMPARE(handle.unitIndex(), 0);
    QCOMPARE(handle.name(), QStringLiteral("-"));
    QVERIFY(handle.dimensionSymbol().isEmpty());
    double value = 2.0;
    qzUnitSystem::changeTo(qzUnitSystem::Dimension(dimension), 0, 1, value);
    QCOMPARE(value, 2.0);
    QCOMPARE(qzUnitSystem::conversionFactor(qzUnitSystem::Dimension(dimension), 1, 0), 1.0);
}

// A defined handle keeps its dimension and takes only the unit index; an
// undefined one takes both. Copies own their unit objects.
void tst_qzUnitSystem::assignment()
{
    qzUnitSystem length(qzUnitSystem::Length, 2);
    length = qzUnitSystem(qzUnitSystem::Mass, 2);
    QVERIFY(length == qzUnitSystem(qzUnitSystem::Length, 2));
    qzUnitSystem undefined;
    undefined = length;
    QVERIFY(undefined == length);
    undefined.toUndefine();
    QVERIFY(undefined.isUndefined());
    QCOMPARE(undefined.name(), QStringLiteral("-"));

    qzUnitSystem copy(length);
    double value = 1.0;
    copy.changeTo(0, value);
    QCOMPARE(value, 0.001);
    QCOMPARE(length.symbol(), QStringLiteral("mm"));
}

void tst_qzUnitSystem::equality()
{
    QVERIFY(qzUnitSystem(qzUnitSystem::Length, 2) == qzUnitSystem(qzUnitSystem::Length, 2));
    QVERIFY(qzUnitSystem(qzUnitSystem::Length, 2) != qzUnitSystem(qzUnitSystem::Length, 3));
    QVERIFY(qzUnitSystem(qzUnitSystem::Length, 0) != qzUnitSystem(qzUnitSystem::Mass, 0));
    // Unit objects compare indices only, whatever their class.
    QVERIFY(qzUnitLength(2) == qzUnitUndefined(2));
}

void tst_qzUnitSystem::setUnitIndexIgnoresOutOfRange()
{
    qzUnitSystem handle(qzUnitSystem::Length, 3);
    handle.setUnitIndex(-1);
    handle.setUnitIndex(handle.maxIndex());
    QCOMPARE(handle.unitIndex(), 3);
    handle.setUnitIndex(9);
    QCOMPARE(handle.unitIndex(), 9);
    // An index beyond the table given at construction is stored as it comes.
    QCOMPARE(qzUnitSystem(qzUnitSystem::Length, 12).unitIndex(), 12);
}

void tst_qzUnitSystem::changeFromToVariants()
{
    const qzUnitSystem handle(qzUnitSystem::Length, 0);
    double values[4] = { 1.0, 2.0, 3.0, 4.0 };
    handle.changeFromTo(0, 2, values); // a point: three numbers
    QVERIFY(values[0] == 1000.0 && values[2] == 3000.0 && values[3] == 4.0);

    QVector<double> vector{ 1.0, 2.0 };
    const QVector<double> shared = vector;
    handle.changeFromTo(0, 2, vector);
    QCOMPARE(vector, (QVector<double>{ 1000.0, 2000.0 }));
    QCOMPARE(shared, (QVector<double>{ 1.0, 2.0 }));

    double single = 1.0;
    handle.changeFromTo(0, 11, single);
    QVERIFY(single == 1.0 && handle.unitIndex() == 0);
}

void tst_qzUnitSystem::dimensionSymbols_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("length") << 5 << QStringLiteral("l");
    QTest::newRow("moment of inertia") << 30 << QString::fromUtf8("M\u00B7L\u00B2");
    QTest::newRow("torque") << 33 << QString::fromUtf8("M\u00B7L2\u00B7T-2");
    QTest::newRow("current density, true minus") << 44 << QString::fromUtf8("I\u00B7L^\u22122");
    QTest::newRow("gradient, hyphen") << 46 << QStringLiteral("T\u00B7L^-1");
    QTest::newRow("volume flow is empty") << 48 << QString();
    QTest::newRow("induction") << 50 << QStringLiteral("MT-2I-1");
    QTest::newRow("last") << 56 << QString::fromUtf8("M\u00B7L^-2");
}

void tst_qzUnitSystem::dimensionSymbols()
{
    QFETCH(int, dimension);
    QFETCH(QString, symbol);
    QCOMPARE(qzUnitSystem(qzUnitSystem::Dimension(dimension)).dimensionSymbol(), symbol);
}

// Handles keep their unit object inside themselves: containers that move
// them around must leave every handle working.
void tst_qzUnitSystem::handlesInGrowingContainers()
{
    QVector<qzUnitSystem> vector;
    QList<qzUnitSystem> list;
    for (int i = 0; i < 1000; ++i) {
        vector.append(qzUnitSystem(qzUnitSystem::Length, i % 10));
        list.append(qzUnitSystem(qzUnitSystem::Length, i % 10));
    }
    vector.insert(0, qzUnitSystem(qzUnitSystem::Length, 3));
    for (int i = 1; i < vector.size(); ++i) {
        QCOMPARE(vector.at(i).unitIndex(), (i - 1) % 10);
        QCOMPARE(vector.at(i).symbol(), qzUnitLength::symbol((i - 1) % 10));
        QCOMPARE(list.at(i - 1).name(), qzUnitLength::name((i - 1) % 10));
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitSystem)
#include "tst_qzUnitSystem.moc"
