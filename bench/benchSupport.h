#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

// Inputs the compiler cannot fold: a fixed pseudo-random table read with an
// index that moves on every iteration. The table is small enough for the L1
// cache, so the library and its baseline read their operands equally fast.
#include <qzUnitValue.h>

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QVector>

#include <cstdlib>

namespace bench {

/*!
  Applied to every benchmark: with QZUNIT_BENCH_ITERATIONS set, each runs
  exactly that many iterations, so that run.sh can count instructions per
  iteration under callgrind from two runs of different lengths.
*/
inline void configure(benchmark::internal::Benchmark* benchmark)
{
    if (const char* iterations = std::getenv("QZUNIT_BENCH_ITERATIONS"))
        benchmark->Iterations(std::atoll(iterations));
}

constexpr int InputCount = 1024; // a power of two: the index wraps with a mask

inline QVector<double> randomNumbers(int count, double low, double high, quint32 seed = 12345)
{
    QRandomGenerator random(seed);
    QVector<double> numbers(count);
    for (double& number : numbers)
        number = low + random.generateDouble() * (high - low);
    return numbers;
}

inline QVector<qzUnitValue> valuesOf(const QVector<double>& numbers, qzUnitSystem::Dimension dimension, int unit)
{
    QVector<qzUnitValue> values;
    values.reserve(numbers.size());
    for (double number : numbers)
        values.append(qzUnitValue(dimension, number, unit));
    return values;
}

//! Runs op(index) once per iteration, with the index of the next input each time.
template <typename Operation>
void cycle(benchmark::State& state, Operation op)
{
    int index = 0;
    for (auto _ : state) {
        op(index);
        index = (index + 1) & (InputCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

//! The sum of op(index) over all inputs, in one accumulator. Out of line, so
//! that the accumulator is a register of a small loop of its own.
template <typename Operation>
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double sum(const Operation& op)
{
    double acc = 0.0;
    for (int i = 0; i < InputCount; ++i)
        acc += op(i);
    return acc;
}

/*!
  Runs acc += op(index) over all inputs per iteration, one accumulator for the
  whole sweep, so that the conversions of neighbouring inputs overlap as they
  do in a host's loop; op is inline and the baseline writes its arithmetic
  out. Items processed are numbers.
*/
template <typename Operation>
void sweep(benchmark::State& state, Operation op)
{
    for (auto _ : state) {
        const double result = sum(op);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * InputCount);
}

} // namespace bench

#endif // BENCHSUPPORT_H
