// The German catalogue as a host installs it: names and dimension names
// translated in their class's context, symbols left alone unless the class
// translates them, and the library's untranslated messages untouched.
#include <XmlReaderWriterBase.h>
#include <qzUnitAll.h>

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

class tst_qzUnitTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts();
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
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unit name") << qzUnitLength::name(qzUnitLength::Meter) << QStringLiteral("Meter");
    QTest::newRow("inch") << qzUnitLength::name(qzUnitLength::Inch) << QStringLiteral("Zoll");
    QTest::newRow("foot") << qzUnitLength::name(qzUnitLength::Foot) << QString::fromUtf8("Fu\u00DF");
    QTest::newRow("dimension name") << qzUnitSystem(qzUnitSystem::Length).dimensionName() << QString::fromUtf8("L\u00E4nge");
    QTest::newRow("English stays English") << qzUnitSystem(qzUnitSystem::Length).dimensionNameEnglish() << QStringLiteral("Length");
    QTest::newRow("thermal conductivity") << qzUnitSystem(qzUnitSystem::ThermalConductivity).dimensionName()
                                          << QString::fromUtf8("W\u00E4rmeleitf\u00E4higkeit");
    QTest::newRow("same source, own context") << qzUnitSystem(qzUnitSystem::Stress).dimensionName()
                                              << QStringLiteral("Mechanische Spannung");
    QTest::newRow("dimension name with disambiguation")
        << qzUnitSystem(qzUnitSystem::DistancePerRevolution).dimensionName() << QStringLiteral("Weg pro Umdrehung");
    QTest::newRow("translated symbol with disambiguation") << qzUnitDistancePerRevolution::symbol(2) << QStringLiteral("mm/U");
    QTest::newRow("translated symbol") << qzUnitAngularVelocity::symbol(2) << QStringLiteral("U/min");
    QTest::newRow("untranslated symbol") << qzUnitLength::symbol(qzUnitLength::Inch) << QStringLiteral("in");
    QTest::newRow("name that is its symbol") << qzUnitThermalExpansion::name(0) << QStringLiteral("1/K");
    QTest::newRow("placeholder filled after translation") << qzUnitElectricalResistivity::name(1)
                                                          << QString(QChar(0x03BC)) + QStringLiteral("Ohm * Meter");
    QTest::newRow("undefined") << qzUnitSystem().dimensionName() << QString::fromUtf8("Gr\u00F6\u00DFe der Dimension eins");
    QTest::newRow("legacy code name") << qzFFFUnitName(qzFFFUnit(qzUnitSystem::Temperature, 1)) << QStringLiteral("Grad Celsius");
}

void tst_qzUnitTranslations::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
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
    QCOMPARE(XmlReaderWriterBase::msgSkipUnknownXmlElement(QStringLiteral("Foo")),
             QStringLiteral("Skip unknown XML element Foo."));
    QXmlStreamReader reader(QByteArrayLiteral("<a/>"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("dimension"));
    QCOMPARE(reader.errorString(), QStringLiteral("Ung\u00FCltiges XML-Attribut dimension: 'abc'"));
}

QTEST_GUILESS_MAIN(tst_qzUnitTranslations)
#include "tst_qzUnitTranslations.moc"
