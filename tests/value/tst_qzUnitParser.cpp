// Typed values: each row an input, the dimension asked for, and either the
// dimension and the value in unit 0 it must give or the error it must give.
// Expected values come from the physical definitions of the units (GNU units
// expressions in the comments). The traps are grouped by what could read
// them silently wrong: case, factors kept for stored documents, symbols
// that read as other physics, engineering spellings.
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
    void notes_data();
    void notes();
    void suggestionsStayInTheDimension_data();
    void suggestionsStayInTheDimension();
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
    QTest::addColumn<QString>("message"); // a part of the message where it matters, else empty
    const auto value = [](const char* text, int dimension, double unitZero, int asked = -1, const char* locale = "C") {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(locale) << asked
                            << int(qzUnitParser::NoError) << dimension << unitZero << QString();
    };
    const auto error = [](const char* text, qzUnitParser::Error kind, const char* message = "", int asked = -1) {
        QTest::newRow(text) << QString::fromUtf8(text) << QStringLiteral("C") << asked << int(kind) << -1 << 0.0 << QString::fromUtf8(message);
    };
    value("12.5 mm", D::Length, 0.0125);
    value("3 INCH", D::Length, 0.0762); // a name in any case
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
    error("", qzUnitParser::NoNumber, "nothing was typed");
    error("  ", qzUnitParser::NoNumber, "nothing was typed");
    error("5 (((", qzUnitParser::UnknownUnit);
    error("5 kg·m", qzUnitParser::NoCataloguedDimension);
    error("5 N/m^2", qzUnitParser::WrongDimension, "", D::Length);

    // Case: symbols and prefixes only as written; names in any case.
    value("1 nm", D::Length, 1e-9);
    value("500 nm", D::Length, 5e-7, D::Length);
    value("3 Nm", D::Torque, 3.0, D::Torque);
    value("2 MILLIMETERS", D::Length, 0.002);
    error("1 NM", qzUnitParser::UnknownUnit, "'Nm'");
    error("1 kn", qzUnitParser::UnknownUnit, "unknown unit 'kn'; did you mean 'kN'");
    error("1 mb", qzUnitParser::UnknownUnit);
    error("1 Gb", qzUnitParser::UnknownUnit, "'GB'");
    error("250 MG", qzUnitParser::UnknownUnit, "'Mg'", D::Mass);
    error("12.5 MM", qzUnitParser::UnknownUnit, "did you mean 'mm'");
    error("1 mpa", qzUnitParser::UnknownUnit, "'MPa'"); // milli- or megapascal: refused
    error("1 KB", qzUnitParser::UnknownUnit);
    error("1 PB", qzUnitParser::UnknownUnit); // the byte's rows count in powers of two
    // A capital prefix where only the small one is used is a mistyped one.
    error("1 PA", qzUnitParser::UnknownUnit, "did you mean 'Pa'");
    error("1 Mm", qzUnitParser::UnknownUnit, "did you mean 'mm'");
    error("5 ML", qzUnitParser::UnknownUnit, "did you mean 'mL'");
    error("2 Mbar", qzUnitParser::UnknownUnit, "did you mean 'mbar'");
    error("3 Ms", qzUnitParser::UnknownUnit, "did you mean 'ms'");
    error("1 mpsi", qzUnitParser::UnknownUnit, "did you mean 'Mpsi'");
    value("2 MN", D::Force, 2e6);
    value("2 Mg", D::Mass, 2000.0);

    // Kept factors: typed text means the unit as defined.
    value("1 kg/in²", D::Stress, 15200.3379007, D::Stress);        // kgf/in^2
    value("1 kgf/in^2", D::Stress, 15200.3379007);
    value("10 BTU/(ft²·h·R)", D::HeatTransferCoefficient, 56.7826334111, D::HeatTransferCoefficient);
    value("5 ipm/s", D::Acceleration, 0.00211666666667);                // in/min/s
    value("1 1/ksi", D::TripCoefficient, 0.14503773773);                // 1/ksi in 1/MPa
    value("2 lb", D::Mass, 0.90718476); // the kept pound, within 1e-7 of the defined one

    // Symbols whose text reads as other physics than their row.
    value("1 (kg·m²)/s²", D::Energy, 1.0);
    value("1 (kg·m²)/s²", D::Power, 1.0, D::Power); // the library's own text in its field
    value("1 kg/m²", D::MomentOfInertia, 1.0, D::MomentOfInertia);
    value("1 kcal/(kg\u00B7C)", D::SpecificHeatCapacity, 4.1868); // also a row of ThermalConductivity
    error("1 kg/in²", qzUnitParser::AmbiguousUnit, "Stress");
    // A compound is never an absolute temperature, and an angle no factor of other physics.
    error("20 deg·°C", qzUnitParser::UnknownUnit, "", D::Temperature);
    error("2 rad·m", qzUnitParser::UnknownUnit);
    error("5 ft - 3 in", qzUnitParser::TextAfterUnit); // no difference: the dash is no unit
    error("5 mm mm", qzUnitParser::TextAfterUnit);       // a unit typed twice is no square
    error("20 °C 5 °C", qzUnitParser::DifferentDimensions); // temperatures do not add up
    error("1 kg/m²", qzUnitParser::AmbiguousUnit);

    // Engineering spellings (GNU units: hp, mmHg, inHg, thou, kip, knot, gal/min, rev/min).
    value("10 hp", D::Power, 7456.99871582);
    value("2 mmHg", D::Stress, 266.64477483);
    value("1 inHg", D::Stress, 3386.38864034);
    value("0.5 thou", D::Length, 1.27e-05);
    value("2 kip", D::Force, 8896.44323052);
    value("3 kNm", D::Torque, 3000.0, D::Torque);
    value("100 in-lb", D::Torque, 11.2984829028, D::Torque);
    value("30 ft-lb", D::Torque, 40.6745384499, D::Torque);
    value("10 knots", D::Speed, 5.14444444444);
    value("10 GPM", D::VolumePerTime, 0.000630901964);
    value("100 degree F", D::Temperature, 310.927777778, D::Temperature);
    value("3000 r/min", D::AngularVelocity, 314.159265359);
    value("3000 RPM", D::AngularVelocity, 314.159265359);
    value("3000 1/min", D::AngularVelocity, 314.159265359, D::AngularVelocity); // revolutions
    value("3000 min^-1", D::AngularVelocity, 314.159265359, D::AngularVelocity);
    value("1 sq ft", D::Area, 0.09290304);
    value("1 cu in", D::Volume, 1.6387064e-05);
    value("50 W/m·K", D::ThermalConductivity, 50.0); // all after "/" is the denominator
    value("20 W/m\u00B2K", D::HeatTransferCoefficient, 20.0);         // a unit glued to a power
    value("20 W/m2.K", D::HeatTransferCoefficient, 20.0);              // a point after a power
    value("5 ft lb", D::Torque, 6.77908974166, D::Torque);               // 5 ft lbf
    value("20 \u00B0 C", D::Temperature, 293.15, D::Temperature);
    value("1.5 kJ/mm", D::EnergyLength, 15000.0); // written as the heat input's J/cm, not as a force
    value("460 J/kg·K", D::SpecificHeatCapacity, 0.46);
    value("12e-6 /°C", D::ThermalExpansion, 12e-6);
    value("0.5 /s", D::Frequency, 0.5);
    error("30 psig", qzUnitParser::GaugePressure);
    error("2 bara", qzUnitParser::GaugePressure);
    error("1 ton", qzUnitParser::AmbiguousUnit, "2000 lb");
    error("1 short ton", qzUnitParser::AmbiguousUnit, "2000 lbf"); // a mass or, in the tables, a force
    value("2 kilowatts", D::Power, 2000.0);  // the names of a prefix and a unit
    value("3 Gigapascal", D::Stress, 3e9);
    error("1 megasecond", qzUnitParser::UnknownUnit);
    error("1 g0", qzUnitParser::UnknownUnit);
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
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
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

