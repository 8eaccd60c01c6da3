#include <qzUnitLength.h>
#include <qzUnitSystem.h>
#include <qzUnitValue.h>

#include <QtTest>

using Indices = QMap<int, int>;
Q_DECLARE_METATYPE(Indices)

class tst_qzUnitViewUnits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void initialTable();
    void setViewUnitIndex();
    void setViewUnitsChangesOnlyNamedEntries();
    void presets_data();
    void presets();
    void presetNumbers();
    void viewConversions();
    void standardUnit();
    void globalUnitSystem();
    void valuesInViewUnits();
    void viewUnitTexts();
    void setViewUnitsTakesAnyKey();
};

// Registration waits for the first use of view units.
void tst_qzUnitViewUnits::initTestCase()
{
    QCOMPARE(QMetaType::type("qzUnitValue"), int(QMetaType::UnknownType));
}

// Every test starts from the table as the library loads it.
void tst_qzUnitViewUnits::init()
{
    Indices zeros;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        zeros.insert(dimension, 0);
    qzUnitSystem::setViewUnits(zeros);
}

void tst_qzUnitViewUnits::initialTable()
{
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        QCOMPARE(qzUnitSystem::viewUnitIndex(dimension), 0);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Undefined), -1);
    QCOMPARE(int(qzUnitLength::viewUnit()), 0);
}

void tst_qzUnitViewUnits::setViewUnitIndex()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 4);
    QCOMPARE(int(qzUnitLength::viewUnit()), 4);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Dimension(57), 3);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Undefined, 3);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(57)), -1);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Undefined), -1);
    // 41 names no dimension but lies inside the range that may be set.
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(41)), -1);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Dimension(41), 3);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(41)), 3);
}

void tst_qzUnitViewUnits::setViewUnitsChangesOnlyNamedEntries()
{
    qzUnitSystem::setViewUnits({ { qzUnitSystem::Length, 2 }, { qzUnitSystem::Mass, 3 } });
    int changed = 0;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        changed += qzUnitSystem::viewUnitIndex(dimension) != 0;
    QCOMPARE(changed, 2);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Mass), 3);
}

void tst_qzUnitViewUnits::presets_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<Indices>("differences"); // entries that are not 0
    const Indices si{ { 14, 1 }, { 18, 1 }, { 40, 2 } };
    auto with = [&si](Indices entries, bool overSI = true) {
        Indices result = overSI ? si : Indices();
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

void tst_qzUnitViewUnits::presets()
{
    QFETCH(int, system);
    QFETCH(Indices, differences);
    const Indices preset = qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(system));
    QCOMPARE(preset.size(), 56);
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions())
        QCOMPARE(preset.value(dimension, -1), differences.value(dimension, 0));
}

void tst_qzUnitViewUnits::presetNumbers()
{
    QVERIFY(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(4)).isEmpty());
    QVERIFY(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(6)).isEmpty());
    QCOMPARE(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(5)), qzUnitSystem::getNorvaneDefaultUnitIndices());
    QCOMPARE(qzUnitSystem::getUnitIndices(qzUnitSystem::SI), qzUnitSystem::getSIUnitIndices());
}

void tst_qzUnitViewUnits::viewConversions()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 2);
    QCOMPARE(qzUnitSystem::fromStandardToView(qzUnitSystem::Length, 1.0), 1000.0);
    QCOMPARE(qzUnitSystem::fromViewToStandard(qzUnitSystem::Length, 1000.0), 1.0);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 42);
    QCOMPARE(qzUnitSystem::fromStandardToView(qzUnitSystem::Length, 1.0), 1.0);
}

