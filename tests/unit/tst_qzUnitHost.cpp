// What a host relies on: values stored before its start-up call read back
// after it, QVariant equality by the values' operator==, and the library's
// catalogue installed by locale.
#include <XmlReaderWriterBase.h>
#include <qzUnitTranslator.h>
#include <qzUnitValue.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "checks.h"
#include "hostValues.h"

class tst_qzUnitHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void storedBeforeStartUp_data();
    void storedBeforeStartUp();
    void variantEquality_data();
    void variantEquality();
    void translator_data();
    void translator();

private:
    QTemporaryDir m_directory;
    QString m_settings;
    QMap<QString, QString> m_written; // what the writer's variants showed, by key
};

// Another process writes the settings without the start-up call; this one
// makes the call, as a process that reads stored variants must.
void tst_qzUnitHost::initTestCase()
{
    m_settings = m_directory.filePath(QStringLiteral("host.ini"));
    QProcess writer;
    writer.start(QStringLiteral(QZUNIT_HOST_WRITER), { m_settings });
    QVERIFY(writer.waitForFinished());
    QVERIFY2(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0, writer.readAllStandardError().constData());
    for (const QString& line : QString::fromUtf8(writer.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        m_written.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
    qzUnitSystem::globalUnitSystem();
}

void tst_qzUnitHost::storedBeforeStartUp_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<qzUnitValue>("value");
    for (const auto& entry : hostValues())
        QTest::newRow(entry.first) << QString::fromUtf8(entry.first) << entry.second;
}

void tst_qzUnitHost::storedBeforeStartUp()
{
    QFETCH(QString, key);
    QFETCH(qzUnitValue, value);
    QCOMPARE(m_written.value(key), value.valueSymbolString());
    const qzUnitValue read = QSettings(m_settings, QSettings::IniFormat).value(key).value<qzUnitValue>();
    QVERIFY(identical(read, value));
}

// The same answers as the values' own operator==, on Qt 5 as on Qt 6.
void tst_qzUnitHost::variantEquality_data()
{
    QTest::addColumn<qzUnitValue>("a");
    QTest::addColumn<qzUnitValue>("b");
    QTest::addColumn<bool>("equal");
    const qzUnitValue mm(qzUnitSystem::Length, 12.5, 2);
    QTest::newRow("12.5 mm, 1.25 cm") << mm << qzUnitValue(qzUnitSystem::Length, 1.25, 1) << true;
    QTest::newRow("12.5 mm, 12.5 cm") << mm << qzUnitValue(qzUnitSystem::Length, 12.5, 1) << false;
    QTest::newRow("12.5 mm, 12.5 of a mass") << mm << qzUnitValue(qzUnitSystem::Mass, 12.5, 2) << false;
    QTest::newRow("0 m, -0 m") << qzUnitValue(qzUnitSystem::Length, 0.0, 0) << qzUnitValue(qzUnitSystem::Length, -0.0, 0) << true;
}

void tst_qzUnitHost::variantEquality()
{
    QFETCH(qzUnitValue, a);
    QFETCH(qzUnitValue, b);
    QFETCH(bool, equal);
    QCOMPARE(QVariant::fromValue(a) == QVariant::fromValue(b), equal);
    QCOMPARE(QVariant::fromValue(b) == QVariant::fromValue(a), equal);
    // The writer compared before any start-up call.
    QCOMPARE(m_written.value(QStringLiteral("equal")), QStringLiteral("true"));
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
