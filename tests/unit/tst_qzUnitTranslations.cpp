// The German catalogue as a host installs it: names and dimension names
// translated in their class's context, symbols left alone unless the class
// translates them, and the XML messages translated.
#include <XmlReaderWriterBase.h>
#include <qzUnitAll.h>

#include "checks.h"

class tst_qzUnitTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts() { checkText(); }
    void everyDimensionIsTranslated();
    void messages();

private:
    QTranslator m_german;
};

void tst_qzUnitTranslations::initTestCase()
{
    QVERIFY(m_german.load(QStringLiteral("qzUnit_de"), QStringLiteral(QZUNIT_TRANSLATIONS_DIR)));
    QVERIFY(QCoreApplication::installTranslator(&m_german));
}

void tst_qzUnitTranslations::texts_data()
{
    textColumns();
    text("inch", qzUnitLength::name(qzUnitLength::Inch), QStringLiteral("Zoll"));
    text("foot", qzUnitLength::name(qzUnitLength::Foot), QString::fromUtf8("Fu\u00DF"));
    text("dimension name", qzUnitSystem(qzUnitSystem::Length).dimensionName(), QString::fromUtf8("L\u00E4nge"));
    text("English stays English", qzUnitSystem(qzUnitSystem::Length).dimensionNameEnglish(), QStringLiteral("Length"));
    text("thermal conductivity", qzUnitSystem(qzUnitSystem::ThermalConductivity).dimensionName(), QString::fromUtf8("W\u00E4rmeleitf\u00E4higkeit"));
    text("same source, own context", qzUnitSystem(qzUnitSystem::Stress).dimensionName(), QStringLiteral("Mechanische Spannung"));
    text("dimension name with disambiguation", qzUnitSystem(qzUnitSystem::DistancePerRevolution).dimensionName(), QStringLiteral("Weg pro Umdrehung"));
    text("translated symbol with disambiguation", qzUnitDistancePerRevolution::symbol(2), QStringLiteral("mm/U"));
    text("translated symbol", qzUnitAngularVelocity::symbol(2), QStringLiteral("U/min"));
    text("untranslated symbol", qzUnitLength::symbol(qzUnitLength::Inch), QStringLiteral("in"));
    text("name that is its symbol", qzUnitThermalExpansion::name(0), QStringLiteral("1/K"));
    text("placeholder filled after translation", qzUnitElectricalResistivity::name(1), QString(QChar(0x03BC)) + QStringLiteral("Ohm * Meter"));
    text("undefined", qzUnitSystem().dimensionName(), QString::fromUtf8("Gr\u00F6\u00DFe der Dimension eins"));
    text("legacy code name", qzFFFUnitName(qzFFFUnit(qzUnitSystem::Temperature, 1)), QStringLiteral("Grad Celsius"));
}

// A dimension whose German name equals its English one would mean a missing
// translation; no dimension of the catalogue is spelled alike in both.
void tst_qzUnitTranslations::everyDimensionIsTranslated()
{
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitSystem system(dimension);
        QVERIFY2(system.dimensionName() != system.dimensionNameEnglish(), qPrintable(system.dimensionNameEnglish()));
    }
}

void tst_qzUnitTranslations::messages()
{
    QXmlStreamReader reader(QByteArrayLiteral("<a/>"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("dimension"));
    QCOMPARE(reader.errorString(), QStringLiteral("Ung\u00FCltiges XML-Attribut dimension: 'abc'"));
}

QTEST_GUILESS_MAIN(tst_qzUnitTranslations)
#include "tst_qzUnitTranslations.moc"
