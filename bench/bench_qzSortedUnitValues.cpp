// Building an ascending list of n values appended in random order: the
// library's binary insertion, the full sort after every append that the
// plain algorithm does, and std::multiset<double> as the baseline.
#include "benchSupport.h"

#include <qzSortedUnitValues.h>
#include <qzUnitLength.h>

#include <benchmark/benchmark.h>

#include <QList>
#include <QVector>

#include <algorithm>
#include <set>

namespace {

QVector<double> randomNumbers(int count)
{
    return bench::randomNumbers(count, 0.0, 1e6);
}

QVector<qzUnitValue> randomValues(int count)
{
    return bench::valuesOf(randomNumbers(count), qzUnitSystem::Length, qzUnitLength::Millimeter);
}

void binaryInsertion(benchmark::State& state)
{
    const QVector<qzUnitValue> values = randomValues(int(state.range(0)));
    for (auto _ : state) {
        qzSortedUnitValues list;
        for (const qzUnitValue& value : values)
            list.append(value);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void fullSortPerAppend(benchmark::State& state)
{
    const QVector<qzUnitValue> values = randomValues(int(state.range(0)));
    for (auto _ : state) {
        QList<qzUnitValue> list;
        for (const qzUnitValue& value : values) {
            list.append(value);
            std::sort(list.begin(), list.end());
        }
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void multisetInsert(benchmark::State& state)
{
    const QVector<double> numbers = randomNumbers(int(state.range(0)));
    for (auto _ : state) {
        std::multiset<double> set;
        for (double number : numbers)
            set.insert(number);
        benchmark::DoNotOptimize(set.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(binaryInsertion)->Name("sorted/append")->Apply(bench::configure)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
// A full sort per append costs n² log n: shown for 1e3 only, for contrast.
BENCHMARK(fullSortPerAppend)->Name("sorted/fullSortPerAppend")->Apply(bench::configure)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(multisetInsert)->Name("sorted/multiset")->Apply(bench::configure)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
