// Typed values: each row an input, the dimension asked for, and either the
// dimension and the value in unit 0 it must give or the error it must give.
// Expected values come from the physical definitions of the units (GNU units).
#include "checks.h"

#include <qzUnitCatalogue.h>
#include <qzUnitParser.h>
#include <qzUnitValue.h>

using D = qzUnitSystem::Dimension;

class tst_qzUnitParser : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void everyRowReadsAsItself();
    void translated();
};

void tst_qzUnitParser::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<double>("unitZero");
    const auto value = [](const char* text, int dimension, double unitZero, int asked = -1, const char* locale = "C") {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(locale) << asked
                            << int(qzUnitParser::NoError) << dimension << unitZero;
    };
    const auto error = [](const char* text, qzUnitParser::Error kind, int asked = -1, const char* locale = "C") {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(locale) << asked << int(kind) << -1 << 0.0;
    };
    value("12.5 mm", D::Length, 0.0125);
    value("12.5 MM", D::Length, 0.0125);
    value("3 feet", D::Length, 0.9144);
    value("2 inches", D::Length, 0.0508);
    value("2 metres", D::Length, 2.0);
    value("250 microns", D::Length, 0.00025);
    value("25 um", D::GrainSize, 25.0, D::GrainSize);
    value("25 \u03BCm", D::Length, 25e-6, D::Length);
    value("60 rpm", D::AngularVelocity, 6.2831853071795862);
    value("3 ft 4 in", D::Length, 1.016);
    value("5' 3\"", D::Length, 1.6002);
    value("-5 ft 3 in", D::Length, -1.6002);
    value("1 h 30 min", D::Time, 5400.0);
    value("1 1/2 in", D::Length, 0.0381);
    value("3/8\"", D::Length, 0.009525);
    value("10 sec", D::Time, 10.0);
    value("2 hr", D::Time, 7200.0);
    value("1 kN", D::Force, 1000.0);
    value("3 mN", D::Force, 0.003);
    value("1 ksi", D::Stress, 6894757.3);
    value("5 l", D::Volume, 0.005);
    value("10 mph", D::Speed, 4.4704);
    value("1 BTU/h", D::Power, 0.29307107);
    value("2 gal", D::Volume, 0.0075708236);
    value("2 Gal", D::Acceleration, 0.02);
    value("\u22122.5 mm", D::Length, -0.0025);
    value("1\u00A0kN", D::Force, 1000.0);
    value("-inf m", D::Length, -qInf());
    value("1e-310 m", D::Length, 1e-310);
    value("1 J", D::Energy, 1.0);
    value("2.7 g/cm^3", D::Density, 2700.0);
    value("1 kg m^-3", D::Density, 1.0);
    value("20 W/(m^2*K)", D::HeatTransferCoefficient, 20.0);
    value("7 J/(kg⋅K)", D::SpecificHeatCapacity, 0.007); // unit 0: kJ/(kg·K)
    value("3 mN m", D::Energy, 0.003);
    value("3 mN m", D::Torque, 0.003, D::Torque);
    value("2 L/min", D::VolumePerTime, 3.3333333e-05);
    value("100 degF", D::Temperature, 310.92778, D::Temperature);
    value("20 deg C", D::TemperatureDifference, 20.0, D::TemperatureDifference);
    value("1.234,5 kg", D::Mass, 1234.5, -1, "de_DE");
    value("1,234.5 kg", D::Mass, 1234.5, -1, "en_US");
    value("12.5 mm", D::Length, 0.0125, -1, "de_DE"); // the C locale still reads
    error("12,5 mm", qzUnitParser::NoNumber);
    error("1e400 m", qzUnitParser::NumberOutOfRange);
    error("1e-400 m", qzUnitParser::NumberOutOfRange);
    error("1/0 in", qzUnitParser::DivisionByZero);
    error("mm", qzUnitParser::NoNumber);
    error("3.5", qzUnitParser::NoUnit);
    error("3 furlong", qzUnitParser::UnknownUnit);
    error("3 kg", qzUnitParser::WrongDimension, D::Length);
    error("12 mm abc", qzUnitParser::TextAfterUnit);
    error("3 ft 4", qzUnitParser::TextAfterUnit);
    error("3 ft 4 kg", qzUnitParser::DifferentDimensions);
    error("3 kft", qzUnitParser::UnknownUnit);
    error("", qzUnitParser::NoNumber);
    error("5 (((", qzUnitParser::UnknownUnit);
    error("5 kg·m", qzUnitParser::NoCataloguedDimension);
    error("5 N/m^2", qzUnitParser::WrongDimension, D::Length);
}

void tst_qzUnitParser::reads()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(int, asked);
    QFETCH(int, error);
    QFETCH(int, dimension);
    QFETCH(double, unitZero);
    const qzUnitParser::Result result = qzUnitParser::parse(text, QLocale(locale), D(asked));
    QCOMPARE(int(result.error), error);
    QCOMPARE(result.message.isEmpty(), error == qzUnitParser::NoError);
    QCOMPARE(int(result.value.dimension()), dimension);
    if (error == qzUnitParser::NoError)
        QVERIFY2(closeTo(result.value.value(0), unitZero, 1e-7), qPrintable(QString::number(result.value.value(0), 'g', 17)));
    // The public entry point gives the same value and message.
    QString message;
    const qzUnitValue same = qzUnitValue::fromString(text, QLocale(locale), D(asked), &message);
    QCOMPARE(message, result.message);
    QVERIFY(same.isUndefined() ? result.value.isUndefined() : same.value() == result.value.value());
}

// Each text of a table row reads as the first row of its dimension that has
// it, with the number unchanged: what typed text has always read as.
void tst_qzUnitParser::everyRowReadsAsItself()
{
    for (D dimension : qzUnitSystem::getDimensions()) {
        const qzUnitTable& table = qzUnitCatalogue::table(dimension);
        for (int row = 0; row < table.count; ++row) {
            for (const QString& unit : {table.symbol(row), table.englishName(row)}) {
                if (unit.isEmpty())
                    continue;
                const int expected = qzUnitSystem::findUnits(unit, dimension).value(0).second;
                const qzUnitValue read = qzUnitValue::fromString(QStringLiteral("1.5 ") + unit, dimension);
                QVERIFY2(read.dimension() == dimension && read.unitIndex() == expected && read.value() == 1.5,
                         qPrintable(QStringLiteral("%1: %2").arg(qzUnitSystem::dimensionKey(dimension), unit)));
            }
        }
    }
}

// Under a German translation, German names read and messages are German;
// without it, English again.
void tst_qzUnitParser::translated()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("qzUnit_de"), QStringLiteral(QZUNIT_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&german);
    QString message;
    const qzUnitValue feet = qzUnitValue::fromString(QStringLiteral("3 Fuß"), D::Length, &message);
    qzUnitValue::fromString(QStringLiteral("3 furlong"), D::Undefined, &message);
    QCoreApplication::removeTranslator(&german);
    QVERIFY(closeTo(feet.value(0), 0.9144));
    QVERIFY2(message.startsWith(QStringLiteral("unbekannte Einheit")), qPrintable(message));
    QVERIFY(qzUnitValue::fromString(QStringLiteral("3 Fuß")).isUndefined());
}

QTEST_MAIN(tst_qzUnitParser)
#include "tst_qzUnitParser.moc"
