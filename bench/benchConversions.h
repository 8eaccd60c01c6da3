#ifndef BENCHCONVERSIONS_H
#define BENCHCONVERSIONS_H

// The two conversions that a row table makes, shared by the benchmarks of
// single numbers, arrays and host loops: millimetre to inch (two factors)
// and Celsius to Fahrenheit (offsets), each with its inline arithmetic and
// the units UDUNITS-2 knows them by.
#include "benchSupport.h"

#include <qzUnitLength.h>
#include <qzUnitTemperature.h>

#include <cmath>

#if QZUNIT_BENCH_UDUNITS
#include <udunits2.h>
#endif

namespace bench {

// The conversions as types, so that each baseline's arithmetic is compiled
// inline into its loop. The library's target unit stays a number read at run
// time, as a host's choice of unit is.
struct MillimetreToInch
{
    static constexpr const char* name = "mm_to_in";
    static constexpr qzUnitSystem::Dimension dimension = qzUnitSystem::Length;
    static constexpr int from = qzUnitLength::Millimeter;
    static constexpr int to = qzUnitLength::Inch;
    static constexpr double low = -1e4, high = 1e4;
    static constexpr const char* udunitsFrom = "mm";
    static constexpr const char* udunitsTo = "in";
    // To metres and on to inches, as the library computes it.
    static double there(double v)
    {
        v /= 1000.0;
        v /= 0.0254;
        return v;
    }
    static double back(double v) { return v * 0.0254 * 1000.0; }
};

struct CelsiusToFahrenheit
{
    static constexpr const char* name = "C_to_F";
    static constexpr qzUnitSystem::Dimension dimension = qzUnitSystem::Temperature;
    static constexpr int from = qzUnitTemperature::DegreeCelsius;
    static constexpr int to = qzUnitTemperature::DegreeFahrenheit;
    static constexpr double low = -200.0, high = 1500.0;
    static constexpr const char* udunitsFrom = "degC";
    static constexpr const char* udunitsTo = "degF";
    // Through kelvin, as the library computes it.
    static double there(double v) { return (v + 273.15) * 1.8 - 459.67; }
    static double back(double v) { return (v + 459.67) / 1.8 - 273.15; }
};

#if QZUNIT_BENCH_UDUNITS
// UDUNITS-2 with its bundled unit database and converters built once, both ways.
class Udunits
{
public:
    template <class C>
    explicit Udunits(C)
    {
        ut_set_error_message_handler(ut_ignore);
        m_system = ut_read_xml(nullptr);
        m_from = m_system ? ut_parse(m_system, C::udunitsFrom, UT_ASCII) : nullptr;
        m_to = m_system ? ut_parse(m_system, C::udunitsTo, UT_ASCII) : nullptr;
        if (m_from && m_to) {
            there = ut_get_converter(m_from, m_to);
            back = ut_get_converter(m_to, m_from);
        }
    }
    ~Udunits()
    {
        cv_free(back);
        cv_free(there);
        ut_free(m_to);
        ut_free(m_from);
        ut_free_system(m_system);
    }
    Udunits(const Udunits&) = delete;
    Udunits& operator=(const Udunits&) = delete;

    // Whether it converts to the library's numbers, up to the last digits.
    template <class C>
    bool agrees(const QVector<double>& numbers) const
    {
        if (!there || !back)
            return false;
        for (double number : numbers) {
            const double expected = qzUnitValue(C::dimension, number, C::from).value(C::to);
            if (std::fabs(cv_convert_double(there, number) - expected) > 1e-9 * std::fmax(1.0, std::fabs(expected)))
                return false;
        }
        return true;
    }

    cv_converter* there = nullptr;
    cv_converter* back = nullptr;

private:
    ut_system* m_system = nullptr;
    ut_unit* m_from = nullptr;
    ut_unit* m_to = nullptr;
};
#endif

} // namespace bench

#endif // BENCHCONVERSIONS_H
