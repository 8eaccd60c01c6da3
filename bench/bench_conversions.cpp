// Reading, converting and copying a value into another unit, against the same
// arithmetic on plain doubles and, where it knows the units, against UDUNITS-2's
// prebuilt converter. Three conversions: millimetre to inch (two factors),
// Celsius to Fahrenheit (offsets) and Vickers to Rockwell C (the hardness table).
//
// Every baseline is checked against the library on all its inputs before it is
// timed: a baseline that computes something else is reported as an error, not
// measured.
#include "benchSupport.h"

#include <qzUnitHardness.h>
#include <qzUnitLength.h>
#include <qzUnitTemperature.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <string>

#if QZUNIT_BENCH_UDUNITS
#include <udunits2.h>
#endif

namespace {

// The library's arithmetic written out: to metres and on to inches.
double millimetreToInch(double v) { return v / 1000.0 / 0.0254; }
double inchToMillimetre(double v) { return v * 0.0254 * 1000.0; }
// Through kelvin, as the library computes it.
double celsiusToFahrenheit(double v) { return (v + 273.15) * 1.8 - 459.67; }
double fahrenheitToCelsius(double v) { return (v + 459.67) / 1.8 - 273.15; }

// The Vickers and Rockwell C columns of the hardness table.
constexpr int HardnessRows = 97;
constexpr double vickers[HardnessRows] = {
    80.0, 85.0, 90.0, 95.0, 100.0, 105.0, 110.0, 115.0, 120.0, 125.0,
    130.0, 135.0, 140.0, 145.0, 150.0, 155.0, 160.0, 165.0, 170.0, 175.0,
    180.0, 185.0, 190.0, 195.0, 200.0, 205.0, 210.0, 215.0, 220.0, 225.0,
    230.0, 235.0, 240.0, 245.0, 250.0, 255.0, 260.0, 265.0, 270.0, 275.0,
    280.0, 285.0, 290.0, 295.0, 300.0, 310.0, 320.0, 330.0, 340.0, 350.0,
    360.0, 370.0, 380.0, 390.0, 400.0, 410.0, 420.0, 430.0, 440.0, 450.0,
    460.0, 470.0, 480.0, 490.0, 500.0, 510.0, 520.0, 530.0, 540.0, 550.0,
    560.0, 570.0, 580.0, 590.0, 600.0, 610.0, 620.0, 630.0, 640.0, 650.0,
    660.0, 670.0, 680.0, 690.0, 700.0, 720.0, 740.0, 760.0, 780.0, 800.0,
    820.0, 840.0, 860.0, 880.0, 900.0, 920.0, 940.0,
};
constexpr double rockwell[HardnessRows] = {
    -24.1, -22.8, -21.5, -19.8, -18.5, -17.2, -15.9, -14.2, -12.9, -11.6,
    -10.3, -9.0, -7.3, -6.0, -4.7, -3.4, -2.1, -0.4, 0.9, 2.2,
    3.5, 5.2, 6.5, 7.8, 9.1, 10.8, 12.1, 13.4, 14.7, 16.0,
    17.7, 19.0, 20.3, 21.3, 22.2, 23.1, 24.0, 24.8, 25.6, 26.4,
    27.1, 27.8, 28.5, 29.2, 29.8, 31.0, 32.2, 33.3, 34.4, 35.5,
    36.6, 37.7, 38.8, 39.8, 40.8, 41.8, 42.7, 43.6, 44.5, 45.3,
    46.1, 46.9, 47.7, 48.4, 49.1, 49.8, 50.5, 51.1, 51.7, 52.3,
    53.0, 53.6, 54.1, 54.7, 55.2, 55.7, 56.3, 56.8, 57.3, 57.8,
    58.3, 58.8, 59.2, 59.7, 60.1, 61.0, 61.8, 62.5, 63.3, 64.0,
    64.7, 65.3, 65.9, 66.4, 67.0, 67.5, 68.0,
};

// Binary search for the first row not below x, then the straight line through
// it and the row before. The inputs stay inside the table, so the ends never
// come into play.
double interpolate(double x, const double* xs, const double* ys)
{
    int i = 0;
    for (int count = HardnessRows; count > 0;) {
        const int half = count / 2;
        if (x > xs[i + half]) {
            i += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    if (i == 0)
        return ys[0];
    const double x0 = xs[i - 1];
    const double x1 = xs[i];
    return ((x - x1) * ys[i - 1] - (x - x0) * ys[i]) / (x0 - x1);
}
double vickersToRockwell(double v) { return interpolate(v, vickers, rockwell); }
double rockwellToVickers(double v) { return interpolate(v, rockwell, vickers); }

struct Conversion
{
    const char* name;
    qzUnitSystem::Dimension dimension;
    int from;
    int to;
    double low; // the inputs, in unit from
    double high;
    double (*there)(double);
    double (*back)(double);
    const char* udunitsFrom; // null: UDUNITS-2 has no such unit
    const char* udunitsTo;
};

const Conversion conversions[] = {
    { "mm_to_in", qzUnitSystem::Length, qzUnitLength::Millimeter, qzUnitLength::Inch, -1e4, 1e4,
      millimetreToInch, inchToMillimetre, "mm", "in" },
    { "C_to_F", qzUnitSystem::Temperature, qzUnitTemperature::DegreeCelsius, qzUnitTemperature::DegreeFahrenheit,
      -200.0, 1500.0, celsiusToFahrenheit, fahrenheitToCelsius, "degC", "degF" },
    { "HV_to_HRC", qzUnitSystem::Hardness, qzUnitHardness::Vickers, qzUnitHardness::Rockwell, 80.0, 940.0,
      vickersToRockwell, rockwellToVickers, nullptr, nullptr },
};

bool sameNumber(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether the baseline computes exactly what the library computes, both ways.
bool baselineMatches(const Conversion& c, const QVector<qzUnitValue>& values)
{
    for (const qzUnitValue& value : values) {
        const double there = value.value(c.to);
        if (!sameNumber(c.there(value.value()), there))
            return false;
        if (!sameNumber(c.back(there), qzUnitValue(c.dimension, there, c.to).value(c.from)))
            return false;
    }
    return true;
}

struct Inputs
{
    explicit Inputs(const Conversion& c)
        : numbers(bench::randomNumbers(bench::InputCount, c.low, c.high)),
          values(bench::valuesOf(numbers, c.dimension, c.from))
    {
    }
    QVector<double> numbers;
    QVector<qzUnitValue> values;
};

// The view conversions read the view unit of the dimension: here the target unit.
void setViewUnits()
{
    for (const Conversion& c : conversions)
        qzUnitSystem::setViewUnitIndex(c.dimension, c.to);
}

// One benchmark: op(inputs, index) per iteration on a new input each time.
template <typename Operation>
void run(benchmark::State& state, const Conversion& c, Operation op)
{
    setViewUnits();
    const Inputs inputs(c);
    if (!baselineMatches(c, inputs.values)) {
        state.SkipWithError("the baseline does not compute what the library computes");
        return;
    }
    bench::cycle(state, [&](int i) { op(inputs, i); });
}

template <typename Body>
void add(const std::string& name, Body body)
{
    bench::configure(benchmark::RegisterBenchmark(name.c_str(), body));
}

void registerConversion(const Conversion& c)
{
    const std::string prefix = std::string("conversion/") + c.name + '/';
    add(prefix + "plain", [&c](benchmark::State& state) {
        run(state, c, [&c](const Inputs& in, int i) { benchmark::DoNotOptimize(c.there(in.numbers[i])); });
    });
    add(prefix + "value", [&c](benchmark::State& state) {
        run(state, c, [&c](const Inputs& in, int i) { benchmark::DoNotOptimize(in.values[i].value(c.to)); });
    });
    add(prefix + "viewValue", [&c](benchmark::State& state) {
        run(state, c, [](const Inputs& in, int i) { benchmark::DoNotOptimize(in.values[i].viewValue()); });
    });
    add(prefix + "copyTo", [&c](benchmark::State& state) {
        run(state, c, [&c](const Inputs& in, int i) {
            qzUnitValue copy = in.values[i].copyTo(c.to);
            benchmark::DoNotOptimize(copy);
        });
    });
    // In place there and back, against both conversions by hand.
    add(prefix + "plain_round_trip", [&c](benchmark::State& state) {
        run(state, c, [&c](const Inputs& in, int i) {
            double number = c.there(in.numbers[i]);
            benchmark::DoNotOptimize(number);
            number = c.back(number);
            benchmark::DoNotOptimize(number);
        });
    });
    add(prefix + "changeTo_round_trip", [&c](benchmark::State& state) {
        qzUnitValue value(c.dimension, 0.0, c.from);
        run(state, c, [&c, &value](const Inputs& in, int i) {
            value.setValue(in.numbers[i]);
            benchmark::DoNotOptimize(value.changeTo(c.to).value());
            benchmark::DoNotOptimize(value.changeTo(c.from).value());
        });
    });
}

#if QZUNIT_BENCH_UDUNITS
// UDUNITS-2 with its bundled unit database and converters built once, both ways.
class Udunits
{
public:
    explicit Udunits(const Conversion& c)
    {
        ut_set_error_message_handler(ut_ignore);
        m_system = ut_read_xml(nullptr);
        m_from = m_system ? ut_parse(m_system, c.udunitsFrom, UT_ASCII) : nullptr;
        m_to = m_system ? ut_parse(m_system, c.udunitsTo, UT_ASCII) : nullptr;
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
    bool agrees(const Conversion& c, const Inputs& inputs) const
    {
        if (!there || !back)
            return false;
        for (const qzUnitValue& value : inputs.values) {
            const double expected = value.value(c.to);
            if (std::fabs(cv_convert_double(there, value.value()) - expected) > 1e-9 * std::fmax(1.0, std::fabs(expected)))
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

template <typename Operation>
void runUdunits(benchmark::State& state, const Conversion& c, Operation op)
{
    const Udunits udunits(c);
    const Inputs inputs(c);
    if (!udunits.agrees(c, inputs)) {
        state.SkipWithError("UDUNITS-2 does not convert these units to the library's numbers");
        return;
    }
    bench::cycle(state, [&](int i) { op(udunits, inputs.numbers[i]); });
}

void registerUdunits(const Conversion& c)
{
    if (!c.udunitsFrom)
        return;
    const std::string prefix = std::string("conversion/") + c.name + '/';
    add(prefix + "udunits", [&c](benchmark::State& state) {
        runUdunits(state, c, [](const Udunits& u, double number) {
            benchmark::DoNotOptimize(cv_convert_double(u.there, number));
        });
    });
    add(prefix + "udunits_round_trip", [&c](benchmark::State& state) {
        runUdunits(state, c, [](const Udunits& u, double number) {
            double converted = cv_convert_double(u.there, number);
            benchmark::DoNotOptimize(converted);
            converted = cv_convert_double(u.back, converted);
            benchmark::DoNotOptimize(converted);
        });
    });
}
#endif

const int registered = [] {
    for (const Conversion& c : conversions) {
        registerConversion(c);
#if QZUNIT_BENCH_UDUNITS
        registerUdunits(c);
#endif
    }
    return 0;
}();

} // namespace
