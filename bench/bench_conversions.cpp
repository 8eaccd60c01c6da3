// Converting numbers into another unit, against the same arithmetic written
// inline and, where it knows the units, against UDUNITS-2's prebuilt
// converter. Three conversions: millimetre to inch (two factors), Celsius to
// Fahrenheit (offsets) and Vickers to Rockwell C (the hardness table).
//
// Single numbers: one iteration sweeps 1024 inputs summed into one
// accumulator (conversion/...). Arrays: qzUnitSystem::convert of n numbers
// against a plain loop, value(int) per element, cv_convert_doubles and a copy
// of the same bytes (bulk/...).
//
// Every baseline is checked against the library on all its inputs before it is
// timed: a baseline that computes something else is reported as an error, not
// measured.
#include "benchConversions.h"

#include <qzUnitHardness.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using bench::CelsiusToFahrenheit;
using bench::MillimetreToInch;
#if QZUNIT_BENCH_UDUNITS
using bench::Udunits;
#endif

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


// The inline arithmetic of Vickers to Rockwell C, as the library computes it.
struct VickersToRockwell
{
    static constexpr const char* name = "HV_to_HRC";
    static constexpr qzUnitSystem::Dimension dimension = qzUnitSystem::Hardness;
    static constexpr int from = qzUnitHardness::Vickers;
    static constexpr int to = qzUnitHardness::Rockwell;
    static constexpr double low = 80.0, high = 940.0;
    static constexpr const char* udunitsFrom = nullptr; // UDUNITS-2 has no such units
    static constexpr const char* udunitsTo = nullptr;
    static double there(double v) { return interpolate(v, vickers, rockwell); }
    static double back(double v) { return interpolate(v, rockwell, vickers); }
};

bool sameNumber(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether the baseline computes exactly what the library computes, both ways.
template <class C>
bool baselineMatches(const QVector<qzUnitValue>& values)
{
    for (const qzUnitValue& value : values) {
        const double there = value.value(C::to);
        if (!sameNumber(C::there(value.value()), there))
            return false;
        if (!sameNumber(C::back(there), qzUnitValue(C::dimension, there, C::to).value(C::from)))
            return false;
    }
    return true;
}

// The inputs of one benchmark, and the units as numbers the compiler cannot see.
template <class C>
struct Inputs
{
    explicit Inputs(int count = bench::InputCount, bool withValues = true)
        : numbers(bench::randomNumbers(count, C::low, C::high)),
          values(withValues ? bench::valuesOf(numbers, C::dimension, C::from) : QVector<qzUnitValue>())
    {
        benchmark::DoNotOptimize(from);
        benchmark::DoNotOptimize(to);
    }
    QVector<double> numbers;
    QVector<qzUnitValue> values;
    int from = C::from;
    int to = C::to;
};

// The view conversions read the view unit of the dimension: here the target unit.
void setViewUnits()
{
    qzUnitSystem::setViewUnitIndex(MillimetreToInch::dimension, MillimetreToInch::to);
    qzUnitSystem::setViewUnitIndex(CelsiusToFahrenheit::dimension, CelsiusToFahrenheit::to);
    qzUnitSystem::setViewUnitIndex(VickersToRockwell::dimension, VickersToRockwell::to);
}

// One benchmark: acc += op(inputs, index) over all inputs per iteration.
template <class C, typename Operation>
void sweep(benchmark::State& state, Operation op)
{
    setViewUnits();
    const Inputs<C> inputs;
    if (!baselineMatches<C>(inputs.values)) {
        state.SkipWithError("the baseline does not compute what the library computes");
        return;
    }
    bench::sweep(state, [&](int i) { return op(inputs, i); });
}

template <typename Body>
void add(const std::string& name, Body body)
{
    bench::configure(benchmark::RegisterBenchmark(name.c_str(), body));
}

template <class C>
void registerConversion()
{
    using In = Inputs<C>;
    const std::string prefix = std::string("conversion/") + C::name + '/';
    add(prefix + "plain", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) { return C::there(in.numbers[i]); });
    });
    add(prefix + "value", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) { return in.values[i].value(in.to); });
    });
    add(prefix + "viewValue", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) { return in.values[i].viewValue(); });
    });
    add(prefix + "copyTo", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) { return in.values[i].copyTo(in.to).value(); });
    });
    // In place there and back, against both conversions by hand.
    add(prefix + "plain_round_trip", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) { return C::back(C::there(in.numbers[i])); });
    });
    add(prefix + "changeTo_round_trip", [](benchmark::State& state) {
        sweep<C>(state, [](const In& in, int i) {
            qzUnitValue value = in.values[i];
            return value.changeTo(in.to).changeTo(in.from).value();
        });
    });
}

