#ifndef QZUNITEXPONENTS_H
#define QZUNITEXPONENTS_H

#include "qzUnitGlobal.h"

#include <QString>

/*!
  The physical dimension of a quantity as the exponents of the seven SI base
  quantities: a force is M·L·T^-2, a speed L·T^-1. Multiplying two
  quantities adds their exponents, dividing subtracts them. Angle and
  information, which SI counts as pure numbers, have no exponents.

  A literal type: tables initialise it as { M, L, T, I, Θ, N, J } at compile
  time, trailing zeros left out.
*/
struct QZUNIT_EXPORT qzUnitExponents
{
    int mass = 0;        //!< M, kilogram
    int length = 0;      //!< L, metre
    int time = 0;        //!< T, second
    int current = 0;     //!< I, ampere
    int temperature = 0; //!< Θ, kelvin
    int amount = 0;      //!< N, mole
    int luminosity = 0;  //!< J, candela

    //! All seven exponents equal.
    constexpr bool operator==(const qzUnitExponents& other) const
    {
        return mass == other.mass && length == other.length && time == other.time && current == other.current
            && temperature == other.temperature && amount == other.amount && luminosity == other.luminosity;
    }
    //! Some exponent differs.
    constexpr bool operator!=(const qzUnitExponents& other) const { return !(*this == other); }

    //! The exponents of a product: each the sum.
    constexpr qzUnitExponents operator+(const qzUnitExponents& other) const
    {
        return { mass + other.mass,
                 length + other.length,
                 time + other.time,
                 current + other.current,
                 temperature + other.temperature,
                 amount + other.amount,
                 luminosity + other.luminosity };
    }
    //! The exponents of a quotient: each the difference.
    constexpr qzUnitExponents operator-(const qzUnitExponents& other) const
    {
        return { mass - other.mass,
                 length - other.length,
                 time - other.time,
                 current - other.current,
                 temperature - other.temperature,
                 amount - other.amount,
                 luminosity - other.luminosity };
    }

    //! Every exponent zero: a pure number (ratio, angle, information).
    constexpr bool isDimensionless() const { return *this == qzUnitExponents(); }

    /*!
      The exponents in base letters, M, L, T, I, Θ, N, J in this order, joined
      by "·", an exponent other than 1 written after "^" ("M·L^2·T^-2");
      "1" when dimensionless.
    */
    QString toString() const;
};

#endif // QZUNITEXPONENTS_H
