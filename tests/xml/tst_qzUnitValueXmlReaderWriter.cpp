#include <qzUnitLength.h>
#include <qzUnitSystemXmlReaderWriter.h>
#include <qzUnitValueXmlReaderWriter.h>

#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstring>

using RW = qzUnitValue::XmlReaderWriter;

namespace {

quint64 bitsOf(double number)
{
    quint64 bits;
    std::memcpy(&bits, &number, sizeof bits);
    return bits;
}

// The stored number; value() reads an undefined value as 0.0.
double numberOf(const qzUnitValue& value) { return value.isUndefined() ? qQNaN() : value.value(); }

// Same dimension, unit and number (NaN equal to NaN, zeros told apart by sign).
bool identical(const qzUnitValue& a, const qzUnitValue& b)
{
    const double x = numberOf(a), y = numberOf(b);
    return a.dimension() == b.dimension() && a.unitIndex() == b.unitIndex()
        && (bitsOf(x) == bitsOf(y) || (qIsNaN(x) && qIsNaN(y)));
}

// A document "doc" holding each value's element and its unit system's.
QByteArray written(const QList<qzUnitValue>& values)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(QStringLiteral("doc"));
    for (const qzUnitValue& value : values) {
        value.writeXml(writer);
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
    void reading_data();
    void reading();
    void readXmlAssignsOnlyWhenOk();
    void legacyConvert();
    void roundTrip();
    void malformedDocuments();
};

void tst_qzUnitValueXmlReaderWriter::writtenElements()
{
    QCOMPARE(written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter), qzUnitLength::create(2.0, qzUnitLength::Meter), qzUnitValue() }),
             QByteArray("<doc><UnitValue dimension=\"5\" unit=\"2\" Version=\"1\">12.5</UnitValue><UnitSystem dimension=\"5\" unit=\"2\"/>"
                        "<UnitValue dimension=\"5\" unit=\"0\" Version=\"1\">2.0</UnitValue><UnitSystem dimension=\"5\" unit=\"0\"/>"
                        "<UnitValue dimension=\"-1\" unit=\"0\" Version=\"1\">0.0</UnitValue><UnitSystem dimension=\"-1\" unit=\"0\"/></doc>"));
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
    QTest::newRow("dimension -2") << QByteArray("<v dimension=\"-2\">7</v>") << false << -1 << 0 << 7.0 << "Invalid XML attribute dimension: '-2'";
    QTest::newRow("unit beyond int") << QByteArray("<v dimension=\"5\" unit=\"4294967296\">7</v>") << false << 5 << 0 << 7.0 << "Invalid XML attribute unit: '4294967296'";
    QTest::newRow("the last error stays") << QByteArray("<v dimension=\"x\" unit=\"y\" Version=\"1.5\">7</v>") << false << -1 << 0 << 7.0 << "Invalid XML attribute Version: '1.5'";
    QTest::newRow("empty element") << QByteArray("<UnitValue dimension=\"5\"/>") << false << 5 << 0 << 0.0 << "Invalid XML element UnitValue: ''";
    QTest::newRow("not a number") << QByteArray("<w dimension=\"5\">1,5</w>") << false << 5 << 0 << 0.0 << "Invalid XML element w: '1,5'";
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

    QXmlStreamReader systemReader(xml);
    QVERIFY(systemReader.readNextStartElement());
    bool systemOk = false;
    const qzUnitSystem system = qzUnitSystem::XmlReaderWriter::readXml(systemReader, systemOk);
    QCOMPARE(systemOk, !error.startsWith(QLatin1String("Invalid XML attribute")));
    QCOMPARE(systemOk, systemReader.isStartElement()); // not moved, unless an error was raised
    QCOMPARE(int(system.dimension()), dimension);

    QXmlStreamReader reader(xml);
    QVERIFY(reader.readNextStartElement());
    bool valueOk = !ok;
    const qzUnitValue value = RW::readQzUnitValue(reader, valueOk);
    QCOMPARE(valueOk, ok);
    QCOMPARE(int(value.dimension()), dimension);
    QCOMPARE(value.unitIndex(), unit);
    QCOMPARE(value.value(), number);
    QCOMPARE(reader.hasError(), !ok);
    if (error != QLatin1String("*"))
        QCOMPARE(reader.hasError() ? reader.errorString() : QString(), error);
}

