#ifndef QZUNITSYSTEMXMLREADERWRITER_H
#define QZUNITSYSTEMXMLREADERWRITER_H

#include "XmlReaderWriterBase.h"
#include "qzUnitValue.h"

/*!
  The element of a unit system: empty, with the attributes "dimension" and
  "unit" ("UnitSystem" by default). The reader reads the element on which the
  reader stands, whatever its name, and does not move the reader.
*/
class QZUNIT_EXPORT qzUnitSystem::XmlReaderWriter : public XmlReaderWriterBase
{
public:
    //! "UnitSystem".
    static QString startElementName();
    //! Writes \a unitSystem as the empty element \a elementName; an undefined one as dimension -1.
    static void writeXml(QXmlStreamWriter& writer, const qzUnitSystem& unitSystem, const QString& elementName);
    /*!
      The unit system of the current element's attributes; an invalid one
      takes its default (dimension -1, unit 0), clears \a ok and raises an
      error on \a reader. A reader already in an error state stands on no
      element: nothing is read and \a ok is false.
    */
    static qzUnitSystem readXml(QXmlStreamReader& reader, bool& ok);

private:
    friend class qzUnitValue::XmlReaderWriter;
    // The two attributes, which the unit value element has too.
    static void writeAttributes(QXmlStreamWriter& writer, const qzUnitSystem& unitSystem);
    static qzUnitSystem fromAttributes(QXmlStreamReader& reader, const QXmlStreamAttributes& attributes, bool& ok);
};

#endif // QZUNITSYSTEMXMLREADERWRITER_H
