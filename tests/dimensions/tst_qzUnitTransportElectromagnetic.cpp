// The transport, composition, electromagnetic and radiation dimensions.
#include <qzUnitElectricalConductivity.h>
#include <qzUnitPercent.h>
#include <qzUnitValue.h>

#include "dimensionChecks.h"

using D = qzUnitSystem;

class tst_qzUnitTransportElectromagnetic : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion() { checkResult(); }
    void texts_data();
    void texts();
};

void tst_qzUnitTransportElectromagnetic::conversion_data()
{
    resultColumns();
    const D::Dimension density = D::ElectricalCurrentDensity, contact = D::AreicElectricalConductivity;
    result("percent to ratio", converted(D::Percent, 0, 1, 50.0), 0.5);
    result("ratio to percent", converted(D::Percent, 1, 0, 0.25), 25.0);
    result("fraction to the SI percentage", converted(D::MassFraction, 1, 0, 0.02), 2.0);
    result("kA to mA through the ampere", converted(D::Current, 2, 1, 1.0), 1000000.0, 0.0);
    result("A is 1000 mA", converted(D::Current, 0, 1, 1.0), 1000.0);
    result("micro resistivity to SI", converted(D::ElectricalResistivity, 1, 0, 1.0), 1e-06, 0.0);
    result("micro conductivity to SI", converted(D::ElectricalConductivity, 1, 0, 1.0), 1e6, 0.0);
    result("resistivity is reciprocal to conductivity",
           converted(D::ElectricalResistivity, 0, 1, converted(D::ElectricalConductivity, 0, 1, 1.0)), 1.0);
    // Prefix factors: the quotient of the two factors, then the value.
    result("nano factor is a quotient", converted(contact, 3, 0, 1.0), 999999999.9999999, 0.0);
    result("milli to nano", converted(contact, 1, 3, 1.0), 1.0000000000000002e-06, 0.0);
    result("per milliohm is 1000 per ohm", converted(contact, 1, 0, 1.0), 1000.0);
    result("per microhm is 1000 per milliohm", converted(contact, 2, 1, 1.0), 1000.0);
    result("per nanoohm is 1000 per microhm", converted(contact, 3, 2, 1.0), 1000.0);
    result("uA/m2 is 1/1000 mA/m2", converted(density, 1, 2, 1.0), 0.001);
    result("kA/m2 is 1000 A/m2", converted(density, 3, 0, 1.0), 1000.0);
    result("MA/m2 is 1000 kA/m2", converted(density, 4, 3, 1.0), 1000.0);
}

// Symbols whose characters are singled out (the Greek mu against the micro
// sign, the dot operator), names with the mu put in at run time, and the
// symbols that are translated.
void tst_qzUnitTransportElectromagnetic::texts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const QString mu(QChar(0x03BC)), micro(QChar(0x00B5)), squared(QChar(0x00B2));
    const QString ohmMeter = QString(QChar(0x03A9)) + QChar(0x00B7) + QLatin1Char('m');
    const auto row = [](const char* name, const QString& actual, const QString& expected) {
        QTest::newRow(name) << actual << expected;
    };
    const auto symbol = [](D::Dimension dimension, int index) { return D(dimension, index).symbol(); };
    row("MU", QString(qzUnitElectricalConductivity::MU), mu);
    row("conductivity", symbol(D::ElectricalConductivity, 0), QStringLiteral("1/(") + ohmMeter + QLatin1Char(')'));
    row("micro conductivity", symbol(D::ElectricalConductivity, 1), QStringLiteral("1/(") + mu + ohmMeter + QLatin1Char(')'));
    row("resistivity", symbol(D::ElectricalResistivity, 0), ohmMeter);
    row("micro resistivity", symbol(D::ElectricalResistivity, 1), mu + ohmMeter);
    row("current density, micro sign", symbol(D::ElectricalCurrentDensity, 1), micro + QStringLiteral("A/m") + squared);
    row("contact conductivity, micro sign", symbol(D::AreicElectricalConductivity, 2),
        QStringLiteral("1/(") + micro + ohmMeter + squared + QLatin1Char(')'));
    row("mass flux density, dot operator", symbol(D::MassFluxDensity, 0),
        QStringLiteral("kg/(s") + QChar(0x22C5) + QLatin1Char('m') + squared + QLatin1Char(')'));
    row("diffusivity", symbol(D::Diffusivity, 0), QStringLiteral("m") + squared + QStringLiteral("/s"));
    row("micro resistivity name", D(D::ElectricalResistivity, 1).name(), mu + QStringLiteral("Ohm * meter"));
    row("micro conductivity name", D(D::ElectricalConductivity, 1).name(), QStringLiteral("1 / (") + mu + QStringLiteral("Ohm * meter)"));
    row("percent values", qzUnitPercent::create(0.5, qzUnitPercent::Ratio).valueSymbolString('g', 6), QStringLiteral("0.5 -"));

    const RecordingTranslator translator;
    row("electric field symbol translated", symbol(D::ElectricField, 0), RecordingTranslator::recorded("qzUnitElectricField", "V/m"));
    row("magnetic field symbol translated", symbol(D::MagneticField, 0), RecordingTranslator::recorded("qzUnitMagneticField", "A/m"));
    row("induction symbol translated", symbol(D::MagneticInduction, 0), RecordingTranslator::recorded("qzUnitMagneticInduction", "T"));
    row("current symbol untranslated", symbol(D::Current, 0), QStringLiteral("A"));
}

void tst_qzUnitTransportElectromagnetic::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(tst_qzUnitTransportElectromagnetic)
#include "tst_qzUnitTransportElectromagnetic.moc"
