#include "qzUnitSystemXmlReaderWriter.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

QString qzUnitSystem::XmlReaderWriter::startElementName()
{
    return QStringLiteral("UnitSystem");
}

void qzUnitSystem::XmlReaderWriter::writeXml(QXmlStreamWriter& writer, const qzUnitSystem& unitSystem,
                                             const QString& elementName)
{
    writer.writeStartElement(elementName);
    writeAttributes(writer, unitSystem);
    writer.writeEndElement();
}

void qzUnitSystem::XmlReaderWriter::writeAttributes(QXmlStreamWriter& writer, const qzUnitSystem& unitSystem)
{
    writer.writeAttribute(QStringLiteral("dimension"), QString::number(int(unitSystem.dimension()), 10));
    writer.writeAttribute(QStringLiteral("unit"), QString::number(unitSystem.unitIndex(), 10));
}

qzUnitSystem qzUnitSystem::XmlReaderWriter::readXml(QXmlStreamReader& reader, bool& ok)
{
    ok = !reader.hasError();
    if (!ok)
        return qzUnitSystem();
    return fromAttributes(reader, reader.attributes(), ok);
}

qzUnitSystem qzUnitSystem::XmlReaderWriter::fromAttributes(QXmlStreamReader& reader,
                                                           const QXmlStreamAttributes& attributes, bool& ok)
{
    // 41 names no dimension but lies in the range; it gives the undefined unit class.
    const int dimension = readIntAttribute(reader, attributes, QStringLiteral("dimension"), Undefined, ok,
                                           Undefined, MassFluxDensity);
    const int unit = readIntAttribute(reader, attributes, QStringLiteral("unit"), 0, ok);
    return qzUnitSystem(Dimension(dimension), unit);
}

void qzUnitSystem::writeXml(QXmlStreamWriter& writer) const
{
    XmlReaderWriter::writeXml(writer, *this, XmlReaderWriter::startElementName());
}

bool qzUnitSystem::readXml(QXmlStreamReader& reader)
{
    bool ok = false;
    const qzUnitSystem read = XmlReaderWriter::readXml(reader, ok);
    if (ok)
        *this = read;
    return ok;
}
