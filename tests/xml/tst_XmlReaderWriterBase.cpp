#include <XmlReaderWriterBase.h>

#include <QBuffer>
#include <QTemporaryFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Translates everything of every context, so that a message that must stay
// untranslated shows when it is not.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char*, const char*, int) const override
    {
        // The placeholders swapped, as a translation may do.
        return QLatin1String(context) == QLatin1String("XmlReaderWriterBase") ? QStringLiteral("[%1] <- %0")
                                                                             : QStringLiteral("translated");
    }
};

class tst_XmlReaderWriterBase : public QObject
{
    Q_OBJECT

private slots:
    void errorMsgNamesFileOnlyForFiles_data();
    void errorMsgNamesFileOnlyForFiles();
    void raisedMessages();
    void translation();
    void stepHirachyUp_data();
    void stepHirachyUp();
};

static const QByteArray brokenOnLine3 = "<a>\n<b/>\n  <c></d>\n</a>\n";

void tst_XmlReaderWriterBase::errorMsgNamesFileOnlyForFiles_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("file") << QStringLiteral("file");
    QTest::newRow("buffer") << QStringLiteral("buffer");
    QTest::newRow("byte array") << QString();
}

void tst_XmlReaderWriterBase::errorMsgNamesFileOnlyForFiles()
{
    QFETCH(QString, device);
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/100%1 sure-XXXXXX.xml"));
    QBuffer buffer;
    QXmlStreamReader reader;
    if (device == QLatin1String("file")) {
        QVERIFY(file.open());
        file.write(brokenOnLine3);
        file.seek(0);
        reader.setDevice(&file);
    } else if (device == QLatin1String("buffer")) {
        buffer.setData(brokenOnLine3);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    } else {
        reader.addData(brokenOnLine3);
    }
    QVERIFY(XmlReaderWriterBase::errorMsg(reader).isEmpty());
    while (!reader.atEnd())
        reader.readNext();
    QCOMPARE(reader.lineNumber(), 3);
    const QString where = QStringLiteral("failed at line 3 in column %1: %2").arg(reader.columnNumber()).arg(reader.errorString());
    QCOMPARE(XmlReaderWriterBase::errorMsg(reader),
             device == QLatin1String("file") ? QStringLiteral("Reading XML file '%1' ").arg(file.fileName()) + where
                                             : QStringLiteral("Reading XML ") + where);
}

void tst_XmlReaderWriterBase::raisedMessages()
{
    QXmlStreamReader reader(QByteArray("<UnitValue/>"));
    reader.readNextStartElement();
    XmlReaderWriterBase::raiseErrorNotValidElement(reader, QStringLiteral("%1x"), QString());
    QCOMPARE(reader.errorString(), QStringLiteral("Invalid XML element UnitValue: '%1x'"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("dimension"));
    QCOMPARE(reader.errorString(), QStringLiteral("Invalid XML attribute dimension: 'abc'"));
    QVERIFY(XmlReaderWriterBase::errorMsg(reader).endsWith(QStringLiteral(": Invalid XML attribute dimension: 'abc'")));
}

void tst_XmlReaderWriterBase::translation()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QXmlStreamReader reader(QByteArray("<x/>"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("unit"));
    const QString attribute = reader.errorString();
    XmlReaderWriterBase::raiseErrorNotValidElement(reader, QStringLiteral("3.x"), QStringLiteral("UnitValue"));
    const QString element = reader.errorString();
    const QString skip = XmlReaderWriterBase::msgSkipUnknownXmlElement(QStringLiteral("Foo"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(attribute, QStringLiteral("[abc] <- unit"));
    QCOMPARE(element, QStringLiteral("[3.x] <- UnitValue"));
    QCOMPARE(skip, QStringLiteral("Skip unknown XML element Foo."));
}

void tst_XmlReaderWriterBase::stepHirachyUp_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("stopsAtEndOf"); // empty: stops without an end element

    QTest::newRow("first end element, not the element's own") << QByteArray("<a><b><c/></b></a>") << "c";
    QTest::newRow("text before the end") << QByteArray("<a>text<!-- c --></a>") << "a";
    QTest::newRow("input runs out") << QByteArray("<a><b>") << QString();
    QTest::newRow("truncated tag") << QByteArray("<a><b") << QString();
    QTest::newRow("malformed") << QByteArray("<a></b>") << QString();
}

void tst_XmlReaderWriterBase::stepHirachyUp()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, stopsAtEndOf);
    QXmlStreamReader reader(document);
    reader.readNextStartElement();
    XmlReaderWriterBase::stepHirachyUp(reader);
    QCOMPARE(reader.isEndElement() ? reader.name().toString() : QString(), stopsAtEndOf);
    QCOMPARE(reader.hasError(), stopsAtEndOf.isEmpty());
    XmlReaderWriterBase::stepHirachyUp(reader); // a reader in error returns at once
}

QTEST_GUILESS_MAIN(tst_XmlReaderWriterBase)
#include "tst_XmlReaderWriterBase.moc"
