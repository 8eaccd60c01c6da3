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

// Reads a T from the element the reader stands on; what reads without error
// is written, read back and compared with same().
template <typename T, typename Same>
void roundTrip(QXmlStreamReader& reader, Same same)
{
    T object; // reading assigns: only a default object takes the stored dimension
    if (!object.readXml(reader)) {
        check(reader.hasError());
        return;
    }
    QByteArray document;
    QXmlStreamWriter writer(&document);
    object.writeXml(writer);
    QXmlStreamReader back(document);
    check(back.readNextStartElement());
    T again;
    check(again.readXml(back));
    check(same(object, again));
}

bool sameValue(const qzUnitValue& a, const qzUnitValue& b)
{
    return a.dimension() == b.dimension() && a.unitIndex() == b.unitIndex()
        && a.isUndefined() == b.isUndefined() && sameNumber(a.value(), b.value());
}

bool sameSystem(const qzUnitSystem& a, const qzUnitSystem& b)
{
    return a == b;
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
        roundTrip<qzUnitSystem>(forSystem, sameSystem);
        QXmlStreamReader forValue(document);
        check(toStartElement(forValue, element));
        roundTrip<qzUnitValue>(forValue, sameValue);
    }
    return 0;
}
