// Typed values: each row an input, the dimension asked for, and either the
// dimension and the value in unit 0 it must give or the error it must give.
// Expected values come from the physical definitions of the units (GNU units).
#include "checks.h"

#include <qzUnitParser.h>
#include <qzUnitValue.h>

using D = qzUnitSystem::Dimension;

class tst_qzUnitParser : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
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
    QTest::addColumn<QString>("message"); // the whole message where it matters, else empty
    const auto value = [](const char* text, int dimension, double unitZero, int asked = -1, const char* locale = "C") {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(locale) << asked
                            << int(qzUnitParser::NoError) << dimension << unitZero << QString();
    };
    const auto error = [](const char* text, qzUnitParser::Error kind, const char* message = "", int asked = -1) {
        QTest::newRow(text) << QString::fromUtf8(text) << QStringLiteral("C") << asked << int(kind) << -1 << 0.0 << QString::fromUtf8(message);
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
    value("1 1/2 in", D::Length, 0.0381);
    value("3/8\"", D::Length, 0.009525);
    value("3 mN", D::Force, 0.003);
    value("1 ksi", D::Stress, 6894757.3);
    value("5 l", D::Volume, 0.005);
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
    error("12,5 mm", qzUnitParser::MalformedNumber, "'12,5 mm': the decimal comma is not read in this locale");
    error("1e400 m", qzUnitParser::NumberOutOfRange, "the number in '1e400 m' is too large for a double");
    error("1e-400 m", qzUnitParser::NumberOutOfRange);
    error("1/0 in", qzUnitParser::DivisionByZero);
    error("mm", qzUnitParser::NoNumber, "'mm' does not start with a number");
    error("3.5", qzUnitParser::NoUnit, "'3.5' has no unit");
    error("3 furlong", qzUnitParser::UnknownUnit, "unknown unit 'furlong'");
    error("3 kg", qzUnitParser::WrongDimension, "'kg' is a unit of Mass, not of Length", D::Length);
    error("12 mm abc", qzUnitParser::TextAfterUnit);
    error("3 ft 4", qzUnitParser::TextAfterUnit);
    error("3 ft 4 kg", qzUnitParser::DifferentDimensions);
    error("3 kft", qzUnitParser::UnknownUnit);
    error("", qzUnitParser::NoNumber);
    error("5 (((", qzUnitParser::UnknownUnit);
    error("5 kg·m", qzUnitParser::NoCataloguedDimension);
    error("5 N/m^2", qzUnitParser::WrongDimension, "", D::Length);
}

void tst_qzUnitParser::reads()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(int, asked);
    QFETCH(int, error);
    QFETCH(int, dimension);
    QFETCH(double, unitZero);
    QFETCH(QString, message);
    const qzUnitParser::Result result = qzUnitParser::parse(text, QLocale(locale), D(asked));
    QCOMPARE(int(result.error), error);
    QCOMPARE(result.message.isEmpty(), error == qzUnitParser::NoError);
    QVERIFY2(message.isEmpty() || result.message == message, qPrintable(result.message));
    QCOMPARE(int(result.value.dimension()), dimension);
    if (error == qzUnitParser::NoError)
        QVERIFY2(closeTo(result.value.value(0), unitZero, 1e-7), qPrintable(QString::number(result.value.value(0), 'g', 17)));
    // The public entry point gives the same value and message.
    QString same;
    const qzUnitValue read = qzUnitValue::fromString(text, QLocale(locale), D(asked), &same);
    QCOMPARE(same, result.message);
    QCOMPARE(read.isUndefined(), error != qzUnitParser::NoError); // a message exactly with an undefined value
    QVERIFY(read.isUndefined() || read.value() == result.value.value());
}

// Under a German translation messages are German (its names are read, as
// every catalogue's are in tst_qzUnitCatalogues); without it, English again.
void tst_qzUnitParser::translated()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("qzUnit_de"), QStringLiteral(QZUNIT_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&german);
    QString message;
    qzUnitValue::fromString(QStringLiteral("3 furlong"), D::Undefined, &message);
    QCoreApplication::removeTranslator(&german);
    QVERIFY2(message.startsWith(QStringLiteral("unbekannte Einheit")), qPrintable(message));
    QVERIFY(qzUnitValue::fromString(QStringLiteral("3 Fuß")).isUndefined());
}

QTEST_MAIN(tst_qzUnitParser)
#include "tst_qzUnitParser.moc"
