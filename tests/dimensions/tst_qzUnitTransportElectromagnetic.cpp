// The transport, composition, electromagnetic and radiation dimensions.
#include <qzUnitElectricalConductivity.h>
#include <qzUnitPercent.h>
#include <qzUnitValue.h>

#include "dimensionChecks.h"
#include "dimensionTableChecks.h"

using Dimension = qzUnitSystem::Dimension;
using dimensionChecks::convert;
using dimensionChecks::result;

namespace {

// Also remembers the source texts it was asked for.
class SourceRecordingTranslator : public RecordingTranslator
{
public:
    QString translate(const char* context, const char* source, const char* comment, int n) const override
    {
        sources.append(QString::fromUtf8(source));
        return RecordingTranslator::translate(context, source, comment, n);
    }
    mutable QStringList sources;
};

} // namespace

class tst_qzUnitTransportElectromagnetic : public QObject
{
    Q_OBJECT

private slots:
    void classes_data();
    void classes() { checkClass(); }
    void conversion_data();
    void conversion() { dimensionChecks::verifyResult(); }
    void roundTrips();
    void virtualChangeTo_data();
    void virtualChangeTo();
    void symbols_data();
    void symbols();
    void texts_data();
    void texts();
    void microGoesInAfterTranslation();
    void percentFactory();
};

// The classes that follow the whole contract; the prefix classes and the
// inert ones deviate and are covered below.
void tst_qzUnitTransportElectromagnetic::classes_data()
{
    addClassColumns();
    addClass(qzUnitSystem::Percent, "qzUnitPercent", "Percent", 2);
    addClass(qzUnitSystem::MassFraction, "qzUnitMassFraction", "Mass fraction", 2);
    addClass(qzUnitSystem::Current, "qzUnitCurrent", "Current", 3);
    addClass(qzUnitSystem::AbsorbedDose, "qzUnitAbsorbedDose", "Absorbed dose (of radiation)", 3);
    addClass(qzUnitSystem::Voltage, "qzUnitVoltage", "Voltage", 1);
    addClass(qzUnitSystem::ElectricField, "qzUnitElectricField", "Electric field intensity", 1);
    addClass(qzUnitSystem::MagneticField, "qzUnitMagneticField", "Magnetic field intensity", 1);
    addClass(qzUnitSystem::MagneticInduction, "qzUnitMagneticInduction", "Magnetic induction", 1);
    addClass(qzUnitSystem::ElectricalConductivity, "qzUnitElectricalConductivity", "Electrical conductivity", 2);
    addClass(qzUnitSystem::ElectricalResistivity, "qzUnitElectricalResistivity", "Electrical resistivity", 2,
             "Electrical resistivity Material specific value, does not depend on other factors like geometry "
             "(DO NOT confuse with 'Resistance')");
}

void tst_qzUnitTransportElectromagnetic::conversion_data()
{
    dimensionChecks::resultColumns();
    const Dimension density = qzUnitSystem::ElectricalCurrentDensity;
    const Dimension contact = qzUnitSystem::AreicElectricalConductivity;
    result("percent to ratio", convert(qzUnitSystem::Percent, 0, 1, 50.0), 0.5);
    result("ratio to percent", convert(qzUnitSystem::Percent, 1, 0, 0.25), 25.0);
    result("fraction to the SI percentage", convert(qzUnitSystem::MassFraction, 1, 0, 0.02), 2.0);
    result("kA to mA through the ampere", convert(qzUnitSystem::Current, 2, 1, 1.0), 1000000.0, 0);
    result("micro resistivity to SI", convert(qzUnitSystem::ElectricalResistivity, 1, 0, 1.0), 1e-06, 0);
    result("micro conductivity to SI", convert(qzUnitSystem::ElectricalConductivity, 1, 0, 1.0), 1e6, 0);
    result("nano factor is a quotient", convert(contact, 3, 0, 1.0), 999999999.9999999, 0);
    result("milli to nano", convert(contact, 1, 3, 1.0), 1.0000000000000002e-06, 0);
    // Relations that follow from the prefixes alone.
    result("A is 1000 mA", convert(qzUnitSystem::Current, 0, 1, 1.0), 1000.0);
    result("uA/m2 is 1/1000 mA/m2", convert(density, 1, 2, 1.0), 0.001);
    result("kA/m2 is 1000 A/m2", convert(density, 3, 0, 1.0), 1000.0);
    result("MA/m2 is 1000 kA/m2", convert(density, 4, 3, 1.0), 1000.0);
    result("per milliohm is 1000 per ohm", convert(contact, 1, 0, 1.0), 1000.0);
    result("per microhm is 1000 per milliohm", convert(contact, 2, 1, 1.0), 1000.0);
    result("per nanoohm is 1000 per microhm", convert(contact, 3, 2, 1.0), 1000.0);
    result("resistivity is reciprocal to conductivity",
           convert(qzUnitSystem::ElectricalResistivity, 0, 1, convert(qzUnitSystem::ElectricalConductivity, 0, 1, 1.0)),
           1.0);
    // Unknown units and units without conversion.
    result("unknown prefix source is zero", convert(density, 5, 0, 3.0), 0.0, 0);
    result("unknown prefix target", convert(density, 0, 5, 3.0), 3.0, 0);
    result("unknown factor target", convert(qzUnitSystem::Percent, 0, 2, 3.0), 3.0, 0);
    result("negative factor source", convert(qzUnitSystem::Current, -1, 0, 3.0), 3.0, 0);
    result("dose units are one unit", convert(qzUnitSystem::AbsorbedDose, 0, 2, 3.0), 3.0, 0);
    result("diffusivity", convert(qzUnitSystem::Diffusivity, 0, 3, 3.0), 3.0, 0);
}

