#include "qzUnitValueXmlReaderWriter.h"

#include "qzUnitSystemXmlReaderWriter.h"

#include <QLocale>
#include <QVarLengthArray>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <limits>

namespace {

const int formatVersion = 1;

// Qt 5 prints a negative zero without its sign; written as "-0.0" it reads
// back as itself.
QString withSignOfZero(double number, const QString& text)
{
    return (number == 0.0 && std::signbit(number)) ? QStringLiteral("-0.0") : text;
}

} // namespace

QString qzUnitValue::XmlReaderWriter::startElementName()
{
    return QStringLiteral("UnitValue");
}

void qzUnitValue::XmlReaderWriter::writeQzUnitValue(QXmlStreamWriter& writer, const qzUnitValue& value,
                                                    const QString& elementName)
{
    writeQzUnitValue(writer, value, elementName, SixteenDigits);
}

void qzUnitValue::XmlReaderWriter::writeQzUnitValue(QXmlStreamWriter& writer, const qzUnitValue& value,
                                                    const QString& elementName, NumberText numberText)
{
    const int precision = numberText == ShortestExact ? int(QLocale::FloatingPointShortest) : unitValuePrecision();
    writer.writeStartElement(elementName);
    qzUnitSystem::XmlReaderWriter::writeAttributes(writer, value.unitSystem());
    writer.writeAttribute(QStringLiteral("Version"), QString::number(formatVersion, 10));
    writer.writeCharacters(withSignOfZero(value.value(), value.valueString('g', precision)));
    writer.writeEndElement();
}

qzUnitValue qzUnitValue::XmlReaderWriter::readQzUnitValue(QXmlStreamReader& reader, bool& ok)
{
    ok = !reader.hasError();
    if (!ok)
        return qzUnitValue();
    // Qt stops parsing at the first raised error, so the text is read before
    // any item is judged; the errors are then raised in item order.
    const QXmlStreamAttributes attributes = reader.attributes();
    // The name is needed only for an error, but by then the reader has moved
    // on: kept on the stack, it costs no allocation per element.
    const auto nameRef = reader.name();
    const QVarLengthArray<QChar, 64> elementName(nameRef.begin(), nameRef.end());
    const QString text = reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    // A child element or a document cut short: Qt has raised its own error
    // and the text is not the element's whole text.
    const bool textComplete = !reader.hasError();

    const qzUnitSystem unitSystem = qzUnitSystem::XmlReaderWriter::fromAttributes(reader, attributes, ok);
    const int version = readIntAttribute(reader, attributes, QStringLiteral("Version"), 0, ok);
    double number = 0.0;
    if (!toNumber(text, number)) {
        number = 0.0;
        ok = false;
        raiseErrorNotValidElement(reader, text, QString(elementName.constData(), elementName.size()));
    } else if (!textComplete) {
        ok = false;
    }
    return legacyConvert(version, qzUnitValue(unitSystem, number));
}

qzUnitValue qzUnitValue::XmlReaderWriter::legacyConvert(int version, const qzUnitValue& value)
{
    qzUnitValue converted(value);
    if (version == 0 && value.dimension() == qzUnitSystem::TemperatureRate && value.unitIndex() == 1)
        converted.setUnitIndex(0);
    return converted;
}

int qzUnitValue::XmlReaderWriter::unitValuePrecision()
{
    return 16;
}

double qzUnitValue::XmlReaderWriter::valueInPrecision(double value)
{
    double number = value;
    toNumber(withSignOfZero(value, QString::number(value, 'g', unitValuePrecision())), number);
    return number;
}

bool qzUnitValue::XmlReaderWriter::toNumber(const QString& text, double& number)
{
    bool ok = false;
    number = text.toDouble(&ok);
    if (!ok && std::isinf(number)) {
        // 16 digits round the few largest doubles up past the double range;
        // the text written for them stands for the largest double.
        const double largest = std::numeric_limits<double>::max();
        const QString trimmed = text.trimmed();
        for (const double limit : { largest, -largest }) {
            if (trimmed == QString::number(limit, 'g', unitValuePrecision())) {
                number = limit;
                ok = true;
            }
        }
    }
    // Whatever NaN the text gives, the library keeps its one quiet NaN.
    if (ok && std::isnan(number))
        number = std::numeric_limits<double>::quiet_NaN();
    return ok;
}

void qzUnitValue::writeXml(QXmlStreamWriter& writer) const
{
    XmlReaderWriter::writeQzUnitValue(writer, *this, XmlReaderWriter::startElementName());
}

void qzUnitValue::writeXml(QXmlStreamWriter& writer, const QString& elementName) const
{
    XmlReaderWriter::writeQzUnitValue(writer, *this, elementName);
}

bool qzUnitValue::readXml(QXmlStreamReader& reader)
{
    bool ok = false;
    const qzUnitValue read = XmlReaderWriter::readQzUnitValue(reader, ok);
    if (ok)
        *this = read;
    return ok;
}
