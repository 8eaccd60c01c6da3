#ifndef QZUNITNUMBERREADER_H
#define QZUNITNUMBERREADER_H

#include "qzUnitParser.h"

#include <QLocale>
#include <QString>

#include <string>

/*
  The number at the start of a typed value, read as people write it: in the
  C locale and in the given one (its decimal separator and its grouping, with
  the look-alikes people type for the group separator), with exponents
  ("1e3", "1,5E-3", "1.5×10³"), fractions, mixed numbers and vulgar fractions
  ("3/8", "1 1/2", "1½"). A number is never guessed: the digits and
  separators are read whole in the C reading or the locale's, and they are
  refused when neither reads them or when the two give different numbers
  (German "1.250": 1.25 or 1250).

  Every scan moves forward only; each character is looked at a bounded number
  of times, so that any text, however long, is read in linear time.
*/
class qzUnitNumberReader
{
public:
    //! Why the digits and separators were refused.
    enum Problem {
        NoProblem,
        TwoReadings,      //!< the C and the locale's reading give different numbers
        FootOrGroup,      //!< an apostrophe before three or more digits, where the locale groups otherwise
        DecimalComma,     //!< a decimal comma where the locale's decimal separator is a point
        TwoDecimalPoints, //!< more than one decimal separator
        Misplaced         //!< separators that neither reading accepts
    };

    //! A number read, or why there is none.
    struct Number
    {
        double value = 0.0;
        int end = 0; //!< one past the number
        qzUnitParser::Error error = qzUnitParser::NoError;
        int start = 0;      //!< the first digit or separator (after the sign)
        int digitsEnd = 0;  //!< one past the digits and separators in question
        Problem problem = NoProblem;
        QString readings[2]; //!< for TwoReadings: the C and the locale's number, as the locale writes them
    };

    //! Reads numbers in the C locale and in \a locale.
    explicit qzUnitNumberReader(const QLocale& locale);

    //! The number that starts at \a position of \a text.
    Number read(const QString& text, int position) const;

    //! The translated message of a refused \a number, quoting \a text (the
    //! text as typed, of which the number's positions are positions).
    static QString message(const Number& number, const QString& text);

    //! Whether \a c is an ASCII digit.
    static bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

    //! The digit a superscript character stands for ("³" 3); -1 for others.
    static int superscriptDigit(QChar c);

    //! Whether a number starts at \a position: a digit, a point before a
    //! digit or a vulgar fraction.
    static bool startsNumber(const QString& text, int position);

private:
    struct Grouping;
    //! The digits and separators of a number.
    struct Digits
    {
        int start = 0;
        int end = 0;
        bool any = false;       //!< whether there is a digit among them
        bool separated = false; //!< whether there is anything but digits
        int points = 0;         //!< how many points
        int decimals = 0;       //!< how many of the locale's decimal separators
    };
    Grouping grouping() const;
    Digits scan(const QString& text, int i) const;
    static int misplacedApostrophe(const QString& text, int i);
    Problem malformed(const QString& text, const Digits& digits) const;
    bool cReading(const QString& text, int start, int end, std::string& ascii) const;
    bool localeReading(const QString& text, int start, int end, std::string& ascii) const;

    QLocale m_locale;
    bool m_isC;
    QChar m_decimal; // the locale's separators, each as the one look-alike people type most
    QChar m_group;
};

#endif // QZUNITNUMBERREADER_H
