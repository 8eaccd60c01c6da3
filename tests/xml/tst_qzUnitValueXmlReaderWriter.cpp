#include <qzUnitLength.h>
#include <qzUnitSystemXmlReaderWriter.h>
#include <qzUnitValueXmlReaderWriter.h>

#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include "checks.h"

#include <cfloat>

using RW = qzUnitValue::XmlReaderWriter;

namespace {

quint64 bitsOf(double number)
{
    quint64 bits;
    std::memcpy(&bits, &number, sizeof bits);
    return bits;
}

// A document "doc" holding each value's element and its unit system's.
QByteArray written(const QList<qzUnitValue>& values, RW::NumberText numberText = RW::SixteenDigits)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(QStringLiteral("doc"));
    for (const qzUnitValue& value : values) {
        if (numberText == RW::SixteenDigits)
            value.writeXml(writer);
        else
            RW::writeQzUnitValue(writer, value, RW::startElementName(), numberText);
        value.unitSystem().writeXml(writer);
    }
    writer.writeEndElement();
    return xml;
}

} // namespace

class tst_qzUnitValueXmlReaderWriter : public QObject
{
    Q_OBJECT

private slots:
    void writtenElements();
    void numberTexts_data();
    void numberTexts();
    void reading_data();
    void reading();
    void readXml();
    void legacyConvert();
    void roundTrip_data();
    void roundTrip();
    void malformedDocuments();
    void errorMsg();
    void stepHirachyUp_data();
    void stepHirachyUp();
};

void tst_qzUnitValueXmlReaderWriter::writtenElements()
{
    QCOMPARE(written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter), qzUnitLength::create(2.0, qzUnitLength::Meter), qzUnitValue() }),
             QByteArray("<doc><UnitValue dimension=\"5\" unit=\"2\" Version=\"1\">12.5</UnitValue><UnitSystem dimension=\"5\" unit=\"2\"/>"
                        "<UnitValue dimension=\"5\" unit=\"0\" Version=\"1\">2.0</UnitValue><UnitSystem dimension=\"5\" unit=\"0\"/>"
                        "<UnitValue dimension=\"-1\" unit=\"0\" Version=\"1\">0.0</UnitValue><UnitSystem dimension=\"-1\" unit=\"0\"/></doc>"));
}

// The text of numbers that need 17 digits, and of others, in both forms; the
// 16 digits are the bytes documents have always held. roundTrip() reads them.
void tst_qzUnitValueXmlReaderWriter::numberTexts_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("sixteen");
    QTest::addColumn<QString>("exact");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3" << "0.30000000000000004";
    QTest::newRow("1 + epsilon") << 1.0 + DBL_EPSILON << "1.0" << "1.0000000000000002";
    QTest::newRow("largest") << DBL_MAX << "1.797693134862316e+308" << "1.7976931348623157e+308";
    QTest::newRow("smallest denormal") << -DBL_TRUE_MIN << "-4.940656458412465e-324" << "-5.0e-324";
    QTest::newRow("negative zero") << -0.0 << "-0.0" << "-0.0";
    QTest::newRow("2e5, printed alike by both Qt versions") << 2e5 << "200000.0" << "200000.0";
}

void tst_qzUnitValueXmlReaderWriter::numberTexts()
{
    QFETCH(double, number);
    QFETCH(QString, sixteen);
    QFETCH(QString, exact);
    const QString document = QStringLiteral("<doc><UnitValue dimension=\"5\" unit=\"4\" Version=\"1\">%1</UnitValue>"
                                            "<UnitSystem dimension=\"5\" unit=\"4\"/></doc>");
    const qzUnitValue value = qzUnitLength::create(number, qzUnitLength::Inch);
    QCOMPARE(QString::fromUtf8(written({ value })), document.arg(sixteen));
    QCOMPARE(QString::fromUtf8(written({ value }, RW::ShortestExact)), document.arg(exact));
}

