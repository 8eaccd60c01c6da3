#include "XmlReaderWriterBase.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

namespace {

const char* const invalidElement = QT_TRANSLATE_NOOP("XmlReaderWriterBase", "Invalid XML element %0: '%1'");
const char* const invalidAttribute = QT_TRANSLATE_NOOP("XmlReaderWriterBase", "Invalid XML attribute %0: '%1'");

} // namespace

QString XmlReaderWriterBase::msgSkipUnknownXmlElement(const QString& elementName)
{
    return QStringLiteral("Skip unknown XML element %0.").arg(elementName, 0, QLatin1Char(' '));
}

QString XmlReaderWriterBase::errorMsg(const QXmlStreamReader& reader)
{
    if (!reader.hasError())
        return QString();
    const QString line = QString::number(reader.lineNumber());
    const QString column = QString::number(reader.columnNumber());
    // One arg() call for all placeholders: a '%1' inside a file name or an
    // error text must not be taken for a placeholder.
    if (const QFile* file = qobject_cast<const QFile*>(reader.device())) {
        return QStringLiteral("Reading XML file '%0' failed at line %1 in column %2: %3")
            .arg(file->fileName(), line, column, reader.errorString());
    }
    return QStringLiteral("Reading XML failed at line %1 in column %2: %3").arg(line, column, reader.errorString());
}

void XmlReaderWriterBase::raiseErrorNotValidElement(QXmlStreamReader& reader, const QString& text,
                                                    const QString& elementName)
{
    const QString name = elementName.isEmpty() ? reader.name().toString() : elementName;
    reader.raiseError(tr(invalidElement).arg(name, text));
}

void XmlReaderWriterBase::raiseErrorNotValidAttribute(QXmlStreamReader& reader, const QString& text,
                                                      const QString& attributeName)
{
    reader.raiseError(tr(invalidAttribute).arg(attributeName, text));
}

// A reader with an error, or at the end of its input (PrematureEndOfDocument
// when it is fed incrementally), returns Invalid from every further
// readNext(): without the guard the loop would never end.
void XmlReaderWriterBase::stepHirachyUp(QXmlStreamReader& reader)
{
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() == QXmlStreamReader::EndElement)
            return;
    }
}

QString XmlReaderWriterBase::tr(const char* sourceText, const char* disambiguation, int n)
{
    return QCoreApplication::translate("XmlReaderWriterBase", sourceText, disambiguation, n);
}

QString XmlReaderWriterBase::trUtf8(const char* sourceText, const char* disambiguation, int n)
{
    return tr(sourceText, disambiguation, n);
}

int XmlReaderWriterBase::readIntAttribute(QXmlStreamReader& reader, const QXmlStreamAttributes& attributes,
                                          const QString& name, int defaultValue, bool& ok, int minimum,
                                          int maximum)
{
    // Parsed where the reader holds it; a copy is made only for an error.
    const auto text = attributes.value(name);
    if (text.isEmpty())
        return defaultValue;
    bool parsed = false;
    const int number = text.toInt(&parsed, 10);
    if (parsed && number >= minimum && number <= maximum)
        return number;
    ok = false;
    raiseErrorNotValidAttribute(reader, text.toString(), name);
    return defaultValue;
}
