// What a host relies on after its start-up call: values in QVariant and
// QSettings, and the library's catalogue installed by locale.
#include <XmlReaderWriterBase.h>
#include <qzUnitTranslator.h>
#include <qzUnitValue.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "checks.h"

class tst_qzUnitHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qzUnitSystem::globalUnitSystem(); }
    void storage_data();
    void storage();
    void translator_data();
    void translator();
};

void tst_qzUnitHost::storage_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::newRow("millimetres") << qzUnitValue(qzUnitSystem::Length, 12.5, 2);
    QTest::newRow("degrees Fahrenheit") << qzUnitValue(qzUnitSystem::Temperature, -40.25, 2);
}

void tst_qzUnitHost::storage()
{
    QFETCH(qzUnitValue, value);
    QCOMPARE(QVariant::fromValue(value).toString(), value.valueSymbolString());

    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("host.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("value"), QVariant::fromValue(value));
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    const qzUnitValue read = QSettings(file, QSettings::IniFormat).value(QStringLiteral("value")).value<qzUnitValue>();
    QVERIFY(identical(read, value));
}

// Rows run in order: each starts from the catalogue the previous one left.
void tst_qzUnitHost::translator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message"); // of the XML reader, in its own context
    const QString german = QString::fromUtf8("L\u00E4nge"), deMessage = QStringLiteral("Ung\u00FCltiges XML-Attribut d: 'x'");
    QTest::newRow("German") << QLocale(QLocale::German) << true << german << deMessage;
    QTest::newRow("no catalogue keeps the previous") << QLocale(QLocale::Zulu) << false << german << deMessage;
    QTest::newRow("English removes it") << QLocale(QLocale::English) << true << QStringLiteral("Length")
                                        << QStringLiteral("Invalid XML attribute d: 'x'");
    QTest::newRow("Austrian German falls back to German") << QLocale(QStringLiteral("de_AT")) << true << german << deMessage;
    QTest::newRow("the C locale is no language") << QLocale::c() << false << german << deMessage;
}

void tst_qzUnitHost::translator()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, installed);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QCOMPARE(qzUnitTranslator::install(locale), installed);
    QCOMPARE(qzUnitSystem(qzUnitSystem::Length).dimensionName(), length);
    QXmlStreamReader reader(QByteArrayLiteral("<a/>"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("x"), QStringLiteral("d"));
    QCOMPARE(reader.errorString(), message);
}

QTEST_GUILESS_MAIN(tst_qzUnitHost)
#include "tst_qzUnitHost.moc"
