#ifndef XMLREADERWRITERBASE_H
#define XMLREADERWRITERBASE_H

#include "qzUnitGlobal.h"

#include <QString>

#include <limits>

class QXmlStreamAttributes;
class QXmlStreamReader;

/*!
  Helpers shared by the library's XML readers and the hosts' own: errors are
  raised on the QXmlStreamReader, so that parsing stops through Qt's own
  mechanism and errorMsg() reports them with their position. The two
  "Invalid XML ..." messages are translated in the context
  "XmlReaderWriterBase"; the others are not.
*/
class QZUNIT_EXPORT XmlReaderWriterBase
{
public:
    //! "Skip unknown XML element <name>.", untranslated.
    static QString msgSkipUnknownXmlElement(const QString& elementName);
    //! The reader's error with line and column (and the file name when the
    //! reader reads a QFile); an empty string when the reader has no error.
    static QString errorMsg(const QXmlStreamReader& reader);
    //! Raises "Invalid XML element ..." on \a reader; an empty \a elementName
    //! names the reader's current element.
    static void raiseErrorNotValidElement(QXmlStreamReader& reader, const QString& text,
                                          const QString& elementName);
    //! Raises "Invalid XML attribute ..." on \a reader.
    static void raiseErrorNotValidAttribute(QXmlStreamReader& reader, const QString& text,
                                            const QString& attributeName);
    /*!
      Reads tokens until an end element has been read, whichever element it
      closes. Stops as well when the reader has an error or has run out of
      input: readNext() would never deliver an end element then.
    */
    static void stepHirachyUp(QXmlStreamReader& reader);

    //! \a sourceText translated in the context "XmlReaderWriterBase"; itself without a translation.
    static QString tr(const char* sourceText, const char* disambiguation = nullptr, int n = -1);
    //! As tr(): the sources are UTF-8 either way.
    static QString trUtf8(const char* sourceText, const char* disambiguation = nullptr, int n = -1);

protected:
    /*!
      The rule for the library's integer attributes: the text of \a name in
      \a attributes; missing or empty gives \a defaultValue, otherwise it must
      be a decimal int from \a minimum to \a maximum. An invalid text gives
      \a defaultValue, clears \a ok and raises "Invalid XML attribute ..." on
      \a reader.
    */
    static int readIntAttribute(QXmlStreamReader& reader, const QXmlStreamAttributes& attributes,
                                const QString& name, int defaultValue, bool& ok,
                                int minimum = std::numeric_limits<int>::min(),
                                int maximum = std::numeric_limits<int>::max());
};

#endif // XMLREADERWRITERBASE_H