void tst_qzUnitViewUnits::standardUnit()
{
    const qzUnitSystem millimetre(qzUnitSystem::Length, 2);
    double value = 1500.0;
    millimetre.toStandard(value);
    QCOMPARE(value, 1.5);
    QCOMPARE(millimetre.unitIndex(), 0);

    const qzUnitSystem inch(qzUnitSystem::Length, 4);
    value = 1.0;
    inch.fromStandard(value);
    QVERIFY(qFuzzyCompare(value, 1.0 / 0.0254));
    QCOMPARE(inch.unitIndex(), 4);

    // The standard unit is the SI preset's, not always index 0.
    const qzUnitSystem specificHeat(qzUnitSystem::SpecificHeatCapacity, 0);
    value = 1.0;
    specificHeat.toStandard(value);
    QCOMPARE(value, 1000.0);
    QCOMPARE(specificHeat.unitIndex(), 1);
    QCOMPARE(qzUnitSystem::fromViewToStandard(qzUnitSystem::SpecificHeatCapacity, 1.0), 1.0);
    QCOMPARE(qzUnitValue(qzUnitSystem::SpecificHeatCapacity, 2.0, 0).standard(), 2000.0);
    QCOMPARE(qzUnitValue(qzUnitSystem::SpecificHeatCapacity, 2.0, 0).siValue(), 2000.0);
    value = 1.0;
    specificHeat.fromStandard(value);
    QCOMPARE(value, 1.0);
    QCOMPARE(specificHeat.unitIndex(), 1);

    const qzUnitSystem unknown(qzUnitSystem::Dimension(41));
    value = 3.0;
    unknown.toStandard(value);
    unknown.fromStandard(value);
    QCOMPARE(value, 3.0);
}

void tst_qzUnitViewUnits::globalUnitSystem()
{
    qzUnitSystem* global = qzUnitSystem::globalUnitSystem();
    QVERIFY(global);
    QVERIFY(global->isUndefined());
    QCOMPARE(global->name(), QStringLiteral("-"));
    QCOMPARE(qzUnitSystem::globalUnitSystem(), global);
    QVERIFY(QMetaType::type("qzUnitValue") != QMetaType::UnknownType);
    qzUnitSystem::removeGlobalUnitSystem();
    qzUnitSystem::removeGlobalUnitSystem();
    QVERIFY(qzUnitSystem::globalUnitSystem()->isUndefined());
}

void tst_qzUnitViewUnits::valuesInViewUnits()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 2);
    const qzUnitValue metre(qzUnitSystem::Length, 1.0, 0);
    QCOMPARE(metre.viewValue(), 1000.0);
    QCOMPARE(metre.viewValueSymbolString('g', 6), QStringLiteral("1000.0 mm"));
    QCOMPARE(metre.unitIndex(), 0);
    QCOMPARE(metre.viewUnitValue().unitIndex(), 2);

    const qzUnitValue placed(qzUnitSystem::Length, 1.0, true);
    QCOMPARE(placed.unitIndex(), 2);
    QCOMPARE(placed.value(), 1000.0);
    const qzUnitValue kept(qzUnitSystem::Length, 1.0, false);
    QCOMPARE(kept.unitIndex(), 0);

    qzUnitValue undefined = qzUnitValue::makeUndefined();
    undefined.toViewUnit();
    QVERIFY(undefined.isUndefined());
    QCOMPARE(undefined.viewValue(), 0.0);
}

void tst_qzUnitViewUnits::viewUnitTexts()
{
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon));
    QCOMPARE(qzUnitSystem::viewUnitName(qzUnitSystem::Length), QStringLiteral("Inch"));
    QCOMPARE(qzUnitSystem::viewUnitSymbol(qzUnitSystem::Length), QStringLiteral("in"));
    QCOMPARE(qzUnitSystem::viewUnitName(qzUnitSystem::Undefined), QStringLiteral("-"));
    QCOMPARE(qzUnitSystem::viewUnitSymbol(qzUnitSystem::Dimension(41)), QStringLiteral("-"));
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 10);
    QVERIFY(qzUnitSystem::viewUnitName(qzUnitSystem::Length).isNull());
}

// Keys are taken without a range test; the view conversions read the same
// entries as viewUnitIndex(). Last, as it leaves entries that init() keeps.
void tst_qzUnitViewUnits::setViewUnitsTakesAnyKey()
{
    qzUnitSystem::setViewUnits({ { -1, 5 }, { 41, 3 }, { 99, 4 }, { qzUnitSystem::Temperature, 2 } });
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Undefined), 5);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(41)), 3);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(99)), 4);
    QCOMPARE(qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(100)), -1);
    const qzUnitValue boiling(qzUnitSystem::Temperature, 100.0, 1); // °C
    QCOMPARE(boiling.viewValue(), 212.0);
    QCOMPARE(boiling.viewUnitValue().unitIndex(), 2);
}

QTEST_GUILESS_MAIN(tst_qzUnitViewUnits)
#include "tst_qzUnitViewUnits.moc"
