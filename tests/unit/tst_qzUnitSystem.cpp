// The unit-system handle, view units, presets and the global unit system.
#include <qzUnitLength.h>
#include <qzUnitSystem.h>
#include <qzUnitUndefined.h>
#include <qzUnitValue.h>

#include "checks.h"

using Indices = QMap<int, int>;
Q_DECLARE_METATYPE(Indices)
using D = qzUnitSystem;

class tst_qzUnitSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void viewUnits();
    void presets_data();
    void presets();
    void standardUnit();
    void globalUnitSystem();
    void texts_data();
    void texts() { checkText(); }
    void dimensionsWithoutClass_data();
    void dimensionsWithoutClass();
    void handles();
    void handlesInGrowingContainers();
};

// The table the library loads has every dimension at 0, not at the SI preset.
void tst_qzUnitSystem::initTestCase()
{
    for (D::Dimension dimension : D::getDimensions())
        QCOMPARE(D::viewUnitIndex(dimension), 0);
}

// Every test starts from the table as the library loads it.
void tst_qzUnitSystem::init()
{
    Indices zeros;
    for (D::Dimension dimension : D::getDimensions())
        zeros.insert(dimension, 0);
    D::setViewUnits(zeros);
}

void tst_qzUnitSystem::viewUnits()
{
    // setViewUnits changes only the entries it names, and takes any key.
    D::setViewUnits({ { -1, 5 }, { 41, 3 }, { 99, 4 }, { D::Temperature, 2 }, { D::Mass, 3 } });
    for (D::Dimension dimension : D::getDimensions())
        QCOMPARE(D::viewUnitIndex(dimension), dimension == D::Temperature ? 2 : dimension == D::Mass ? 3 : 0);
    QVERIFY(D::viewUnitIndex(D::Undefined) == 5 && D::viewUnitIndex(D::Dimension(41)) == 3 && D::viewUnitIndex(D::Dimension(99)) == 4);
    QCOMPARE(D::viewUnitIndex(D::Dimension(100)), -1);
    const qzUnitValue boiling(D::Temperature, 100.0, 1); // °C
    QCOMPARE(boiling.viewValueSymbolString('g', 6), QStringLiteral("212.0 \u00B0F"));

    // setViewUnitIndex sets the range of dimension values, 41 included, only.
    D::setViewUnitIndex(D::Length, 2);
    D::setViewUnitIndex(D::Dimension(57), 3);
    D::setViewUnitIndex(D::Dimension(41), 7);
    QVERIFY(qzUnitLength::viewUnit() == qzUnitLength::Millimeter && D::viewUnitIndex(D::Dimension(57)) == -1 && D::viewUnitIndex(D::Dimension(41)) == 7);
    QCOMPARE(D::fromStandardToView(D::Length, 1.0), 1000.0);
    QCOMPARE(D::fromViewToStandard(D::Length, 1000.0), 1.0);
    const qzUnitValue metre(D::Length, 1.0, 0);
    QVERIFY(metre.viewValue() == 1000.0 && metre.unitIndex() == 0 && metre.viewUnitValue().unitIndex() == 2);
    QCOMPARE(qzUnitValue(D::Length, 1.0, true).valueSymbolString('g', 6), QStringLiteral("1000.0 mm"));
    qzUnitValue undefined = qzUnitValue::makeUndefined();
    QVERIFY(undefined.toViewUnit().isUndefined() && undefined.viewValue() == 0.0);
    D::setViewUnitIndex(D::Length, 42);
    QCOMPARE(D::fromStandardToView(D::Length, 1.0), 1.0);
}

void tst_qzUnitSystem::presets_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<Indices>("differences"); // entries that are not 0; none at all when empty
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
    QTest::newRow("4 is no preset") << 4 << Indices();
    QTest::newRow("NorvaneDefault") << 5 << with({ { 1, 1 }, { 4, 7 }, { 5, 2 }, { 6, 2 }, { 8, 1 }, { 10, 2 }, { 13, 3 }, { 18, 4 }, { 25, 2 }, { 28, 2 }, { 37, 5 }, { 38, 2 }, { 39, 2 }, { 40, 0 } });
    QTest::newRow("6 is no preset") << 6 << Indices();
}

void tst_qzUnitSystem::presets()
{
    QFETCH(int, system);
    QFETCH(Indices, differences);
    const Indices preset = D::getUnitIndices(D::UnitSystem(system));
    QCOMPARE(preset.size(), differences.isEmpty() ? 0 : 56);
    for (D::Dimension dimension : D::getDimensions())
        QCOMPARE(preset.value(dimension, 0), differences.value(dimension, 0));
}

// The standard unit is the SI preset's, not always index 0.
void tst_qzUnitSystem::standardUnit()
{
    double value = 1.0;
    const D inch(D::Length, 4), specificHeat(D::SpecificHeatCapacity, 0), trip(D::TripCoefficient, 0);
    inch.fromStandard(value);
    QVERIFY(qFuzzyCompare(value, 1.0 / 0.0254) && inch.unitIndex() == 4);
    QCOMPARE(qzUnitValue(specificHeat, 2.0).standard(), 2000.0); // kJ/(kg K) in J/(kg K)
    QCOMPARE(qzUnitValue(trip, 2.0).standard(), 2e-6);           // 1/MPa in 1/Pa
    value = 1000.0;
    specificHeat.fromStandard(value);
    D(D::Dimension(41)).toStandard(value);
    QVERIFY(value == 1.0 && specificHeat.unitIndex() == 0);
}

