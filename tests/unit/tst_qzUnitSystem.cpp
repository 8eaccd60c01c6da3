// The unit-system handle, view units, presets and the global unit system.
#include <qzUnitLength.h>
#include <qzUnitSystem.h>
#include <qzUnitUndefined.h>
#include <qzUnitValue.h>

#include "checks.h"

using Indices = QMap<int, int>;
Q_DECLARE_METATYPE(Indices)

class tst_qzUnitSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void setViewUnitIndex();
    void setViewUnitsChangesOnlyNamedEntries();
    void presets_data();
    void presets();
    void presetNumbers();
    void standardUnit();
    void globalUnitSystem();
    void valuesInViewUnits();
    void texts_data();
    void texts() { checkText(); }
    void undefined();
    void unknownDimensions_data();
    void unknownDimensions();
    void assignment();
    void equality();
    void setUnitIndexIgnoresOutOfRange();
    void changeFromToVariants();
    void handlesInGrowingContainers();
};

// Registration waits for the first use of view units; the table the library
// loads has every dimension at 0, not at the SI preset.
void tst_qzUnitSystem::initTestCase()
{
    QCOMPARE(QMetaType::type("qzUnitValue"), int(QMetaType::UnknownType));
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        QCOMPARE(qzUnitSystem::viewUnitIndex(dimension), 0);
}

// Every test starts from the table as the library loads it.
void tst_qzUnitSystem::init()
{
    Indices zeros;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        zeros.insert(dimension, 0);
    qzUnitSystem::setViewUnits(zeros);
}

void tst_qzUnitSystem::setViewUnitIndex()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 4);
    QCOMPARE(int(qzUnitLength::viewUnit()), 4);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Dimension(57), 3);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Undefined, 3);
    QVERIFY(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(57)) == -1 && qzUnitSystem::viewUnitIndex(qzUnitSystem::Undefined) == -1);
    // 41 names no dimension but lies inside the range that may be set.
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(41)), -1);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Dimension(41), 3);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(41)), 3);
}

void tst_qzUnitSystem::setViewUnitsChangesOnlyNamedEntries()
{
    qzUnitSystem::setViewUnits({ { qzUnitSystem::Length, 2 }, { qzUnitSystem::Mass, 3 } });
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        QCOMPARE(qzUnitSystem::viewUnitIndex(dimension), dimension == qzUnitSystem::Length ? 2 : dimension == qzUnitSystem::Mass ? 3 : 0);
}

void tst_qzUnitSystem::presets_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<Indices>("differences"); // entries that are not 0
    const Indices si{ { 14, 1 }, { 18, 1 }, { 40, 2 } };
    auto with = [&si](Indices entries) {
        Indices result = si;
        for (auto it = entries.constBegin(); it != entries.constEnd(); ++it)
            result.insert(it.key(), it.value());
        return result;
    };
    QTest::newRow("SI") << 0 << si;
    QTest::newRow("SImm") << 1 << with({ { 3, 9 }, { 5, 2 }, { 6, 6 }, { 8, 1 }, { 11, 7 }, { 13, 12 }, { 14, 6 }, { 15, 1 }, { 18, 7 }, { 19, 1 }, { 25, 2 }, { 38, 2 }, { 39, 2 }, { 40, 0 } });
    QTest::newRow("Imperial") << 2 << with({ { 3, 7 }, { 4, 3 }, { 5, 2 }, { 8, 3 }, { 13, 10 }, { 38, 2 }, { 40, 1 } });
    QTest::newRow("USCommon") << 3 << with({ { 4, 3 }, { 5, 4 }, { 6, 3 }, { 8, 2 }, { 11, 4 }, { 38, 6 } });
    QTest::newRow("NorvaneDefault") << 5 << with({ { 1, 1 }, { 4, 7 }, { 5, 2 }, { 6, 2 }, { 8, 1 }, { 10, 2 }, { 13, 3 }, { 18, 4 }, { 25, 2 }, { 28, 2 }, { 37, 5 }, { 38, 2 }, { 39, 2 }, { 40, 0 } });
}

void tst_qzUnitSystem::presets()
{
    QFETCH(int, system);
    QFETCH(Indices, differences);
    const Indices preset = qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(system));
    QCOMPARE(preset.size(), 56);
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        QCOMPARE(preset.value(dimension, -1), differences.value(dimension, 0));
}

void tst_qzUnitSystem::presetNumbers()
{
    QVERIFY(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(4)).isEmpty());
    QVERIFY(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(6)).isEmpty());
    QCOMPARE(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(5)), qzUnitSystem::getNorvaneDefaultUnitIndices());
    QCOMPARE(qzUnitSystem::getUnitIndices(qzUnitSystem::SI), qzUnitSystem::getSIUnitIndices());
}

// The standard unit is the SI preset's, not always index 0.
void tst_qzUnitSystem::standardUnit()
{
    const qzUnitSystem inch(qzUnitSystem::Length, 4);
    double value = 1.0;
    inch.fromStandard(value);
    QVERIFY(qFuzzyCompare(value, 1.0 / 0.0254) && inch.unitIndex() == 4);
    const qzUnitSystem specificHeat(qzUnitSystem::SpecificHeatCapacity, 0);
    value = 1.0;
    specificHeat.toStandard(value);
    QVERIFY(value == 1000.0 && specificHeat.unitIndex() == 1);
    specificHeat.fromStandard(value);
    QVERIFY(value == 1000.0 && specificHeat.unitIndex() == 1);
    QCOMPARE(qzUnitSystem::fromViewToStandard(qzUnitSystem::SpecificHeatCapacity, 1.0), 1.0);
    QCOMPARE(qzUnitValue(qzUnitSystem::SpecificHeatCapacity, 2.0, 0).standard(), 2000.0);

    const qzUnitSystem unknown(qzUnitSystem::Dimension(41));
    unknown.toStandard(value);
    unknown.fromStandard(value);
    QCOMPARE(value, 1000.0);
}