void tst_qzUnitTransportElectromagnetic::roundTrips()
{
    for (Dimension dimension : { qzUnitSystem::ElectricalCurrentDensity, qzUnitSystem::AreicElectricalConductivity }) {
        const int count = qzUnitSystem(dimension).maxIndex();
        for (int from = 0; from < count; ++from)
            for (int to = 0; to < count; ++to)
                QVERIFY2(qFuzzyCompare(convert(dimension, to, from, convert(dimension, from, to, 12.375)), 12.375),
                         qPrintable(QStringLiteral("%1: %2 -> %3").arg(dimension).arg(from).arg(to)));
    }
}

void tst_qzUnitTransportElectromagnetic::virtualChangeTo_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("target");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("index");

    QTest::newRow("fraction converts") << qzUnitSystem::MassFraction << 0 << 1 << 0.01 << 1;
    QTest::newRow("current converts") << qzUnitSystem::Current << 2 << 1 << 1000000.0 << 1;
    QTest::newRow("unknown unit is recorded") << qzUnitSystem::Percent << 0 << 4 << 1.0 << 4;
    QTest::newRow("density from an unknown unit") << qzUnitSystem::ElectricalCurrentDensity << 7 << 0 << 0.0 << 0;
    QTest::newRow("density to an unknown unit") << qzUnitSystem::ElectricalCurrentDensity << 0 << 7 << 1.0 << 7;
    QTest::newRow("dose relabels") << qzUnitSystem::AbsorbedDose << 0 << 2 << 1.0 << 2;
    QTest::newRow("voltage relabels") << qzUnitSystem::Voltage << 0 << 3 << 1.0 << 3;
    QTest::newRow("induction relabels") << qzUnitSystem::MagneticInduction << 0 << 1 << 1.0 << 1;
    QTest::newRow("diffusivity stays") << qzUnitSystem::Diffusivity << 0 << 3 << 1.0 << 0;
    QTest::newRow("flux density stays") << qzUnitSystem::MassFluxDensity << 0 << -1 << 1.0 << 0;
}

void tst_qzUnitTransportElectromagnetic::virtualChangeTo()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, start);
    QFETCH(int, target);
    QFETCH(double, expected);
    QFETCH(int, index);
    qzUnitSystem unit(dimension, start);
    double value = 1.0;
    unit.changeTo(target, value);
    QCOMPARE(value, expected);
    QCOMPARE(unit.unitIndex(), index);
}

void tst_qzUnitTransportElectromagnetic::symbols_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expected");

    const QChar mu(0x03BC), micro(0x00B5), squared(0x00B2);
    const QString ohmMeter = QString(QChar(0x03A9)) + QChar(0x00B7) + QLatin1Char('m');
    const auto symbol = [](Dimension dimension, int index) { return qzUnitSystem(dimension, index).symbol(); };
    QTest::newRow("MU") << QString(qzUnitElectricalConductivity::MU) << QString(mu);
    QTest::newRow("conductivity") << symbol(qzUnitSystem::ElectricalConductivity, 0)
                                  << QStringLiteral("1/(") + ohmMeter + QLatin1Char(')');
    QTest::newRow("micro conductivity") << symbol(qzUnitSystem::ElectricalConductivity, 1)
                                        << QStringLiteral("1/(") + mu + ohmMeter + QLatin1Char(')');
    QTest::newRow("resistivity") << symbol(qzUnitSystem::ElectricalResistivity, 0) << ohmMeter;
    QTest::newRow("micro resistivity") << symbol(qzUnitSystem::ElectricalResistivity, 1) << mu + ohmMeter;
    QTest::newRow("current density, micro sign")
        << symbol(qzUnitSystem::ElectricalCurrentDensity, 1) << micro + QStringLiteral("A/m") + squared;
    QTest::newRow("contact conductivity, micro sign") << symbol(qzUnitSystem::AreicElectricalConductivity, 2)
                                                      << QStringLiteral("1/(") + micro + ohmMeter + squared + QLatin1Char(')');
    QTest::newRow("mass flux density, dot operator")
        << symbol(qzUnitSystem::MassFluxDensity, 0)
        << QStringLiteral("kg/(s") + QChar(0x22C5) + QLatin1Char('m') + squared + QLatin1Char(')');
    QTest::newRow("diffusivity") << symbol(qzUnitSystem::Diffusivity, 0) << QStringLiteral("m") + squared + QStringLiteral("/s");
}

