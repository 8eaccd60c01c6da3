#ifndef QZUNITVALUEXMLREADERWRITER_H
#define QZUNITVALUEXMLREADERWRITER_H

#include "XmlReaderWriterBase.h"
#include "qzUnitValue.h"

/*!
  The element of a unit value ("UnitValue" by default): the attributes
  "dimension", "unit" and "Version" and the number, in its stored unit, as
  text with 16 significant digits, or on request the shortest text that
  reads back as the same double. Version 1 is written; documents without a
  version are read with legacyConvert(). The reader reads either text.
*/
class QZUNIT_EXPORT qzUnitValue::XmlReaderWriter : public XmlReaderWriterBase
{
public:
    //! The text of the number in a written element.
    enum NumberText {
        SixteenDigits, //!< 16 significant digits, as documents have always held them: the default
        ShortestExact  //!< the shortest text that reads back as the same double (up to 17 digits)
    };

    //! "UnitValue".
    static QString startElementName();
    //! Writes \a value as the element \a elementName, with version 1, the number in its own unit
    //! as valueInPrecision() gives it back; -0.0, the infinities and NaN (undefined) read back as such.
    static void writeQzUnitValue(QXmlStreamWriter& writer, const qzUnitValue& value, const QString& elementName);
    //! As above, with the number written as \a numberText says; ShortestExact reads back bit for bit.
    static void writeQzUnitValue(QXmlStreamWriter& writer, const qzUnitValue& value, const QString& elementName,
                                 NumberText numberText);
    /*!
      Reads the element on which \a reader stands, whatever its name, up to
      and including its end element. Each invalid item takes its default,
      clears \a ok and raises an error on \a reader, which keeps the last
      message; a child element or a document cut short leaves Qt's own error
      and clears \a ok as well. The value is returned in every case. A reader
      already in an error state stands on no element: nothing is read and
      \a ok is false.
    */
    static qzUnitValue readQzUnitValue(QXmlStreamReader& reader, bool& ok);
    //! Documents without a version held TemperatureRate's kelvin per second at
    //! unit 1: relabelled to unit 0, the number unchanged.
    static qzUnitValue legacyConvert(int version, const qzUnitValue& value);
    //! The significant digits of the written number: 16.
    static int unitValuePrecision();
    //! \a value as it reads back from the text written for it.
    static double valueInPrecision(double value);

private:
    // QString::toDouble, with the exceptions that the written texts need.
    static bool toNumber(const QString& text, double& number);
};

#endif // QZUNITVALUEXMLREADERWRITER_H