void tst_qzUnitValueXmlReaderWriter::reading_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("error"); // the reader's last message; "*" for Qt's own

    QTest::newRow("no attributes") << QByteArray("<v>3.5</v>") << true << -1 << 0 << 3.5 << QString();
    QTest::newRow("blanks around the number") << QByteArray("<v dimension=\"5\" unit=\"4\">\n 2.5 </v>") << true << 5 << 4 << 2.5 << QString();
    QTest::newRow("41 lies in the range") << QByteArray("<v dimension=\"41\" unit=\"3\">1</v>") << true << 41 << 0 << 1.0 << QString();
    QTest::newRow("empty attributes") << QByteArray("<v dimension=\"\" unit=\"\" Version=\"\">1</v>") << true << -1 << 0 << 1.0 << QString();
    QTest::newRow("unit outside the table") << QByteArray("<v dimension=\"5\" unit=\"12\">1</v>") << true << 5 << 12 << 1.0 << QString();
    QTest::newRow("dimension 57") << QByteArray("<v dimension=\"57\" unit=\"2\">7</v>") << false << -1 << 0 << 7.0 << "Invalid XML attribute dimension: '57'";
    QTest::newRow("unit beyond int") << QByteArray("<v dimension=\"5\" unit=\"4294967296\">7</v>") << false << 5 << 0 << 7.0 << "Invalid XML attribute unit: '4294967296'";
    QTest::newRow("the last error stays") << QByteArray("<v dimension=\"x\" unit=\"y\" Version=\"1.5\">7</v>") << false << -1 << 0 << 7.0 << "Invalid XML attribute Version: '1.5'";
    QTest::newRow("empty element") << QByteArray("<UnitValue dimension=\"5\"/>") << false << 5 << 0 << 0.0 << "Invalid XML element UnitValue: ''";
    QTest::newRow("not a number") << QByteArray("<w dimension=\"5\">1,5</w>") << false << 5 << 0 << 0.0 << "Invalid XML element w: '1,5'";
    QTest::newRow("a placeholder in the text stays") << QByteArray("<w>%1x</w>") << false << -1 << 0 << 0.0 << "Invalid XML element w: '%1x'";
    QTest::newRow("child element") << QByteArray("<v dimension=\"5\">1<c/></v>") << false << 5 << 0 << 1.0 << "*";
    QTest::newRow("cut short") << QByteArray("<v dimension=\"5\">1") << false << 5 << 0 << 0.0 << "Invalid XML element v: ''";
}

void tst_qzUnitValueXmlReaderWriter::reading()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, ok);
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(double, number);
    QFETCH(QString, error);

    QXmlStreamReader systemReader(xml), reader(xml);
    QVERIFY(systemReader.readNextStartElement() && reader.readNextStartElement());
    bool systemOk = false, valueOk = !ok;
    const qzUnitSystem system = qzUnitSystem::XmlReaderWriter::readXml(systemReader, systemOk);
    QCOMPARE(systemOk, !error.startsWith(QLatin1String("Invalid XML attribute")));
    QCOMPARE(systemOk, systemReader.isStartElement()); // not moved, unless an error was raised
    QCOMPARE(int(system.dimension()), dimension);

    const qzUnitValue value = RW::readQzUnitValue(reader, valueOk);
    QCOMPARE(valueOk, ok);
    QVERIFY(int(value.dimension()) == dimension && value.unitIndex() == unit && value.value() == number);
    QCOMPARE(reader.hasError(), !ok);
    if (error != QLatin1String("*"))
        QCOMPARE(reader.hasError() ? reader.errorString() : QString(), error);
}

