// Two values meeting in unit 0: a sum, a scaling and a fuzzy comparison of a
// length in millimetres with one in inches, against the same steps on plain
// doubles (to metres, the operation, back to millimetres). One iteration
// sweeps 1024 operands summed into one accumulator.
#include "benchSupport.h"

#include <qzUnitLength.h>

#include <benchmark/benchmark.h>

namespace {

double toMetre(double millimetres) { return millimetres / 1000.0; }
double inchToMetre(double inches) { return inches * 0.0254; }
double fromMetre(double metres) { return metres * 1000.0; }

// The library's fuzzy comparison of two plain numbers: the baseline
// compares the same numbers without values around them.
int fuzzyCompare(double a, double b, double tolerance)
{
    return qzUnitValue::fuzzyCompare(a, b, tolerance);
}

struct Operands
{
    Operands()
        : millimetres(bench::randomNumbers(bench::InputCount, -1e4, 1e4, 1)),
          inches(bench::randomNumbers(bench::InputCount, -400.0, 400.0, 2)),
          factors(bench::randomNumbers(bench::InputCount, -10.0, 10.0, 3)),
          a(bench::valuesOf(millimetres, qzUnitSystem::Length, qzUnitLength::Millimeter)),
          b(bench::valuesOf(inches, qzUnitSystem::Length, qzUnitLength::Inch))
    {
    }
    QVector<double> millimetres;
    QVector<double> inches;
    QVector<double> factors;
    QVector<qzUnitValue> a;
    QVector<qzUnitValue> b;
};

// Whether the baselines compute exactly what the library computes.
bool baselinesMatch(const Operands& o)
{
    for (int i = 0; i < bench::InputCount; ++i) {
        const double a = toMetre(o.millimetres[i]);
        const double b = inchToMetre(o.inches[i]);
        if ((o.a[i] + o.b[i]).value() != fromMetre(a + b)
            || (o.a[i] * o.factors[i]).value() != fromMetre(o.factors[i] * a)
            || o.a[i].fuzzyCompare(o.b[i], 1e-20) != fuzzyCompare(a, b, 1e-20))
            return false;
    }
    return true;
}

template <typename Operation>
void run(benchmark::State& state, Operation op)
{
    const Operands operands;
    if (!baselinesMatch(operands)) {
        state.SkipWithError("the baseline does not compute what the library computes");
        return;
    }
    bench::sweep(state, [&](int i) { return op(operands, i); });
}

void plainSum(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) {
        return fromMetre(toMetre(o.millimetres[i]) + inchToMetre(o.inches[i]));
    });
}

void valueSum(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) {
        return (o.a[i] + o.b[i]).value();
    });
}

void plainProduct(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) {
        return fromMetre(o.factors[i] * toMetre(o.millimetres[i]));
    });
}

void valueProduct(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) {
        return (o.a[i] * o.factors[i]).value();
    });
}

void plainFuzzyCompare(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) {
        return double(fuzzyCompare(toMetre(o.millimetres[i]), inchToMetre(o.inches[i]), 1e-20));
    });
}

void valueFuzzyCompare(benchmark::State& state)
{
    run(state, [](const Operands& o, int i) { return double(o.a[i].fuzzyCompare(o.b[i], 1e-20)); });
}

} // namespace

BENCHMARK(plainSum)->Name("arithmetic/sum/plain")->Apply(bench::configure);
BENCHMARK(valueSum)->Name("arithmetic/sum/value")->Apply(bench::configure);
BENCHMARK(plainProduct)->Name("arithmetic/product/plain")->Apply(bench::configure);
BENCHMARK(valueProduct)->Name("arithmetic/product/value")->Apply(bench::configure);
BENCHMARK(plainFuzzyCompare)->Name("arithmetic/fuzzyCompare/plain")->Apply(bench::configure);
BENCHMARK(valueFuzzyCompare)->Name("arithmetic/fuzzyCompare/value")->Apply(bench::configure);