void tst_qzUnitSystem::globalUnitSystem()
{
    qzUnitSystem* global = qzUnitSystem::globalUnitSystem();
    QVERIFY(global && global->isUndefined() && qzUnitSystem::globalUnitSystem() == global);
    QVERIFY(QMetaType::type("qzUnitValue") != QMetaType::UnknownType);
    qzUnitSystem::removeGlobalUnitSystem();
    qzUnitSystem::removeGlobalUnitSystem();
    QVERIFY(qzUnitSystem::globalUnitSystem()->isUndefined());
}

void tst_qzUnitSystem::valuesInViewUnits()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 2);
    QCOMPARE(qzUnitSystem::fromStandardToView(qzUnitSystem::Length, 1.0), 1000.0);
    QCOMPARE(qzUnitSystem::fromViewToStandard(qzUnitSystem::Length, 1000.0), 1.0);
    const qzUnitValue metre(qzUnitSystem::Length, 1.0, 0);
    QCOMPARE(metre.viewValue(), 1000.0);
    QCOMPARE(metre.viewValueSymbolString('g', 6), QStringLiteral("1000.0 mm"));
    QVERIFY(metre.unitIndex() == 0 && metre.viewUnitValue().unitIndex() == 2);

    QCOMPARE(qzUnitValue(qzUnitSystem::Length, 1.0, true).valueSymbolString('g', 6), QStringLiteral("1000.0 mm"));
    QCOMPARE(qzUnitValue(qzUnitSystem::Length, 1.0, false).unitIndex(), 0);

    qzUnitValue undefined = qzUnitValue::makeUndefined();
    undefined.toViewUnit();
    QVERIFY(undefined.isUndefined() && undefined.viewValue() == 0.0);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 42);
    QCOMPARE(qzUnitSystem::fromStandardToView(qzUnitSystem::Length, 1.0), 1.0);
}


// Dimension symbols whose characters are singled out, and the view units' texts.
void tst_qzUnitSystem::texts_data()
{
    textColumns();
    const auto symbol = [](int dimension) { return qzUnitSystem(qzUnitSystem::Dimension(dimension)).dimensionSymbol(); };
    text("moment of inertia", symbol(30), QString::fromUtf8("M\u00B7L\u00B2"));
    text("torque", symbol(33), QString::fromUtf8("M\u00B7L2\u00B7T-2"));
    text("current density, true minus", symbol(44), QString::fromUtf8("I\u00B7L^\u22122"));
    text("gradient, hyphen", symbol(46), QStringLiteral("T\u00B7L^-1"));
    text("volume flow is empty", symbol(48), QString());
    text("induction", symbol(50), QStringLiteral("MT-2I-1"));
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon));
    text("view unit name", qzUnitSystem::viewUnitName(qzUnitSystem::Length), QStringLiteral("Inch"));
    text("view unit symbol", qzUnitSystem::viewUnitSymbol(qzUnitSystem::Length), QStringLiteral("in"));
    text("no view unit of the undefined dimension", qzUnitSystem::viewUnitName(qzUnitSystem::Undefined), QStringLiteral("-"));
    text("no view unit of 41", qzUnitSystem::viewUnitSymbol(qzUnitSystem::Dimension(41)), QStringLiteral("-"));
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 10);
    text("no view unit name outside the table", qzUnitSystem::viewUnitName(qzUnitSystem::Length).isNull() ? QStringLiteral("null") : QStringLiteral("not null"),
         QStringLiteral("null"));
}

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
    QCOMPARE(int(qzUnitSystem(handle).dimension()), dimension);
    QVERIFY(!handle.isUndefined() && handle.unitIndex() == 0 && handle.dimensionSymbol().isEmpty());
    QCOMPARE(handle.name(), QStringLiteral("-"));
    double value = 2.0;
    qzUnitSystem::changeTo(qzUnitSystem::Dimension(dimension), 0, 1, value);
    QVERIFY(value == 2.0 && qzUnitSystem::conversionFactor(qzUnitSystem::Dimension(dimension), 1, 0) == 1.0);
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

// Handles keep their unit object inside themselves: containers that move
// them around must leave every handle working.
void tst_qzUnitSystem::handlesInGrowingContainers()
{
    QVector<qzUnitSystem> vector;
    QList<qzUnitSystem> list;
    for (int i = 0; i < 1000; ++i) {
        vector.append(qzUnitSystem(qzUnitSystem::Length, i % 10));
        list.append(vector.last());
    }
    vector.insert(0, qzUnitSystem(qzUnitSystem::Length, 3));
    for (int i = 1; i < vector.size(); ++i)
        QVERIFY2(vector.at(i).symbol() == qzUnitLength::symbol((i - 1) % 10) && list.at(i - 1).name() == qzUnitLength::name((i - 1) % 10),
                 qPrintable(QString::number(i)));
}

QTEST_GUILESS_MAIN(tst_qzUnitSystem)
#include "tst_qzUnitSystem.moc"
