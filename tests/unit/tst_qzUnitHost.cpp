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

#include <cstdio>
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
// values in the settings \a file and prints what their variants show
// ("key<tab>text") and whether 12.5 mm and 1.25 cm compare equal as variants.
int writeBeforeStartUp(const QString& file)
{
    if (qzMetaTypeId("qzUnitValue") != QMetaType::UnknownType)
        return 1; // loading the library registered something
    QSettings settings(file, QSettings::IniFormat);
    for (const auto& entry : storedValues()) {
        const QVariant variant = QVariant::fromValue(entry.second);
        settings.setValue(QString::fromUtf8(entry.first), variant);
        std::printf("%s\t%s\n", entry.first, variant.toString().toUtf8().constData());
    }
    const bool equal = QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 12.5, 2))
        == QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 1.25, 1));
    std::printf("equal\t%s\n", equal ? "true" : "false");
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
    QMap<QString, QString> m_written; // what the writer's variants showed, by key
};

// The writer is this program run as "write FILE"; this process makes the
// start-up call, as a process that reads stored variants must.
void tst_qzUnitHost::initTestCase()
{
    m_settings = m_directory.filePath(QStringLiteral("host.ini"));
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), { QStringLiteral("write"), m_settings });
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitCode(), 0);
    for (const QString& line : QString::fromUtf8(writer.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        m_written.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
    QCOMPARE(m_written.value(QStringLiteral("equal")), QStringLiteral("true"));
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
    QCOMPARE(m_written.value(key), value.valueSymbolString());
    QVERIFY(identical(QSettings(m_settings, QSettings::IniFormat).value(key).value<qzUnitValue>(), value));
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