void tst_qzUnitTransportElectromagnetic::symbols()
{
    QFETCH(QString, symbol);
    QFETCH(QString, expected);
    QCOMPARE(symbol, expected);
}

void tst_qzUnitTransportElectromagnetic::texts_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("context");
    QTest::addColumn<bool>("translatedSymbols");

    const auto row = [](Dimension dimension, const char* context, bool translatedSymbols = false) {
        QTest::newRow(context) << dimension << QString::fromLatin1(context) << translatedSymbols;
    };
    row(qzUnitSystem::Percent, "qzUnitPercent");
    row(qzUnitSystem::MassFraction, "qzUnitMassFraction");
    row(qzUnitSystem::Diffusivity, "qzUnitDiffusivity");
    row(qzUnitSystem::MassFractionGradient, "qzUnitMassFractionGradient");
    row(qzUnitSystem::MassFluxDensity, "qzUnitMassFluxDensity");
    row(qzUnitSystem::Current, "qzUnitCurrent");
    row(qzUnitSystem::AbsorbedDose, "qzUnitAbsorbedDose");
    row(qzUnitSystem::Voltage, "qzUnitVoltage");
    row(qzUnitSystem::ElectricField, "qzUnitElectricField", true);
    row(qzUnitSystem::MagneticField, "qzUnitMagneticField", true);
    row(qzUnitSystem::MagneticInduction, "qzUnitMagneticInduction", true);
    row(qzUnitSystem::ElectricalConductivity, "qzUnitElectricalConductivity");
    row(qzUnitSystem::ElectricalResistivity, "qzUnitElectricalResistivity");
    row(qzUnitSystem::ElectricalCurrentDensity, "qzUnitElectricalCurrentDensity");
    row(qzUnitSystem::AreicElectricalConductivity, "qzUnitAreicElectricalConductivity");
}

// Every unit name is translated in the class's context, symbols only where
// marked; outside the table there are no texts, except for diffusivity,
// which ignores the index.
void tst_qzUnitTransportElectromagnetic::texts()
{
    QFETCH(Dimension, dimension);
    QFETCH(QString, context);
    QFETCH(bool, translatedSymbols);

    qzUnitSystem unit(dimension);
    const QStringList names = unit.names();
    const QStringList symbols = unit.symbols();
    const bool ignoresIndex = dimension == qzUnitSystem::Diffusivity;
    for (int index : { -1, names.size() }) {
        const qzUnitSystem outside(dimension, index);
        QCOMPARE(outside.name(), ignoresIndex ? names.first() : QString());
        QCOMPARE(outside.symbol(), ignoresIndex ? symbols.first() : QString());
    }

    const RecordingTranslator translator;
    const auto recorded = [&](const QString& text) {
        return QLatin1Char('[') + context + QLatin1Char('|') + text + QStringLiteral("|]");
    };
    for (int i = 0; i < names.size(); ++i) {
        unit.setUnitIndex(i);
        QCOMPARE(unit.name(), recorded(names.at(i)));
        QCOMPARE(unit.symbol(), translatedSymbols ? recorded(symbols.at(i)) : symbols.at(i));
    }
}

void tst_qzUnitTransportElectromagnetic::microGoesInAfterTranslation()
{
    const QString mu(qzUnitElectricalConductivity::MU);
    QCOMPARE(qzUnitSystem(qzUnitSystem::ElectricalResistivity, 1).name(), mu + QStringLiteral("Ohm * meter"));
    QCOMPARE(qzUnitSystem(qzUnitSystem::ElectricalConductivity, 1).name(),
             QStringLiteral("1 / (") + mu + QStringLiteral("Ohm * meter)"));
    const SourceRecordingTranslator translator;
    qzUnitSystem(qzUnitSystem::ElectricalResistivity, 1).name();
    QCOMPARE(translator.sources, QStringList(QStringLiteral("%1Ohm * meter")));
}

void tst_qzUnitTransportElectromagnetic::percentFactory()
{
    const qzUnitValue value = qzUnitPercent::create(0.5, qzUnitPercent::Ratio);
    QCOMPARE(value.dimension(), qzUnitSystem::Percent);
    QCOMPARE(value.unitIndex(), 1);
    QCOMPARE(value.value(), 0.5);
}

QTEST_GUILESS_MAIN(tst_qzUnitTransportElectromagnetic)
#include "tst_qzUnitTransportElectromagnetic.moc"