// readXml assigns as operator= does: a value of another dimension keeps its
// dimension and unit and takes the number. A reader that failed before reads
// nothing and keeps its message.
void tst_qzUnitValueXmlReaderWriter::readXml()
{
    QXmlStreamReader reader(written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter) }));
    qzUnitValue mass(qzUnitSystem::Mass, 1.0, 3);
    QVERIFY(reader.readNextStartElement() && reader.readNextStartElement() && mass.readXml(reader));
    QVERIFY(identical(mass, qzUnitValue(qzUnitSystem::Mass, 12.5, 3)));

    QXmlStreamReader failed(QByteArray("<v dimension=\"5\">2</v>"));
    failed.readNextStartElement();
    failed.raiseError(QStringLiteral("earlier"));
    bool valueOk = true, systemOk = true;
    RW::readQzUnitValue(failed, valueOk);
    qzUnitSystem::XmlReaderWriter::readXml(failed, systemOk);
    QVERIFY(!valueOk && !systemOk && failed.errorString() == QLatin1String("earlier"));
    QCOMPARE(XmlReaderWriterBase::msgSkipUnknownXmlElement(QStringLiteral("Foo")), QStringLiteral("Skip unknown XML element Foo."));
}

// Version 0 stored temperature rates of unit 1 that mean unit 0.
void tst_qzUnitValueXmlReaderWriter::legacyConvert()
{
    const qzUnitValue rate(qzUnitSystem::TemperatureRate, 4.5, 1), other(qzUnitSystem::TemperatureRate, 4.5, 2), length(qzUnitSystem::Length, 4.5, 1);
    QVERIFY(identical(RW::legacyConvert(0, rate), qzUnitValue(qzUnitSystem::TemperatureRate, 4.5, 0)));
    QVERIFY(identical(RW::legacyConvert(1, rate), rate) && identical(RW::legacyConvert(0, other), other) && identical(RW::legacyConvert(0, length), length));
}

void tst_qzUnitValueXmlReaderWriter::roundTrip_data()
{
    QTest::addColumn<bool>("exact");
    QTest::newRow("16 digits") << false;
    QTest::newRow("shortest exact") << true;
}

void tst_qzUnitValueXmlReaderWriter::roundTrip()
{
    QFETCH(bool, exact);
    const RW::NumberText numberText = exact ? RW::ShortestExact : RW::SixteenDigits;
    QList<double> numbers = { 0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN - DBL_TRUE_MIN,
                              1e20, 0.1 + 0.2, 1.0 / 3.0, qInf(), -qInf(), qQNaN() };
    QRandomGenerator random(20240611);
    for (int i = 0; i < 4000; ++i) {
        const quint64 bits = random.generate64(); // every exponent, subnormals and NaNs included
        double number;
        std::memcpy(&number, &bits, sizeof number);
        numbers.append(number);
    }
    QList<qzUnitValue> values = { qzUnitValue::makeUndefined() };
    for (double number : numbers)
        values.append(qzUnitLength::create(number, qzUnitLength::e_Unit(random.bounded(10))));

    QXmlStreamReader reader(written(values, numberText));
    reader.readNextStartElement();
    for (const qzUnitValue& value : values) {
        qzUnitValue read;
        qzUnitSystem system;
        QVERIFY2(reader.readNextStartElement() && read.readXml(reader), qPrintable(XmlReaderWriterBase::errorMsg(reader)));
        QVERIFY(reader.readNextStartElement() && system.readXml(reader) && system == value.unitSystem());
        reader.skipCurrentElement();

        const double number = numberOf(value);
        const double expected = numberText == RW::ShortestExact ? number : RW::valueInPrecision(number);
        QVERIFY2(identical(read, qzUnitValue(value.unitSystem(), expected)), qPrintable(QString::number(number, 'g', 17)));
        QCOMPARE(read.isUndefined(), value.isUndefined());
        if (qIsFinite(number)) { // half a unit of the 16th digit, and the rounding of the parse
            QVERIFY(qAbs(read.value() - number) <= qMax(qAbs(number) * 7e-16, DBL_TRUE_MIN));
            QCOMPARE(std::signbit(read.value()), std::signbit(number));
        } else {
            QCOMPARE(bitsOf(numberOf(read)), bitsOf(qIsNaN(number) ? qQNaN() : number));
        }
    }
    QCOMPARE(RW::valueInPrecision(0.1 + 0.2), 0.3);
}

