// Loops as a host writes them over its own containers of values:
//
//     double total = 0;
//     for (const qzUnitValue& v : values)
//         total += v.value(qzUnitTemperature::DegreeFahrenheit);
//
// in a std::vector and in a QVector, with the target unit a compile-time
// constant (as above) and a variable read at run time, beside viewValue()
// and (a + b).value(). Each loop is a function of its own that the compiler
// sees whole, as it sees a host's; its baseline is the same loop over plain
// numbers with the arithmetic written inline, and UDUNITS-2's
// cv_convert_double in the same loop. 1024 values per iteration.
#include "benchConversions.h"

#include <benchmark/benchmark.h>

#include <QVector>

#include <cstring>
#include <string>
#include <vector>

#if defined(__GNUC__)
#define HOST_LOOP __attribute__((noinline))
#else
#define HOST_LOOP
#endif

namespace {

using bench::CelsiusToFahrenheit;
using bench::MillimetreToInch;

template <class C, class Numbers>
HOST_LOOP double plainLoop(const Numbers& numbers)
{
    double total = 0;
    for (double number : numbers)
        total += C::there(number);
    return total;
}

template <class C, class Values>
HOST_LOOP double valueConstantLoop(const Values& values)
{
    double total = 0;
    for (const qzUnitValue& v : values)
        total += v.value(C::to);
    return total;
}

template <class Values>
HOST_LOOP double valueVariableLoop(const Values& values, int to)
{
    double total = 0;
    for (const qzUnitValue& v : values)
        total += v.value(to);
    return total;
}

template <class Values>
HOST_LOOP double viewValueLoop(const Values& values)
{
    double total = 0;
    for (const qzUnitValue& v : values)
        total += v.viewValue();
    return total;
}

// Millimetres plus inches, through metres and back to millimetres.
template <class Numbers>
HOST_LOOP double plainSumLoop(const Numbers& millimetres, const Numbers& inches)
{
    double total = 0;
    for (auto i = millimetres.size() * 0, n = millimetres.size(); i < n; ++i)
        total += (millimetres[i] / 1000.0 + inches[i] * 0.0254) * 1000.0;
    return total;
}

template <class Values>
HOST_LOOP double sumLoop(const Values& a, const Values& b)
{
    double total = 0;
    for (auto i = a.size() * 0, n = a.size(); i < n; ++i)
        total += (a[i] + b[i]).value();
    return total;
}

bool sameNumber(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The numbers and values of one conversion in both containers, and the target
// unit as a number the compiler cannot see.
template <class C>
struct Data
{
    Data()
    {
        const QVector<double> numbers = bench::randomNumbers(bench::InputCount, C::low, C::high);
        qNumbers = numbers;
        stdNumbers.assign(numbers.begin(), numbers.end());
        qValues = bench::valuesOf(numbers, C::dimension, C::from);
        stdValues.assign(qValues.begin(), qValues.end());
        benchmark::DoNotOptimize(to);
        // A host creates the global unit system at start-up and shows values in
        // the unit its user chose.
        qzUnitSystem::globalUnitSystem();
        qzUnitSystem::setViewUnitIndex(C::dimension, C::to);
    }
    // Every loop of the library sums exactly what the inline loop sums.
    bool matches() const
    {
        const double plain = plainLoop<C>(stdNumbers);
        return sameNumber(plainLoop<C>(qNumbers), plain) && sameNumber(valueConstantLoop<C>(stdValues), plain)
            && sameNumber(valueConstantLoop<C>(qValues), plain) && sameNumber(valueVariableLoop(stdValues, to), plain)
            && sameNumber(valueVariableLoop(qValues, to), plain) && sameNumber(viewValueLoop(stdValues), plain)
            && sameNumber(viewValueLoop(qValues), plain);
    }
    std::vector<double> stdNumbers;
    QVector<double> qNumbers;
    std::vector<qzUnitValue> stdValues;
    QVector<qzUnitValue> qValues;
    int to = C::to;
};

struct Sums
{
    Sums()
    {
        const QVector<double> mm = bench::randomNumbers(bench::InputCount, -1e4, 1e4, 1);
        const QVector<double> in = bench::randomNumbers(bench::InputCount, -400.0, 400.0, 2);
        qMillimetres = mm;
        qInches = in;
        stdMillimetres.assign(mm.begin(), mm.end());
        stdInches.assign(in.begin(), in.end());
        qA = bench::valuesOf(mm, qzUnitSystem::Length, qzUnitLength::Millimeter);
        qB = bench::valuesOf(in, qzUnitSystem::Length, qzUnitLength::Inch);
        stdA.assign(qA.begin(), qA.end());
        stdB.assign(qB.begin(), qB.end());
    }
    bool matches() const
    {
        const double plain = plainSumLoop(stdMillimetres, stdInches);
        return sameNumber(plainSumLoop(qMillimetres, qInches), plain) && sameNumber(sumLoop(stdA, stdB), plain)
            && sameNumber(sumLoop(qA, qB), plain);
    }
    std::vector<double> stdMillimetres, stdInches;
    QVector<double> qMillimetres, qInches;
    std::vector<qzUnitValue> stdA, stdB;
    QVector<qzUnitValue> qA, qB;
};

// Runs loop(data) per iteration, once the library's loops are known to sum
// what the baseline sums.
template <class D, typename Loop>
void run(benchmark::State& state, Loop loop)
{
    const D data;
    if (!data.matches()) {
        state.SkipWithError("the library's loops do not sum what the inline loop sums");
        return;
    }
    for (auto _ : state) {
        const double total = loop(data);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * bench::InputCount);
}

template <typename Body>
void add(const std::string& name, Body body)
{
    bench::configure(benchmark::RegisterBenchmark(name.c_str(), body));
}

// The loops of one conversion over one kind of container, picked by member.
template <class C, auto numbers, auto values>
void registerLoops(const std::string& prefix)
{
    using D = Data<C>;
    add(prefix + "plain", [](benchmark::State& state) {
        run<D>(state, [](const D& d) { return plainLoop<C>(d.*numbers); });
    });
    add(prefix + "value_constant", [](benchmark::State& state) {
        run<D>(state, [](const D& d) { return valueConstantLoop<C>(d.*values); });
    });
    add(prefix + "value_variable", [](benchmark::State& state) {
        run<D>(state, [](const D& d) { return valueVariableLoop(d.*values, d.to); });
    });
    add(prefix + "viewValue", [](benchmark::State& state) {
        run<D>(state, [](const D& d) { return viewValueLoop(d.*values); });
    });
}

#if QZUNIT_BENCH_UDUNITS
template <class C>
HOST_LOOP double udunitsLoop(const cv_converter* converter, const std::vector<double>& numbers)
{
    double total = 0;
    for (double number : numbers)
        total += cv_convert_double(converter, number);
    return total;
}

template <class C>
void registerUdunits(const std::string& prefix)
{
    add(prefix + "udunits", [](benchmark::State& state) {
        const bench::Udunits udunits{ C() };
        const Data<C> data;
        if (!udunits.agrees<C>(data.qNumbers)) {
            state.SkipWithError("UDUNITS-2 does not convert these units to the library's numbers");
            return;
        }
        for (auto _ : state) {
            const double total = udunitsLoop<C>(udunits.there, data.stdNumbers);
            benchmark::DoNotOptimize(total);
        }
        state.SetItemsProcessed(state.iterations() * bench::InputCount);
    });
}
#endif

template <class C>
void registerConversion()
{
    const std::string prefix = std::string("host/") + C::name + '/';
    registerLoops<C, &Data<C>::stdNumbers, &Data<C>::stdValues>(prefix + "vector/");
    registerLoops<C, &Data<C>::qNumbers, &Data<C>::qValues>(prefix + "QVector/");
#if QZUNIT_BENCH_UDUNITS
    registerUdunits<C>(prefix + "vector/");
#endif
}

const int registered = [] {
    registerConversion<MillimetreToInch>();
    registerConversion<CelsiusToFahrenheit>();
    add("host/sum/vector/plain", [](benchmark::State& state) {
        run<Sums>(state, [](const Sums& s) { return plainSumLoop(s.stdMillimetres, s.stdInches); });
    });
    add("host/sum/vector/value", [](benchmark::State& state) {
        run<Sums>(state, [](const Sums& s) { return sumLoop(s.stdA, s.stdB); });
    });
    add("host/sum/QVector/plain", [](benchmark::State& state) {
        run<Sums>(state, [](const Sums& s) { return plainSumLoop(s.qMillimetres, s.qInches); });
    });
    add("host/sum/QVector/value", [](benchmark::State& state) {
        run<Sums>(state, [](const Sums& s) { return sumLoop(s.qA, s.qB); });
    });
    return 0;
}();

} // namespace
