#include <qzUnitAreicElectricalConductivity.h>
#include <qzUnitElectricalConductivity.h>
#include <qzUnitElectricalCurrentDensity.h>
#include <qzUnitElectricalResistivity.h>

#include "qzDimensionChecks.h"

#include <QtTest>

using Dimension = qzUnitSystem::Dimension;

namespace {

const QChar Omega(0x03A9);
const QChar MiddleDot(0x00B7);
const QChar MicroSign(0x00B5);
const QChar Squared(0x00B2);

const char* const ResistivityComment = "Electrical resistivity Material specific value, does not depend on other factors "
                                       "like geometry (DO NOT confuse with 'Resistance')";

} // namespace

class tst_qzUnitElectromagnetic : public QObject
{
    Q_OBJECT

private slots:
    void exactConversion_data();
    void exactConversion();
    void prefixRelations_data();
    void prefixRelations();
    void roundTrip_data();
    void roundTrip();
    void virtualChangeTo_data();
    void virtualChangeTo();
    void symbolCodePoints_data();
    void symbolCodePoints();
    void microNames();
    void outOfRangeTexts_data();
    void outOfRangeTexts();
    void translation_data();
    void translation();
};

void tst_qzUnitElectromagnetic::exactConversion_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("kA to mA through the ampere") << qzUnitSystem::Current << 2 << 1 << 1.0 << 1000000.0;
    QTest::newRow("micro resistivity to SI") << qzUnitSystem::ElectricalResistivity << 1 << 0 << 1.0 << 1e-06;
    QTest::newRow("micro conductivity to SI") << qzUnitSystem::ElectricalConductivity << 1 << 0 << 1.0 << 1000000.0;
    QTest::newRow("nano factor is a quotient") << qzUnitSystem::AreicElectricalConductivity << 3 << 0 << 1.0
                                               << 999999999.9999999;
    QTest::newRow("milli to nano") << qzUnitSystem::AreicElectricalConductivity << 1 << 3 << 1.0
                                   << 1.0000000000000002e-06;
    QTest::newRow("unknown prefix source is zero") << qzUnitSystem::ElectricalCurrentDensity << 5 << 0 << 3.0 << 0.0;
    QTest::newRow("negative prefix source is zero") << qzUnitSystem::AreicElectricalConductivity << -1 << 2 << 3.0
                                                    << 0.0;
    QTest::newRow("unknown prefix target") << qzUnitSystem::ElectricalCurrentDensity << 0 << 5 << 3.0 << 3.0;
    QTest::newRow("unknown factor target") << qzUnitSystem::Current << 0 << 3 << 3.0 << 3.0;
    QTest::newRow("unknown factor source") << qzUnitSystem::ElectricalResistivity << -1 << 0 << 3.0 << 3.0;
    QTest::newRow("dose units are one unit") << qzUnitSystem::AbsorbedDose << 0 << 2 << 3.0 << 3.0;
    QTest::newRow("electric field") << qzUnitSystem::ElectricField << 0 << 1 << 3.0 << 3.0;
}

void tst_qzUnitElectromagnetic::exactConversion()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, value);
    QFETCH(double, expected);
    qzUnitSystem::changeTo(dimension, from, to, value);
    QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 17)));
}

void tst_qzUnitElectromagnetic::prefixRelations_data()
{
    // One unit of "from" is "factor" units of "to", by the meaning of the prefixes.
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("factor");

    QTest::newRow("kA is 1000 A") << qzUnitSystem::Current << 2 << 0 << 1000.0;
    QTest::newRow("A is 1000 mA") << qzUnitSystem::Current << 0 << 1 << 1000.0;
    QTest::newRow("uA/m2 is a thousandth mA/m2") << qzUnitSystem::ElectricalCurrentDensity << 1 << 2 << 0.001;
    QTest::newRow("mA/m2 is a thousandth A/m2") << qzUnitSystem::ElectricalCurrentDensity << 2 << 0 << 0.001;
    QTest::newRow("kA/m2 is 1000 A/m2") << qzUnitSystem::ElectricalCurrentDensity << 3 << 0 << 1000.0;
    QTest::newRow("MA/m2 is 1000 kA/m2") << qzUnitSystem::ElectricalCurrentDensity << 4 << 3 << 1000.0;
    QTest::newRow("per milliohm is 1000 per ohm") << qzUnitSystem::AreicElectricalConductivity << 1 << 0 << 1000.0;
    QTest::newRow("per microhm is 1000 per milliohm") << qzUnitSystem::AreicElectricalConductivity << 2 << 1 << 1000.0;
    QTest::newRow("per nanoohm is 1000 per microhm") << qzUnitSystem::AreicElectricalConductivity << 3 << 2 << 1000.0;
    QTest::newRow("resistivity and conductivity are reciprocal")
        << qzUnitSystem::ElectricalResistivity << 0 << 1 << qzUnitSystem::conversionFactor(qzUnitSystem::ElectricalConductivity, 1, 0);
}

