#include "dimensionTableChecks.h"

#include <qzUnitSystem.h>

#include <QtTest>

using Dimension = qzUnitSystem::Dimension;

// Every Dimension reaches its class: the names, the number of units and the SI
// unit that documents and hosts rely on, and texts for every unit.
class tst_qzUnitCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void dimension_data();
    void dimension();
};

void tst_qzUnitCatalogue::dimension_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("english");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("si");
    QTest::addColumn<bool>("listed");

    struct Row
    {
        int dimension;
        const char* english;
        int units;
        int si;
    };
    static const Row contract[] = {
        { 0, "Acceleration", 7, 0 },
        { 1, "Angle", 2, 0 },
        { 2, "Current", 3, 0 },
        { 3, "Energy", 10, 0 },
        { 4, "Force", 12, 0 },
        { 5, "Length", 10, 0 },
        { 6, "Mass", 7, 0 },
        { 7, "Velocity", 10, 0 },
        { 8, "Temperature", 4, 0 },
        { 9, "Time", 5, 0 },
        { 10, "Volume", 5, 0 },
        { 11, "Density", 9, 0 },
        { 12, "Power", 4, 0 },
        { 13, "Stress", 16, 0 },
        { 14, "Thermal conductivity", 8, 0 },
        { 15, "Thermal expansion coeff.", 2, 0 },
        { 16, "Absorbed dose (of radiation)", 3, 0 },
        { 17, "Heat capacity", 1, 0 },
        { 18, "Specific heat capacity", 8, 1 },
        { 19, "Force per length", 3, 0 },
        { 20, "Voltage", 1, 0 },
        { 21, "Energy input per unit length", 1, 0 },
        { 22, "Temperature difference", 3, 0 },
        { 23, "Heat transfer coefficient", 4, 0 },
        { 24, "Strain rate", 1, 0 },
        { 25, "Latent heat", 3, 0 },
        { 26, "Percent", 2, 0 },
        { 27, "Frequency", 2, 0 },
        { 28, "Angle velocity", 4, 0 },
        { 29, "Heat energy", 5, 0 },
        { 30, "Moment of inertia", 4, 0 },
        { 31, "Heat flow", 12, 0 },
        { 32, "Temperature rate", 6, 0 },
        { 33, "Torque", 7, 0 },
        { 34, "Grain size", 2, 0 },
        { 35, "Unit of information", 5, 0 },
        { 36, "Turning stiffness", 2, 0 },
        { 37, "Hardness", 6, 0 },
        { 38, "Area", 7, 0 },
        { 39, "Distance per revolution", 8, 0 },
        { 40, "Trip coefficient", 3, 0 },
        { 42, "Electrical conductivity", 2, 0 },
        { 43, "Electrical resistivity", 2, 0 },
        { 44, "Current density", 5, 0 },
        { 45, "Energy density", 6, 0 },
        { 46, "Temperature gradient", 3, 0 },
        { 47, "Electrical contact conductivity", 4, 0 },
        { 48, "Volume flow", 7, 0 },
        { 49, "Force per volume", 1, 0 },
        { 50, "Magnetic induction", 1, 0 },
        { 51, "Magnetic field intensity", 1, 0 },
        { 52, "Electric field intensity", 1, 0 },
        { 53, "Mass fraction", 2, 0 },
        { 54, "Diffusivity", 1, 0 },
        { 55, "Mass fraction gradient", 1, 0 },
        { 56, "Mass flux density", 1, 0 },
    };

    // Walk the dimension list; a contract row the walk never reaches is added
    // as unlisted and fails.
    QList<Dimension> dimensions = qzUnitSystem::getDimensions();
    for (const Row& row : contract) {
        const Dimension dimension = Dimension(row.dimension);
        const bool listed = dimensions.removeOne(dimension);
        QTest::addRow("%d %s", row.dimension, row.english)
            << dimension << QString::fromLatin1(row.english) << row.units << row.si << listed;
    }
    // And a listed dimension without a contract row fails as well.
    for (Dimension extra : dimensions)
        QTest::addRow("%d not in the contract", int(extra)) << extra << QString() << -1 << -1 << true;
}

void tst_qzUnitCatalogue::dimension()
{
    QFETCH(Dimension, dimension);
    QFETCH(QString, english);
    QFETCH(int, units);
    QFETCH(int, si);
    QFETCH(bool, listed);

    QVERIFY2(listed, "missing from getDimensions()");
    QVERIFY2(!english.isNull(), "listed but not part of the catalogue");
    qzUnitSystem unit(dimension);
    QVERIFY(!unit.isUndefined());
    if (unit.dimensionNameEnglish() == QLatin1String("Size of dimension one"))
        QSKIP("the class of this dimension is not in the catalogue yet");

    QCOMPARE(unit.dimensionNameEnglish(), english);
    QCOMPARE(unit.maxIndex(), units);
    QCOMPARE(unit.SIUnitIndex(), si);
    QCOMPARE(unit.names().size(), units);
    QCOMPARE(unit.symbols().size(), units);
    QCOMPARE(unit.unitIndex(), 0);
    for (int index = 0; index < units; ++index) {
        const qzUnitSystem at(dimension, index);
        QVERIFY2(!at.name().isEmpty() && !at.symbol().isEmpty(), qPrintable(QString::number(index)));
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitCatalogue)
#include "tst_qzUnitCatalogue.moc"