void tst_qzUnitValueXmlReaderWriter::readXmlAssignsOnlyWhenOk()
{
    const QByteArray xml = written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter) });
    const qzUnitValue mass(qzUnitSystem::Mass, 1.0, 0);
    struct Case { qzUnitValue target; QByteArray xml; bool ok; qzUnitValue expected; };
    for (const Case& c : QList<Case>{ { qzUnitValue(), xml, true, qzUnitLength::create(12.5, qzUnitLength::Millimeter) },
                                       { mass, xml, true, qzUnitValue(qzUnitSystem::Mass, 12.5, 0) }, // takes the number only
                                       { mass, "<doc><v dimension=\"99\">2</v></doc>", false, mass },
                                       { qzUnitValue(), "<doc><v>2", false, qzUnitValue() } }) {
        QXmlStreamReader reader(c.xml);
        reader.readNextStartElement();
        reader.readNextStartElement();
        qzUnitValue target = c.target;
        QCOMPARE(target.readXml(reader), c.ok);
        QVERIFY(identical(target, c.expected));
    }
    QXmlStreamReader reader(QByteArray("<s dimension=\"5\" unit=\"4\"/><t dimension=\"0.5\" unit=\"1\"/>"));
    reader.readNextStartElement();
    qzUnitSystem system;
    QVERIFY(system.readXml(reader));
    reader.skipCurrentElement();
    reader.readNextStartElement();
    QVERIFY(!system.readXml(reader));
    QVERIFY(system == qzUnitSystem(qzUnitSystem::Length, 4));

    // A reader that failed before stands on no element and keeps its message.
    QXmlStreamReader failed(QByteArray("<v dimension=\"5\">2</v>"));
    failed.readNextStartElement();
    failed.raiseError(QStringLiteral("earlier"));
    bool valueOk = true, systemOk = true;
    RW::readQzUnitValue(failed, valueOk);
    qzUnitSystem::XmlReaderWriter::readXml(failed, systemOk);
    QVERIFY(!valueOk && !systemOk);
    QCOMPARE(failed.errorString(), QStringLiteral("earlier"));
}

void tst_qzUnitValueXmlReaderWriter::legacyConvert()
{
    // Until the TemperatureRate class is linked its unit object stands at 0
    // whatever it is given, so the expectation follows the built value.
    for (int version : { 0, 1 }) {
        for (int unit : { 0, 1, 2 }) {
            const qzUnitValue rate(qzUnitSystem::TemperatureRate, 4.5, unit);
            const int expected = version == 0 && rate.unitIndex() == 1 ? 0 : rate.unitIndex();
            QVERIFY(identical(RW::legacyConvert(version, rate), qzUnitValue(qzUnitSystem::TemperatureRate, 4.5, expected)));
        }
    }
    const qzUnitValue length = qzUnitLength::create(4.5, qzUnitLength::Centimeter);
    QVERIFY(identical(RW::legacyConvert(0, length), length));
}

void tst_qzUnitValueXmlReaderWriter::roundTrip()
{
    QList<double> numbers = { 0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN - DBL_TRUE_MIN,
                              1e20, 0.1 + 0.2, qInf(), -qInf(), qQNaN() };
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

    QXmlStreamReader reader(written(values));
    reader.readNextStartElement();
    for (const qzUnitValue& value : values) {
        qzUnitValue read;
        qzUnitSystem system;
        QVERIFY(reader.readNextStartElement());
        QVERIFY2(read.readXml(reader), qPrintable(XmlReaderWriterBase::errorMsg(reader)));
        QVERIFY(reader.readNextStartElement() && system.readXml(reader) && system == value.unitSystem());
        reader.skipCurrentElement();

        const double number = numberOf(value);
        QVERIFY2(identical(read, qzUnitValue(value.unitSystem(), RW::valueInPrecision(number))), qPrintable(QString::number(number, 'g', 17)));
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

// Seeded mutations of a valid document: every read ends, a read is ok exactly
// when the reader has no error, and readXml leaves its target alone otherwise.
void tst_qzUnitValueXmlReaderWriter::malformedDocuments()
{
    const QByteArray valid = "<?xml version=\"1.0\"?>"
        + written({ qzUnitLength::create(12.5, qzUnitLength::Millimeter), qzUnitLength::create(-3e-7, qzUnitLength::Inch) });
    QList<QByteArray> documents = { QByteArray(), "<doc>" + QByteArray("<a>").repeated(5000) + "<UnitValue>1</UnitValue>",
                                    "<UnitValue dimension=\"5\">" + QByteArray("<a>").repeated(5000) };
    for (int cut = 0; cut < valid.size(); ++cut)
        documents.append(valid.left(cut));
    const QList<QByteArray> inserts = { "<x/>", "<x>", "</UnitValue>", "=\"7\"", "\"", "&bogus;", "\x01", "dimension=\"5\" " };
    QRandomGenerator random(77);
    for (int i = 0; i < 300; ++i) {
        QByteArray document = valid;
        const int at = random.bounded(document.size());
        if (i % 3 == 0)
            document[at] = char(document[at] ^ (1 << random.bounded(8)));
        else if (i % 3 == 1)
            document.insert(at, inserts.at(random.bounded(inserts.size())));
        else
            document.replace("\"2\"", "\"" + QByteArray::number(random.generate(), 36) + "\"");
        documents.append(document);
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
    QVERIFY(notOk > documents.size() / 4);
}

QTEST_GUILESS_MAIN(tst_qzUnitValueXmlReaderWriter)
#include "tst_qzUnitValueXmlReaderWriter.moc"
