// Every Dimension reaches its class, and every class keeps the contract of a
// dimension class: texts in the class's context, the SI unit, conversions
// through unit 0, and indices outside the table that give no texts and convert
// nothing. The names, symbols and numbers of units are held by docs/units.md,
// which the docs_units_md test keeps in step with the catalogue.
#include "checks.h"
#include <qzUnitValue.h>

#include <climits>

using Dimension = qzUnitSystem::Dimension;

namespace {
// How a class converts: through unit 0 by its rows, by prefix factors (an
// unknown source has the factor 0), by a table that clamps (no round trip),
// not at all but recording the index, or not at all (Anywhere: texts for
// every index too).
enum Kind { Rows, Prefixes, Clamped, Labels, Inert, Anywhere };

// The classes that do not convert by rows; the others do.
const QMap<int, Kind> kinds{
    { 12, Labels }, { 15, Labels }, { 16, Labels }, { 17, Labels }, { 20, Labels }, { 21, Labels }, { 24, Labels },
    { 27, Labels }, { 49, Labels }, { 50, Labels }, { 51, Labels }, { 52, Labels }, { 37, Clamped },
    { 44, Prefixes }, { 45, Prefixes }, { 46, Prefixes }, { 47, Prefixes }, { 54, Anywhere }, { 55, Inert }, { 56, Inert },
};

// The dimension names translated with a disambiguation.
const QMap<int, const char*> comments{
    { 39, "de=Weg pro Umdrehung" },
    { 43, "Electrical resistivity Material specific value, does not depend on other factors like geometry "
          "(DO NOT confuse with 'Resistance')" },
};
} // namespace

class tst_qzUnitCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void dimension_data();
    void dimension();
};

void tst_qzUnitCatalogue::dimension_data()
{
    QTest::addColumn<int>("row");
    // 0 to 56 in ascending order; 41 names no dimension.
    QList<Dimension> expected;
    for (int dimension = 0; dimension <= 56; ++dimension) {
        if (dimension != 41)
            expected << Dimension(dimension);
    }
    QCOMPARE(qzUnitSystem::getDimensions(), expected);
    QCOMPARE(qzUnitSystem::nbDimensions(), expected.size());
    for (Dimension dimension : expected)
        QTest::addRow("%d %s", int(dimension), qPrintable(qzUnitSystem::dimensionKey(dimension))) << int(dimension);
}

void tst_qzUnitCatalogue::dimension()
{
    QFETCH(int, row);
    const Dimension dimension = Dimension(row);
    const int kind = kinds.value(row, Rows), units = qzUnitSystem(dimension).maxIndex();
    const QByteArray english = qzUnitSystem(dimension).dimensionNameEnglish().toUtf8();
    qzUnitSystem unit(dimension, units - 1);
    QVERIFY(units > 0 && unit.names().size() == units && unit.symbols().size() == units);
    QCOMPARE(unit.unitIndex(), units - 1); // names() walks the object and puts it back
    QCOMPARE(unit.SIUnitIndex(), dimension == qzUnitSystem::SpecificHeatCapacity ? 1 : 0);
    QCOMPARE(qzUnitSystem(dimension).valueSymbolSeparator(), QStringLiteral(" "));
    {
        const RecordingTranslator translator;
        const QByteArray context = "qzUnit" + qzUnitSystem::dimensionKey(dimension).toLatin1();
        QCOMPARE(unit.dimensionName(), RecordingTranslator::recorded(context, english, comments.value(row)));
        const QString prefix = QLatin1Char('[') + QString::fromLatin1(context) + QLatin1Char('|');
        const QStringList names = unit.names(), symbols = unit.symbols();
        for (int index = 0; index < units; ++index) {
            // A name is translated in the class's context unless the unit is named by its symbol.
            QVERIFY2(names.at(index).startsWith(prefix) || names.at(index) == symbols.at(index), qPrintable(names.at(index)));
            QVERIFY2(!symbols.at(index).isEmpty() && (!symbols.at(index).startsWith(QLatin1Char('[')) || symbols.at(index).startsWith(prefix)),
                     qPrintable(symbols.at(index)));
        }
    }

    // Every unit comes back through unit 0, which catches a wrong operation
    // on either way of a row; the classes without conversion change nothing.
    const double number = 7.25;
    for (int index = 0; index < units && kind != Clamped; ++index) {
        const double there = converted(dimension, index, 0, number), back = converted(dimension, 0, index, there);
        QVERIFY2(kind >= Labels ? there == number && back == number : closeTo(back, number), qPrintable(QString::number(index)));
        // The arithmetic takes the short way to unit 0 and back: it must be the same way.
        const qzUnitValue value(dimension, number, index);
        QCOMPARE((value * 2.0).value(), converted(dimension, 0, index, 2.0 * there));
        QCOMPARE(value.fuzzyCompare(qzUnitValue(dimension, there, 0), 0.0), 0);
    }
    for (int outside : { -1, units, INT_MIN, INT_MAX }) {
        const qzUnitSystem at(dimension, outside);
        QCOMPARE(at.name().isNull(), kind != Anywhere);
        QCOMPARE(at.symbol().isNull(), kind != Anywhere);
        QCOMPARE(converted(dimension, 0, outside, number), number);
        QCOMPARE(converted(dimension, outside, 0, number), kind == Prefixes ? 0.0 : number);
    }
    // The virtual changeTo records an index outside the table, and converts nothing.
    double kept = number;
    unit.changeTo(units, kept);
    QCOMPARE(kept, number);
    QCOMPARE(unit.unitIndex(), kind >= Inert ? units - 1 : units);
}

QTEST_GUILESS_MAIN(tst_qzUnitCatalogue)
#include "tst_qzUnitCatalogue.moc"
