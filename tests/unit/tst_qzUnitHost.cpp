// What a host relies on: values stored before its start-up call read back
// after it, QVariant equality by the values' operator==, and the library's
// catalogue installed by locale.
#include <XmlReaderWriterBase.h>
#include <qzUnitTranslator.h>
#include <qzUnitValue.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "checks.h"

#include <cstdlib>
#include <limits>

namespace {

QVector<QPair<const char*, qzUnitValue>> storedValues()
{
    return { { "millimetres", qzUnitValue(qzUnitSystem::Length, 12.5, 2) },
             { "seventeen digits", qzUnitValue(qzUnitSystem::Stress, 0.1 + 0.2, 3) },
             { "negative zero", qzUnitValue(qzUnitSystem::Mass, -0.0, 1) },
             { "denormal", qzUnitValue(qzUnitSystem::Hardness, std::numeric_limits<double>::denorm_min(), 4) },
             { "undefined", qzUnitValue::makeUndefined() } };
}

// The host that forgot its start-up call, a process of its own: it stores the
// values in the settings \a file ("values/<key>"), with what their variants
// show ("texts/<key>") and whether 12.5 mm and 1.25 cm compare equal as variants.
int writeBeforeStartUp(const QString& file)
{
    if (qzMetaTypeId("qzUnitValue") != QMetaType::UnknownType)
        return 1; // loading the library registered something
    QSettings settings(file, QSettings::IniFormat);
    for (const auto& entry : storedValues()) {
        const QVariant variant = QVariant::fromValue(entry.second);
        settings.setValue(QStringLiteral("values/") + QString::fromUtf8(entry.first), variant);
        settings.setValue(QStringLiteral("texts/") + QString::fromUtf8(entry.first), variant.toString());
    }
    settings.setValue(QStringLiteral("equal"), QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 12.5, 2))
                                                   == QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 1.25, 1)));
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : 2;
}

} // namespace

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
};

// The writer is this program run as "write FILE" (started without QProcess,
// whose waiting memcheck reports); this process makes the start-up call, as a
// process that reads stored variants must.
void tst_qzUnitHost::initTestCase()
{
    m_settings = m_directory.filePath(QStringLiteral("host.ini"));
    const QString command = QStringLiteral("\"%1\" write \"%2\"").arg(QCoreApplication::applicationFilePath(), m_settings);
    QCOMPARE(std::system(command.toLocal8Bit().constData()), 0);
    QVERIFY(QSettings(m_settings, QSettings::IniFormat).value(QStringLiteral("equal")).toBool());
    qzUnitSystem::globalUnitSystem();
}

void tst_qzUnitHost::storedBeforeStartUp_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<qzUnitValue>("value");
    for (const auto& entry : storedValues())
        QTest::newRow(entry.first) << QString::fromUtf8(entry.first) << entry.second;
}

void tst_qzUnitHost::storedBeforeStartUp()
{
    QFETCH(QString, key);
    QFETCH(qzUnitValue, value);
    const QSettings settings(m_settings, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("texts/") + key).toString(), value.valueSymbolString());
    QVERIFY(identical(settings.value(QStringLiteral("values/") + key).value<qzUnitValue>(), value));
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

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "write") == 0)
        return writeBeforeStartUp(QString::fromLocal8Bit(argv[2]));
    tst_qzUnitHost test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_qzUnitHost.moc"