// Mutations of a valid document: every read ends, a read is ok exactly
// when the reader has no error, and readXml leaves its target alone otherwise.
void tst_qzUnitValueXmlReaderWriter::malformedDocuments()
{
    const QByteArray valid = "<?xml version=\"1.0\"?>"
        + written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter), qzUnitLength::create(-3e-7, qzUnitLength::Inch) });
    QList<QByteArray> documents = { QByteArray(), "<doc>" + QByteArray("<a>").repeated(5000) + "<UnitValue>1</UnitValue>",
                                    "<UnitValue dimension=\"5\">" + QByteArray("<a>").repeated(5000) };
    const QList<QByteArray> inserts = { "<x/>", "</UnitValue>", "=\"7\"", "\"", "&bogus;", "\x01", "dimension=\"5\" ", "-1" };
    for (int at = 0; at < valid.size(); ++at) {
        documents.append(valid.left(at));
        documents.append(QByteArray(valid).insert(at, inserts.at(at % inserts.size())));
        documents.append(QByteArray(valid).replace(at, 1, QByteArray(1, char(valid.at(at) ^ (1 << at % 8)))));
    }

    int notOk = 0;
    for (const QByteArray& document : documents) {
        QXmlStreamReader reader(document);
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            bool ok = false;
            if (reader.name() == QLatin1String("UnitSystem")) {
                qzUnitSystem system;
                ok = system.readXml(reader);
                QVERIFY(ok || system.isUndefined());
                XmlReaderWriterBase::stepHirachyUp(reader);
            } else if (reader.name() == QLatin1String("UnitValue")) {
                qzUnitValue target = qzUnitValue::makeUndefined();
                ok = target.readXml(reader);
                QVERIFY(ok || identical(target, qzUnitValue::makeUndefined()));
            } else {
                continue;
            }
            QVERIFY2(ok != reader.hasError(), document.constData());
            notOk += ok ? 0 : 1;
        }
        XmlReaderWriterBase::stepHirachyUp(reader);
    }
    QVERIFY(notOk > documents.size() / 10); // the reads that fail are not a rare case
}

// The file's name, where there is one; no placeholder taken from the name.
void tst_qzUnitValueXmlReaderWriter::errorMsg()
{
    const QByteArray brokenOnLine3 = "<a>\n<b/>\n  <c></d>\n</a>\n";
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/100%1-XXXXXX.xml"));
    QVERIFY(file.open() && file.write(brokenOnLine3) && file.seek(0));
    QXmlStreamReader fromFile(&file), fromBytes(brokenOnLine3);
    QVERIFY(XmlReaderWriterBase::errorMsg(fromFile).isEmpty());
    while (!fromFile.atEnd() || !fromBytes.atEnd()) {
        fromFile.readNext();
        fromBytes.readNext();
    }
    const QString where = QStringLiteral("failed at line 3 in column %1: %2").arg(fromFile.columnNumber()).arg(fromFile.errorString());
    QCOMPARE(XmlReaderWriterBase::errorMsg(fromFile), QStringLiteral("Reading XML file '%1' ").arg(file.fileName()) + where);
    QCOMPARE(XmlReaderWriterBase::errorMsg(fromBytes), QStringLiteral("Reading XML ") + where);
}

void tst_qzUnitValueXmlReaderWriter::stepHirachyUp_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("stopsAtEndOf"); // empty: stops without an end element
    QTest::newRow("first end element, not the element's own") << QByteArray("<a><b><c/></b></a>") << "c";
    QTest::newRow("text before the end") << QByteArray("<a>text<!-- c --></a>") << "a";
    QTest::newRow("input runs out") << QByteArray("<a><b>") << QString();
    QTest::newRow("malformed") << QByteArray("<a></b>") << QString();
}

void tst_qzUnitValueXmlReaderWriter::stepHirachyUp()
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

QTEST_GUILESS_MAIN(tst_qzUnitValueXmlReaderWriter)
#include "tst_qzUnitValueXmlReaderWriter.moc"