// Arrays of n numbers, out of place.
template <class C>
struct Arrays
{
    Arrays(qsizetype n, bool withValues) : inputs(int(n), withValues), out(size_t(n)) {}
    const double* in() const { return inputs.numbers.constData(); }
    qsizetype size() const { return inputs.numbers.size(); }
    Inputs<C> inputs;
    std::vector<double> out;
};

// Runs op(arrays) per iteration after checking that check(arrays) holds.
template <class C, typename Operation, typename Check>
void runArrays(benchmark::State& state, Operation op, Check check, bool withValues = false)
{
    Arrays<C> arrays(state.range(0), withValues);
    if (!check(arrays)) {
        state.SkipWithError("the baseline does not compute what the library computes");
        return;
    }
    for (auto _ : state) {
        op(arrays);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// out equal, bit for bit, to what qzUnitSystem::convert gives.
template <class C>
bool sameAsConvert(const Arrays<C>& a)
{
    std::vector<double> expected(a.out.size());
    qzUnitSystem::convert(C::dimension, C::from, C::to, a.in(), expected.data(), a.size());
    return std::memcmp(expected.data(), a.out.data(), expected.size() * sizeof(double)) == 0;
}

void addArrays(const std::string& name, void (*body)(benchmark::State&))
{
    bench::configure(benchmark::RegisterBenchmark(name.c_str(), body)->Arg(1000)->Arg(100000)->Arg(10000000));
}

template <class C>
void registerArrays()
{
    using A = Arrays<C>;
    const std::string prefix = std::string("bulk/") + C::name + '/';
    addArrays(prefix + "plain", [](benchmark::State& state) {
        const auto plain = [](A& a) {
            const double* in = a.in();
            double* out = a.out.data();
            for (qsizetype i = 0, n = a.size(); i < n; ++i)
                out[i] = C::there(in[i]);
        };
        runArrays<C>(state, plain, [&](A& a) { return plain(a), sameAsConvert(a); });
    });
    addArrays(prefix + "convert", [](benchmark::State& state) {
        const auto convert = [](A& a) {
            qzUnitSystem::convert(C::dimension, a.inputs.from, a.inputs.to, a.in(), a.out.data(), a.size());
        };
        runArrays<C>(state, convert, [](A&) { return true; });
    });
    addArrays(prefix + "value", [](benchmark::State& state) {
        const auto each = [](A& a) {
            const qzUnitValue* values = a.inputs.values.constData();
            double* out = a.out.data();
            for (qsizetype i = 0, n = a.size(); i < n; ++i)
                out[i] = values[i].value(a.inputs.to);
        };
        runArrays<C>(state, each, [&](A& a) { return each(a), sameAsConvert(a); }, true);
    });
}

// What moving the same bytes costs: a copy of n doubles.
void copyArrays(benchmark::State& state)
{
    const QVector<double> in = bench::randomNumbers(int(state.range(0)), 0.0, 1.0);
    std::vector<double> out(size_t(in.size()));
    for (auto _ : state) {
        std::memcpy(out.data(), in.constData(), out.size() * sizeof(double));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0) * qint64(2 * sizeof(double)));
}

#if QZUNIT_BENCH_UDUNITS
template <class C, typename Operation>
void sweepUdunits(benchmark::State& state, Operation op)
{
    const Udunits udunits{ C() };
    const Inputs<C> inputs;
    if (!udunits.agrees<C>(inputs.numbers)) {
        state.SkipWithError("UDUNITS-2 does not convert these units to the library's numbers");
        return;
    }
    bench::sweep(state, [&](int i) { return op(udunits, inputs.numbers[i]); });
}

template <class C>
void registerUdunits()
{
    const std::string prefix = std::string("conversion/") + C::name + '/';
    add(prefix + "udunits", [](benchmark::State& state) {
        sweepUdunits<C>(state, [](const Udunits& u, double number) { return cv_convert_double(u.there, number); });
    });
    add(prefix + "udunits_round_trip", [](benchmark::State& state) {
        sweepUdunits<C>(state, [](const Udunits& u, double number) {
            return cv_convert_double(u.back, cv_convert_double(u.there, number));
        });
    });
    addArrays(std::string("bulk/") + C::name + "/udunits", [](benchmark::State& state) {
        const Udunits udunits{ C() };
        runArrays<C>(
            state, [&](Arrays<C>& a) { cv_convert_doubles(udunits.there, a.in(), size_t(a.size()), a.out.data()); },
            [&](Arrays<C>& a) { return udunits.agrees<C>(a.inputs.numbers); });
    });
}
#endif

template <class C>
void registerAll()
{
    registerConversion<C>();
    registerArrays<C>();
#if QZUNIT_BENCH_UDUNITS
    if constexpr (C::udunitsFrom != nullptr)
        registerUdunits<C>();
#endif
}

const int registered = [] {
    registerAll<MillimetreToInch>();
    registerAll<CelsiusToFahrenheit>();
    registerAll<VickersToRockwell>();
    addArrays("bulk/copy", copyArrays);
    return 0;
}();

} // namespace