void tst_qzUnitElectromagnetic::prefixRelations()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, factor);
    const double forth = qzUnitSystem::conversionFactor(dimension, from, to);
    QVERIFY2(qFuzzyCompare(forth, factor), qPrintable(QString::number(forth, 'g', 17)));
    QVERIFY(qFuzzyCompare(qzUnitSystem::conversionFactor(dimension, to, from) * factor, 1.0));
}

void tst_qzUnitElectromagnetic::roundTrip_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::newRow("current") << qzUnitSystem::Current;
    QTest::newRow("conductivity") << qzUnitSystem::ElectricalConductivity;
    QTest::newRow("resistivity") << qzUnitSystem::ElectricalResistivity;
    QTest::newRow("current density") << qzUnitSystem::ElectricalCurrentDensity;
    QTest::newRow("contact conductivity") << qzUnitSystem::AreicElectricalConductivity;
}

void tst_qzUnitElectromagnetic::roundTrip()
{
    QFETCH(Dimension, dimension);
    const int count = qzUnitSystem(dimension).maxIndex();
    for (int from = 0; from < count; ++from) {
        for (int to = 0; to < count; ++to) {
            double value = 123.456;
            qzUnitSystem::changeTo(dimension, from, to, value);
            QCOMPARE(value == 123.456, from == to);
            qzUnitSystem::changeTo(dimension, to, from, value);
            QVERIFY2(qFuzzyCompare(value, 123.456), qPrintable(QStringLiteral("%1 -> %2").arg(from).arg(to)));
        }
    }
}

void tst_qzUnitElectromagnetic::virtualChangeTo_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("target");
    QTest::addColumn<double>("expected");

    QTest::newRow("current converts") << qzUnitSystem::Current << 2 << 1 << 1000000.0;
    QTest::newRow("current records an unknown unit") << qzUnitSystem::Current << 0 << 3 << 1.0;
    QTest::newRow("conductivity records an unknown unit") << qzUnitSystem::ElectricalConductivity << 1 << -2 << 1.0;
    QTest::newRow("density from an unknown unit") << qzUnitSystem::ElectricalCurrentDensity << 7 << 0 << 0.0;
    QTest::newRow("density to an unknown unit") << qzUnitSystem::ElectricalCurrentDensity << 0 << 7 << 1.0;
    QTest::newRow("dose relabels") << qzUnitSystem::AbsorbedDose << 0 << 2 << 1.0;
    QTest::newRow("voltage relabels") << qzUnitSystem::Voltage << 0 << 3 << 1.0;
    QTest::newRow("electric field relabels") << qzUnitSystem::ElectricField << 0 << 1 << 1.0;
    QTest::newRow("magnetic field relabels") << qzUnitSystem::MagneticField << 0 << 1 << 1.0;
    QTest::newRow("induction relabels") << qzUnitSystem::MagneticInduction << 0 << 1 << 1.0;
}

void tst_qzUnitElectromagnetic::virtualChangeTo()
{
    QFETCH(Dimension, dimension);
    QFETCH(int, start);
    QFETCH(int, target);
    QFETCH(double, expected);
    qzUnitSystem unit(dimension, start);
    double value = 1.0;
    unit.changeTo(target, value);
    QCOMPARE(value, expected);
    QCOMPARE(unit.unitIndex(), target);
}

void tst_qzUnitElectromagnetic::symbolCodePoints_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expected");

    const QChar mu = qzUnitElectricalConductivity::MU;
    QTest::newRow("MU is the Greek small mu") << QString(mu) << QString(QChar(0x03BC));
    QTest::newRow("conductivity") << qzUnitElectricalConductivity::symbol(0)
                                  << QStringLiteral("1/(") + Omega + MiddleDot + QStringLiteral("m)");
    QTest::newRow("micro conductivity") << qzUnitElectricalConductivity::symbol(1)
                                        << QStringLiteral("1/(") + mu + Omega + MiddleDot + QStringLiteral("m)");
    QTest::newRow("resistivity") << qzUnitElectricalResistivity::symbol(0)
                                 << QString(Omega) + MiddleDot + QLatin1Char('m');
    QTest::newRow("micro resistivity") << qzUnitElectricalResistivity::symbol(1)
                                       << QString(mu) + Omega + MiddleDot + QLatin1Char('m');
    QTest::newRow("current density writes the micro sign")
        << qzUnitElectricalCurrentDensity::symbol(1) << QString(MicroSign) + QStringLiteral("A/m") + Squared;
    QTest::newRow("contact conductivity writes the micro sign")
        << qzUnitAreicElectricalConductivity::symbol(2)
        << QStringLiteral("1/(") + MicroSign + Omega + MiddleDot + QLatin1Char('m') + Squared + QLatin1Char(')');
    QTest::newRow("nano contact conductivity")
        << qzUnitAreicElectricalConductivity::symbol(3)
        << QStringLiteral("1/(n") + Omega + MiddleDot + QLatin1Char('m') + Squared + QLatin1Char(')');
}

