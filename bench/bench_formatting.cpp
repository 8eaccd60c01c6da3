// Showing a length held in millimetres in the view unit, inches: the library's
// texts against QString::number on the converted double, plus the symbol the
// host keeps ready.
#include "benchSupport.h"

#include <qzUnitLength.h>

#include <benchmark/benchmark.h>

#include <QString>

namespace {

double millimetreToInch(double v) { return v / 1000.0 / 0.0254; }

template <typename Operation>
void run(benchmark::State& state, Operation op)
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, qzUnitLength::Inch);
    const QVector<double> numbers = bench::randomNumbers(bench::InputCount, -1e4, 1e4);
    const QVector<qzUnitValue> values = bench::valuesOf(numbers, qzUnitSystem::Length, qzUnitLength::Millimeter);
    const QString symbol = QStringLiteral("in");
    // The library's text is Qt's, with at most a ".0" added, then the symbol.
    for (int i = 0; i < bench::InputCount; ++i) {
        const QString plain = QString::number(millimetreToInch(numbers[i]), 'g', 6);
        const QString text = values[i].viewValueSymbolString('g', 6);
        if (!text.startsWith(plain) || !text.endsWith(QLatin1Char(' ') + symbol)) {
            state.SkipWithError("the baseline does not print what the library prints");
            return;
        }
    }
    bench::cycle(state, [&](int i) {
        QString text = op(numbers[i], values[i], symbol);
        benchmark::DoNotOptimize(text);
    });
}

void plainNumber(benchmark::State& state)
{
    run(state, [](double number, const qzUnitValue&, const QString&) {
        return QString::number(millimetreToInch(number), 'g', 6);
    });
}

void viewValueString(benchmark::State& state)
{
    run(state, [](double, const qzUnitValue& value, const QString&) { return value.viewValueString('g', 6); });
}

void plainNumberSymbol(benchmark::State& state)
{
    run(state, [](double number, const qzUnitValue&, const QString& symbol) {
        return QString::number(millimetreToInch(number), 'g', 6) + QLatin1Char(' ') + symbol;
    });
}

void viewValueSymbolString(benchmark::State& state)
{
    run(state, [](double, const qzUnitValue& value, const QString&) {
        return value.viewValueSymbolString('g', 6);
    });
}

} // namespace

BENCHMARK(plainNumber)->Name("formatting/viewValueString/plain")->Apply(bench::configure);
BENCHMARK(viewValueString)->Name("formatting/viewValueString/value")->Apply(bench::configure);
BENCHMARK(plainNumberSymbol)->Name("formatting/viewValueSymbolString/plain")->Apply(bench::configure);
BENCHMARK(viewValueSymbolString)->Name("formatting/viewValueSymbolString/value")->Apply(bench::configure);