void tst_qzUnitSystem::globalUnitSystem()
{
    D* global = D::globalUnitSystem();
    QVERIFY(global && global->isUndefined() && D::globalUnitSystem() == global);
    D::removeGlobalUnitSystem();
    D::removeGlobalUnitSystem();
    QVERIFY(D::globalUnitSystem()->isUndefined());
}

// The minus signs of dimension symbols, which differ (the symbols are
// documented in docs/units.md), and the view units' texts.
void tst_qzUnitSystem::texts_data()
{
    textColumns();
    const auto symbol = [](int dimension) { return D(D::Dimension(dimension)).dimensionSymbol(); };
    text("current density, true minus", symbol(44), QString::fromUtf8("I\u00B7L^\u22122"));
    text("gradient, hyphen", symbol(46), QStringLiteral("T\u00B7L^-1"));
    D::setViewUnits(D::getUnitIndices(D::USCommon));
    text("view unit", D::viewUnitName(D::Length) + D::viewUnitSymbol(D::Length), QStringLiteral("Inchin"));
    text("no view unit of the undefined dimension", D::viewUnitName(D::Undefined) + D::viewUnitSymbol(D::Dimension(41)), QStringLiteral("--"));
    D::setViewUnitIndex(D::Length, 10);
    text("no view unit name outside the table", D::viewUnitName(D::Length).isNull() ? QStringLiteral("null") : QString(), QStringLiteral("null"));
}

// The undefined dimension and values that name no class: texts "-" or
// none, no conversion.
void tst_qzUnitSystem::dimensionsWithoutClass_data()
{
    QTest::addColumn<int>("dimension");
    QTest::newRow("undefined") << -1;
    QTest::newRow("41") << 41;
    QTest::newRow("57") << 57;
    QTest::newRow("-5") << -5;
    QTest::newRow("max int") << std::numeric_limits<int>::max();
}

void tst_qzUnitSystem::dimensionsWithoutClass()
{
    QFETCH(int, dimension);
    const D handle(D::Dimension(dimension), 5);
    QCOMPARE(int(D(handle).dimension()), dimension);
    QVERIFY(handle.isUndefined() == (dimension == -1) && handle.unitIndex() == 0 && handle.dimensionSymbol().isEmpty());
    QVERIFY(handle.maxIndex() == 1 && (dimension != -1 || handle.getFFFUnit() == -1));
    QCOMPARE(handle.name() + handle.symbol(), QStringLiteral("--"));
    QCOMPARE(handle.dimensionNameEnglish(), QStringLiteral("Size of dimension one"));
    double value = 2.0;
    D::changeTo(D::Dimension(dimension), 0, 1, value);
    QVERIFY(value == 2.0 && D::conversionFactor(D::Dimension(dimension), 1, 0) == 1.0);
    qzUnitUndefined unit;
    unit.changeTo(5, value);
    QVERIFY(unit.unitIndex() == 0 && value == 2.0 && unit.names() == QStringList{ QStringLiteral("-") });
}

// A defined handle keeps its dimension and takes only the unit index, in
// range; an undefined one takes both. Copies own their unit objects.
void tst_qzUnitSystem::handles()
{
    D length(D::Length, 2);
    length = D(D::Mass, 3);
    QVERIFY(length == D(D::Length, 2) && length != D(D::Length, 3) && length != D(D::Mass, 2));
    QVERIFY(qzUnitLength(2) == qzUnitUndefined(2)); // unit objects compare indices only
    D undefined;
    undefined = length;
    QVERIFY(undefined == length);
    undefined.toUndefine();
    QVERIFY(undefined.isUndefined() && undefined.name() == QLatin1String("-"));

    D copy(length);
    double value = 1.0;
    copy.changeTo(0, value);
    QVERIFY(value == 0.001 && length.symbol() == QLatin1String("mm"));
    length.setUnitIndex(-1);
    length.setUnitIndex(length.maxIndex());
    QCOMPARE(length.unitIndex(), 2);
    length.setUnitIndex(9);
    QCOMPARE(length.unitIndex(), 9);
    QCOMPARE(D(D::Length, 12).unitIndex(), 12); // the constructor does not check

    double point[4] = { 1.0, 2.0, 3.0, 4.0 };
    copy.changeFromTo(0, 2, point); // three numbers
    QVERIFY(point[0] == 1000.0 && point[2] == 3000.0 && point[3] == 4.0);
    QVector<double> vector{ 1.0, 2.0 };
    const QVector<double> shared = vector;
    copy.changeFromTo(0, 2, vector);
    QVERIFY(vector == (QVector<double>{ 1000.0, 2000.0 }) && shared == (QVector<double>{ 1.0, 2.0 }));
    copy.changeFromTo(0, 11, value);
    QVERIFY(value == 0.001 && copy.unitIndex() == 0);
}

// Handles keep their unit object inside themselves: containers that move
// them around must leave every handle working.
void tst_qzUnitSystem::handlesInGrowingContainers()
{
    QVector<D> vector;
    QList<D> list;
    for (int i = 0; i < 1000; ++i) {
        vector.append(D(D::Length, i % 10));
        list.append(vector.last());
    }
    vector.insert(0, D(D::Length, 3));
    for (int i = 1; i < vector.size(); ++i)
        QVERIFY2(vector.at(i).symbol() == qzUnitLength::symbol((i - 1) % 10) && list.at(i - 1).name() == qzUnitLength::name((i - 1) % 10),
                 qPrintable(QString::number(i)));
}

QTEST_GUILESS_MAIN(tst_qzUnitSystem)
#include "tst_qzUnitSystem.moc"
