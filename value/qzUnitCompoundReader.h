#ifndef QZUNITCOMPOUNDREADER_H
#define QZUNITCOMPOUNDREADER_H

#include "qzUnitExponents.h"
#include "qzUnitParser.h"

#include <QMap>

class qzUnitSpellings;

/*!
  Reads a compound unit in its normalised spelling: "g/cm^3", "W/(m^2·K)",
  "N·m", "1/s". Products and powers of units the index reads, parentheses,
  and quotients as engineers write them: everything after a "/" up to a
  closing parenthesis is the denominator ("W/m·K" is W/(m·K)). Internal to
  the reading of typed text.
*/
class QZUNIT_EXPORT qzUnitCompoundReader
{
public:
    //! A product of powers of units.
    struct Quantity
    {
        qzUnitExponents exponents; //!< of the SI base quantities
        double factor = 1.0;       //!< to the coherent SI unit of the exponents
        bool angle = false;        //!< whether a unit of angle took part
        //! The dimensions of the units it is made of, with their powers
        //! ("kJ/mm": energy over length), whatever their exponents.
        QMap<int, int> shape;
        //! The quantity in each catalogued dimension of its exponents, the
        //! preferred first. A rotational speed without a unit of angle
        //! ("1/min", "min^-1") counts revolutions.
        QVector<qzUnitParser::Unit> units() const;
    };

    //! A reader of \a spelling, looking units up in \a index.
    qzUnitCompoundReader(const qzUnitSpellings& index, const QString& spelling);
    //! Whether the whole spelling is a compound unit; then \a quantity is it.
    bool read(Quantity& quantity);

private:
    QChar peek() const;
    bool expression(Quantity& quantity);
    bool power(Quantity& quantity);
    bool primary(Quantity& quantity);

    const qzUnitSpellings& m_index;
    const QString m_text;
    int m_position = 0;
    int m_depth = 0;
};

#endif // QZUNITCOMPOUNDREADER_H
