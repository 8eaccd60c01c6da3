// Every Dimension reaches its class, and every class keeps the contract of a
// dimension class: the names, numbers of units and SI units that documents
// and hosts rely on, texts in the class's context, conversions through unit
// 0, and indices outside the table that give no texts and convert nothing.
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

struct Row
{
    int dimension;
    const char* key; // the enumerator; the class is "qzUnit" + key
    const char* english;
    int units;
    int si;
    Kind kind;
    const char* comment;
};
const Row contract[] = {
    { 0, "Acceleration", "Acceleration", 7, 0, Rows, nullptr },
    { 1, "Angle", "Angle", 2, 0, Rows, nullptr },
    { 2, "Current", "Current", 3, 0, Rows, nullptr },
    { 3, "Energy", "Energy", 10, 0, Rows, nullptr },
    { 4, "Force", "Force", 12, 0, Rows, nullptr },
    { 5, "Length", "Length", 10, 0, Rows, nullptr },
    { 6, "Mass", "Mass", 7, 0, Rows, nullptr },
    { 7, "Speed", "Velocity", 10, 0, Rows, nullptr },
    { 8, "Temperature", "Temperature", 4, 0, Rows, nullptr },
    { 9, "Time", "Time", 5, 0, Rows, nullptr },
    { 10, "Volume", "Volume", 5, 0, Rows, nullptr },
    { 11, "Density", "Density", 9, 0, Rows, nullptr },
    { 12, "Power", "Power", 4, 0, Labels, nullptr },
    { 13, "Stress", "Stress", 16, 0, Rows, nullptr },
    { 14, "ThermalConductivity", "Thermal conductivity", 8, 0, Rows, nullptr },
    { 15, "ThermalExpansion", "Thermal expansion coeff.", 2, 0, Labels, nullptr },
    { 16, "AbsorbedDose", "Absorbed dose (of radiation)", 3, 0, Labels, nullptr },
    { 17, "HeatCapacity", "Heat capacity", 1, 0, Labels, nullptr },
    { 18, "SpecificHeatCapacity", "Specific heat capacity", 8, 1, Rows, nullptr },
    { 19, "ForceLength", "Force per length", 3, 0, Rows, nullptr },
    { 20, "Voltage", "Voltage", 1, 0, Labels, nullptr },
    { 21, "EnergyLength", "Energy input per unit length", 1, 0, Labels, nullptr },
    { 22, "TemperatureDifference", "Temperature difference", 3, 0, Rows, nullptr },
    { 23, "HeatTransferCoefficient", "Heat transfer coefficient", 4, 0, Rows, nullptr },
    { 24, "StrainRate", "Strain rate", 1, 0, Labels, nullptr },
    { 25, "LatentHeat", "Latent heat", 3, 0, Rows, nullptr },
    { 26, "Percent", "Percent", 2, 0, Rows, nullptr },
    { 27, "Frequency", "Frequency", 2, 0, Labels, nullptr },
    { 28, "AngularVelocity", "Angle velocity", 4, 0, Rows, nullptr },
    { 29, "Heat", "Heat energy", 5, 0, Rows, nullptr },
    { 30, "MomentOfInertia", "Moment of inertia", 4, 0, Rows, nullptr },
    { 31, "HeatFlux", "Heat flow", 12, 0, Rows, nullptr },
    { 32, "TemperatureRate", "Temperature rate", 6, 0, Rows, nullptr },
    { 33, "Torque", "Torque", 7, 0, Rows, nullptr },
    { 34, "GrainSize", "Grain size", 2, 0, Rows, nullptr },
    { 35, "OfInformation", "Unit of information", 5, 0, Rows, nullptr },
    { 36, "TurningStiffness", "Turning stiffness", 2, 0, Rows, nullptr },
    { 37, "Hardness", "Hardness", 6, 0, Clamped, nullptr },
    { 38, "Area", "Area", 7, 0, Rows, nullptr },
    { 39, "DistancePerRevolution", "Distance per revolution", 8, 0, Rows, "de=Weg pro Umdrehung" },
    { 40, "TripCoefficient", "Trip coefficient", 3, 0, Rows, nullptr },
    { 42, "ElectricalConductivity", "Electrical conductivity", 2, 0, Rows, nullptr },
    { 43, "ElectricalResistivity", "Electrical resistivity", 2, 0, Rows,
      "Electrical resistivity Material specific value, does not depend on other factors like geometry "
      "(DO NOT confuse with 'Resistance')" },
    { 44, "ElectricalCurrentDensity", "Current density", 5, 0, Prefixes, nullptr },
    { 45, "EnergyDensity", "Energy density", 6, 0, Prefixes, nullptr },
    { 46, "TemperatureGradient", "Temperature gradient", 3, 0, Prefixes, nullptr },
    { 47, "AreicElectricalConductivity", "Electrical contact conductivity", 4, 0, Prefixes, nullptr },
    { 48, "VolumePerTime", "Volume flow", 7, 0, Rows, nullptr },
    { 49, "ForcePerVolume", "Force per volume", 1, 0, Labels, nullptr },
    { 50, "MagneticInduction", "Magnetic induction", 1, 0, Labels, nullptr },
    { 51, "MagneticField", "Magnetic field intensity", 1, 0, Labels, nullptr },
    { 52, "ElectricField", "Electric field intensity", 1, 0, Labels, nullptr },
    { 53, "MassFraction", "Mass fraction", 2, 0, Rows, nullptr },
    { 54, "Diffusivity", "Diffusivity", 1, 0, Anywhere, nullptr },
    { 55, "MassFractionGradient", "Mass fraction gradient", 1, 0, Inert, nullptr },
    { 56, "MassFluxDensity", "Mass flux density", 1, 0, Inert, nullptr },
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
    QTest::addColumn<int>("row"); // in contract; -1 for a listed dimension without one
    QTest::addColumn<bool>("listed");
    // The list must give the contract's dimensions in ascending order; a row
    // it does not reach in turn, and a listed dimension without a row, fail.
    QList<Dimension> dimensions = qzUnitSystem::getDimensions();
    QCOMPARE(qzUnitSystem::nbDimensions(), dimensions.size());
    for (const Row& row : contract) {
        const bool listed = !dimensions.isEmpty() && dimensions.takeFirst() == Dimension(row.dimension);
        QTest::addRow("%d %s", row.dimension, row.key) << int(&row - contract) << listed;
    }
    for (Dimension extra : dimensions)
        QTest::addRow("%d not in the contract", int(extra)) << -1 << true;
}

void tst_qzUnitCatalogue::dimension()
{
    QFETCH(int, row);
    QFETCH(bool, listed);
    QVERIFY2(listed, "not listed by getDimensions() in turn");
    QVERIFY2(row >= 0, "listed but not part of the contract");
    const Row& c = contract[row];
    const Dimension dimension = Dimension(c.dimension);
    const int units = c.units, kind = c.kind;
    qzUnitSystem unit(dimension, units - 1);
    QCOMPARE(qzUnitSystem::dimensionKey(dimension), QString::fromLatin1(c.key));
    QCOMPARE(unit.dimensionNameEnglish(), QString::fromUtf8(c.english));
    QVERIFY(unit.maxIndex() == units && unit.names().size() == units && unit.symbols().size() == units);
    QCOMPARE(unit.unitIndex(), units - 1); // names() walks the object and puts it back
    QCOMPARE(unit.SIUnitIndex(), c.si);
    QCOMPARE(qzUnitSystem(dimension).valueSymbolSeparator(), QStringLiteral(" "));
    {
        const RecordingTranslator translator;
        const QByteArray context = QByteArray("qzUnit") + c.key;
        QCOMPARE(unit.dimensionName(), RecordingTranslator::recorded(context, c.english, c.comment));
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
