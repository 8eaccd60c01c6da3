#include <XmlReaderWriterBase.h>

#include <QBuffer>
#include <QTemporaryFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Translates every text of every context, placeholders swapped in the
// library's context, so that an untranslated message shows.
class SwappingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char*, const char*, int) const override
    {
        return QLatin1String(context) == QLatin1String("XmlReaderWriterBase") ? QStringLiteral("[%1] <- %0")
                                                                             : QStringLiteral("translated");
    }
};

class tst_XmlReaderWriterBase : public QObject
{
    Q_OBJECT

private slots:
    void errorMsg_data();
    void errorMsg();
    void messages();
    void stepHirachyUp_data();
    void stepHirachyUp();
};

void tst_XmlReaderWriterBase::errorMsg_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("file") << QStringLiteral("file");
    QTest::newRow("buffer") << QStringLiteral("buffer");
    QTest::newRow("no device") << QString();
}

void tst_XmlReaderWriterBase::errorMsg()
{
    QFETCH(QString, device);
    const QByteArray brokenOnLine3 = "<a>\n<b/>\n  <c></d>\n</a>\n";
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/100%1-XXXXXX.xml")); // no placeholder in the name
    QBuffer buffer;
    QXmlStreamReader reader;
    if (device == QLatin1String("file")) {
        QVERIFY(file.open() && file.write(brokenOnLine3) && file.seek(0));
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

void tst_XmlReaderWriterBase::messages()
{
    QXmlStreamReader reader(QByteArray("<UnitValue/>"));
    reader.readNextStartElement();
    XmlReaderWriterBase::raiseErrorNotValidElement(reader, QStringLiteral("%1x"), QString());
    QCOMPARE(reader.errorString(), QStringLiteral("Invalid XML element UnitValue: '%1x'"));
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("dimension"));
    QCOMPARE(reader.errorString(), QStringLiteral("Invalid XML attribute dimension: 'abc'"));

    SwappingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    XmlReaderWriterBase::raiseErrorNotValidAttribute(reader, QStringLiteral("abc"), QStringLiteral("unit"));
    const QString attribute = reader.errorString();
    XmlReaderWriterBase::raiseErrorNotValidElement(reader, QStringLiteral("3.x"), QStringLiteral("v"));
    const QString element = reader.errorString();
    const QString skip = XmlReaderWriterBase::msgSkipUnknownXmlElement(QStringLiteral("Foo"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(attribute, QStringLiteral("[abc] <- unit"));
    QCOMPARE(element, QStringLiteral("[3.x] <- v"));
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