// What a successful reading notes: kept factors used or set aside, a
// dimension chosen, a temperature below absolute zero; nothing otherwise.
void tst_qzUnitParser::notes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("note"); // a part of the only note; empty for none
    QTest::newRow("plain") << QStringLiteral("3 ft 4 in") << -1 << QString();
    QTest::newRow("kept used") << QStringLiteral("1 mi") << -1 << QStringLiteral("1609.34419224 m kept");
    QTest::newRow("kept avoided") << QStringLiteral("1 kg/in²") << int(D::Stress) << QStringLiteral("defined factor, 15200.3379007 Pa");
    QTest::newRow("preference") << QStringLiteral("25 degC") << -1 << QStringLiteral("is read as Temperature");
    QTest::newRow("below absolute zero") << QStringLiteral("-500 °F") << int(D::Temperature) << QStringLiteral("below absolute zero");
}

void tst_qzUnitParser::notes()
{
    QFETCH(QString, text);
    QFETCH(int, asked);
    QFETCH(QString, note);
    QStringList notes{QStringLiteral("stale")};
    QString error;
    QVERIFY(!qzUnitValue::fromString(text, QLocale::c(), D(asked), &error, &notes).isUndefined());
    QCOMPARE(notes.size(), note.isEmpty() ? 0 : 1);
    QVERIFY2(note.isEmpty() || notes.first().contains(note), qPrintable(notes.value(0)));
}

