// Building an ascending list of n values appended in random order: the
// library's binary insertion, the full sort after every append that the
// plain algorithm does, and std::multiset<double> as the baseline.
#include <qzSortedUnitValues.h>
#include <qzUnitLength.h>

#include <benchmark/benchmark.h>

#include <QList>
#include <QRandomGenerator>
#include <QVector>

#include <algorithm>
#include <set>

namespace {

QVector<double> randomNumbers(int count)
{
    QRandomGenerator random(12345);
    QVector<double> numbers(count);
    for (double& number : numbers)
        number = random.bounded(1e6);
    return numbers;
}

QVector<qzUnitValue> randomValues(int count)
{
    QVector<qzUnitValue> values;
    values.reserve(count);
    for (double number : randomNumbers(count))
        values.append(qzUnitLength::create(number, qzUnitLength::Millimeter));
    return values;
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

BENCHMARK(binaryInsertion)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
// 1e5 appends would take hours here: a full sort of up to 1e5 elements each time.
BENCHMARK(fullSortPerAppend)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(multisetInsert)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