void tst_qzUnitElectromagnetic::symbolCodePoints()
{
    QFETCH(QString, symbol);
    QFETCH(QString, expected);
    QCOMPARE(symbol, expected);
}

void tst_qzUnitElectromagnetic::microNames()
{
    const QString mu(qzUnitElectricalConductivity::MU);
    QCOMPARE(qzUnitElectricalResistivity::name(1), mu + QStringLiteral("Ohm * meter"));
    QCOMPARE(qzUnitElectricalConductivity::name(1), QStringLiteral("1 / (") + mu + QStringLiteral("Ohm * meter)"));
    QCOMPARE(qzUnitElectricalConductivity::name(0), QStringLiteral("1 / (Ohm * meter)"));

    // The pattern is the translation source; the prefix goes in afterwards.
    qzTaggingTranslator translator;
    qzUnitElectricalResistivity::name(1);
    qzUnitElectricalConductivity::name(1);
    QCOMPARE(translator.sources,
             QStringList({ QStringLiteral("%1Ohm * meter"), QStringLiteral("1 / (%1Ohm * meter)") }));
}

void tst_qzUnitElectromagnetic::outOfRangeTexts_data()
{
    QTest::addColumn<Dimension>("dimension");
    for (Dimension dimension : { qzUnitSystem::Current, qzUnitSystem::AbsorbedDose, qzUnitSystem::Voltage,
                                 qzUnitSystem::ElectricalConductivity, qzUnitSystem::ElectricalResistivity,
                                 qzUnitSystem::ElectricalCurrentDensity, qzUnitSystem::AreicElectricalConductivity,
                                 qzUnitSystem::MagneticInduction, qzUnitSystem::MagneticField,
                                 qzUnitSystem::ElectricField })
        QTest::newRow(qPrintable(qzUnitSystem(dimension).dimensionNameEnglish())) << dimension;
}

void tst_qzUnitElectromagnetic::outOfRangeTexts()
{
    QFETCH(Dimension, dimension);
    verifyNoTextsOutside(dimension);
}

void tst_qzUnitElectromagnetic::translation_data()
{
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QList<int>>("translatedSymbols");
    QTest::addColumn<QByteArray>("disambiguation");

    const auto row = [](const char* context, Dimension dimension, QList<int> translated = {},
                        const char* comment = nullptr) {
        QTest::newRow(context) << dimension << QString::fromLatin1(context) << translated << QByteArray(comment);
    };
    row("qzUnitCurrent", qzUnitSystem::Current);
    row("qzUnitAbsorbedDose", qzUnitSystem::AbsorbedDose);
    row("qzUnitVoltage", qzUnitSystem::Voltage);
    row("qzUnitElectricField", qzUnitSystem::ElectricField, { 0 });
    row("qzUnitMagneticField", qzUnitSystem::MagneticField, { 0 });
    row("qzUnitMagneticInduction", qzUnitSystem::MagneticInduction, { 0 });
    row("qzUnitElectricalConductivity", qzUnitSystem::ElectricalConductivity);
    row("qzUnitElectricalResistivity", qzUnitSystem::ElectricalResistivity, {}, ResistivityComment);
    row("qzUnitElectricalCurrentDensity", qzUnitSystem::ElectricalCurrentDensity);
    row("qzUnitAreicElectricalConductivity", qzUnitSystem::AreicElectricalConductivity);
}

void tst_qzUnitElectromagnetic::translation()
{
    QFETCH(Dimension, dimension);
    QFETCH(QString, context);
    QFETCH(QList<int>, translatedSymbols);
    QFETCH(QByteArray, disambiguation);
    verifyTranslatedTexts(dimension, context, translatedSymbols,
                          disambiguation.isNull() ? nullptr : disambiguation.constData());
    // Without a translator the disambiguation does not show.
    const QString english = qzUnitSystem(dimension).dimensionNameEnglish();
    QCOMPARE(qzUnitSystem(dimension).dimensionName(), english);
}

QTEST_GUILESS_MAIN(tst_qzUnitElectromagnetic)
#include "tst_qzUnitElectromagnetic.moc"