// Suggestions for a mistyped unit in a field name only units of that field.
void tst_qzUnitParser::suggestionsStayInTheDimension_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("asked");
    QTest::newRow("mmm in a length") << QStringLiteral("mmm") << int(D::Length);
    QTest::newRow("kn in a force") << QStringLiteral("kn") << int(D::Force);
    QTest::newRow("MG in a mass") << QStringLiteral("MG") << int(D::Mass);
    QTest::newRow("mpa in a stress") << QStringLiteral("mpa") << int(D::Stress);
    QTest::newRow("celsuis in a temperature") << QStringLiteral("celsuis") << int(D::Temperature);
}

void tst_qzUnitParser::suggestionsStayInTheDimension()
{
    QFETCH(QString, unit);
    QFETCH(int, asked);
    const qzUnitParser::Result result = qzUnitParser::parse(QStringLiteral("1 ") + unit, QLocale::c(), D(asked));
    QCOMPARE(int(result.error), int(qzUnitParser::UnknownUnit));
    const int start = result.message.indexOf(QLatin1Char('?'));
    const QStringList suggested = result.message.section(QLatin1String("did you mean "), 1).chopped(1).split(QLatin1String(", "));
    QVERIFY2(start > 0, qPrintable(result.message));
    for (QString suggestion : suggested) {
        suggestion = suggestion.mid(1, suggestion.size() - 2); // unquoted
        QVERIFY2(!qzUnitParser::units(suggestion, D(asked)).isEmpty(), qPrintable(result.message));
    }
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
    // The German plurals read while the catalogue is installed.
    const qzUnitValue plural = qzUnitValue::fromString(QStringLiteral("2 Stunden 30 Minuten"));
    const qzUnitValue swiss = qzUnitValue::fromString(QStringLiteral("5 Fuss"));
    QCoreApplication::removeTranslator(&german);
    QVERIFY(closeTo(swiss.value(0), 1.524, 1e-12));
    // Of a name of several words the first is inflected, and never read as a product.
    QTranslator french;
    QVERIFY(french.load(QStringLiteral("qzUnit_fr"), QStringLiteral(QZUNIT_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&french);
    const qzUnitValue degrees = qzUnitValue::fromString(QStringLiteral("20 degrés Celsius"));
    QCoreApplication::removeTranslator(&french);
    QVERIFY(closeTo(degrees.value(0), 293.15, 1e-12));
    QVERIFY2(message.startsWith(QStringLiteral("unbekannte Einheit")), qPrintable(message));
    QCOMPARE(plural.value(0), 9000.0);
    QVERIFY(qzUnitValue::fromString(QStringLiteral("3 Fuß")).isUndefined());
}

QTEST_MAIN(tst_qzUnitParser)
#include "tst_qzUnitParser.moc"
