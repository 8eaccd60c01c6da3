// Arbitrary bytes as an XML document. Every start element is read as a unit
// value and as a unit system; what reads without error is written again and
// must read back with the same dimension, unit and number (to the precision
// of the written text).
#include <qzUnitSystemXmlReaderWriter.h>
#include <qzUnitValueXmlReaderWriter.h>

#include <QByteArray>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameNumber(double a, double b)
{
    const double x = qzUnitValue::XmlReaderWriter::valueInPrecision(a);
    const double y = qzUnitValue::XmlReaderWriter::valueInPrecision(b);
    return x == y || (x != x && y != y);
}

// A reader standing on the element-th start element of the document, or one
// that has run out of elements.
bool toStartElement(QXmlStreamReader& reader, int element)
{
    for (int seen = -1; !reader.atEnd();) {
        if (reader.readNext() == QXmlStreamReader::StartElement && ++seen == element)
            return true;
    }
    return false;
}

template <typename T>
T readBack(const QByteArray& document, bool& ok)
{
    QXmlStreamReader reader(document);
    check(reader.readNextStartElement());
    T object; // reading assigns: only a default object takes the stored dimension
    ok = object.readXml(reader);
    return object;
}

void unitValue(QXmlStreamReader& reader)
{
    qzUnitValue value;
    if (!value.readXml(reader)) {
        check(reader.hasError());
        return;
    }
    QByteArray document;
    QXmlStreamWriter writer(&document);
    value.writeXml(writer);
    bool ok = false;
    const qzUnitValue again = readBack<qzUnitValue>(document, ok);
    check(ok);
    check(again.dimension() == value.dimension());
    check(again.unitIndex() == value.unitIndex());
    check(again.isUndefined() == value.isUndefined());
    check(sameNumber(again.value(), value.value()));
}

void unitSystem(QXmlStreamReader& reader)
{
    qzUnitSystem system;
    if (!system.readXml(reader)) {
        check(reader.hasError());
        return;
    }
    QByteArray document;
    QXmlStreamWriter writer(&document);
    system.writeXml(writer);
    bool ok = false;
    const qzUnitSystem again = readBack<qzUnitSystem>(document, ok);
    check(ok && again == system);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray document = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    // A fresh reader per element: reading a value consumes the element and
    // stops at the first child, which must still be read on its own.
    for (int element = 0;; ++element) {
        QXmlStreamReader forSystem(document);
        if (!toStartElement(forSystem, element))
            break;
        unitSystem(forSystem);
        QXmlStreamReader forValue(document);
        check(toStartElement(forValue, element));
        unitValue(forValue);
    }
    return 0;
}
