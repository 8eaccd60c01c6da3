#ifndef DIMENSIONTABLECHECKS_H
#define DIMENSIONTABLECHECKS_H

#include <qzUnitSystem.h>

#include <QtTest>

Q_DECLARE_METATYPE(qzUnitSystem::Dimension)

// Checks shared by the data-driven tests of the dimension classes.
namespace dimensionChecks {

using D = qzUnitSystem::Dimension;

inline double convert(D dimension, int from, int to, double value)
{
    qzUnitSystem::changeTo(dimension, from, to, value);
    return value;
}

//! Columns of a table of dimensions: dimension, unit count, English name, SI index.
inline void dimensionColumns()
{
    QTest::addColumn<D>("dimension");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("english");
    QTest::addColumn<int>("si");
}

//! The handle of the current row's dimension gets its class; every unit comes
//! home through unit 0, which catches a wrong operation on either way of a
//! row; an index past the table leaves values alone.
inline void verifyDimension()
{
    QFETCH(D, dimension);
    QFETCH(int, count);
    QFETCH(QString, english);
    QFETCH(int, si);
    const qzUnitSystem system(dimension, count - 1);
    QCOMPARE(system.maxIndex(), count);
    QCOMPARE(system.dimensionNameEnglish(), english);
    QCOMPARE(system.dimensionName(), english);
    QCOMPARE(system.SIUnitIndex(), si);
    QVERIFY(!system.symbol().isEmpty() && !system.name().isEmpty());
    for (int unit = 0; unit < count; ++unit)
        QVERIFY2(qFuzzyCompare(convert(dimension, unit, 0, convert(dimension, 0, unit, 12.375)), 12.375),
                 qPrintable(QString::number(unit)));
    QCOMPARE(convert(dimension, 0, count, 12.375), 12.375);
}

//! Columns of a table of conversion results: actual, expected, relative tolerance.
inline void resultColumns()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
}

//! A result row; a tolerance of 0 asks for the exact double.
inline void result(const char* name, double actual, double expected, double tolerance = 1e-12)
{
    QTest::newRow(name) << actual << expected << tolerance;
}

inline void verifyResult()
{
    QFETCH(double, actual);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(qAbs(actual - expected) <= tolerance * qAbs(expected), qPrintable(QString::number(actual, 'g', 17)));
}

} // namespace dimensionChecks

#endif // DIMENSIONTABLECHECKS_H
