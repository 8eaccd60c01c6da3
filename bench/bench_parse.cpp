// Reading typed values: qzUnitValue::fromString of a number and a unit
// against UDUNITS-2's ut_parse of the unit text alone (it reads no number),
// with the unit it returns freed, as a caller must.
#include "benchSupport.h"

#include <qzUnitValue.h>

#include <benchmark/benchmark.h>

#include <QString>

#include <cmath>

#if QZUNIT_BENCH_UDUNITS
#include <udunits2.h>
#endif

namespace {

struct Reading
{
    const char* name;
    const char* text;    // what the library reads
    const char* unit;    // what UDUNITS-2 reads
    double unitZero;     // the value the library must give, in unit 0
};

const Reading Readings[] = {
    {"mm", "12.5 mm", "mm", 0.0125},
    {"density", "1000 kg/m^3", "kg/m^3", 1000.0},
};

void library(benchmark::State& state, const Reading& reading)
{
    const QString text = QString::fromUtf8(reading.text);
    const qzUnitValue first = qzUnitValue::fromString(text);
    if (first.isUndefined() || std::fabs(first.value(0) - reading.unitZero) > 1e-12 * reading.unitZero) {
        state.SkipWithError("the library does not read the text");
        return;
    }
    for (auto _ : state) {
        qzUnitValue value = qzUnitValue::fromString(text);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}

#if QZUNIT_BENCH_UDUNITS
void udunits(benchmark::State& state, const Reading& reading)
{
    ut_set_error_message_handler(ut_ignore);
    ut_system* system = ut_read_xml(nullptr);
    ut_unit* probe = system ? ut_parse(system, reading.unit, UT_ASCII) : nullptr;
    if (!probe) {
        ut_free_system(system);
        state.SkipWithError("UDUNITS-2 does not read the unit");
        return;
    }
    ut_free(probe);
    for (auto _ : state) {
        ut_unit* unit = ut_parse(system, reading.unit, UT_ASCII);
        benchmark::DoNotOptimize(unit);
        ut_free(unit);
    }
    state.SetItemsProcessed(state.iterations());
    ut_free_system(system);
}
#endif

const bool registered = [] {
    for (const Reading& reading : Readings) {
        const std::string prefix = std::string("parse/") + reading.name + '/';
        benchmark::RegisterBenchmark((prefix + "value").c_str(), library, reading)->Apply(bench::configure);
#if QZUNIT_BENCH_UDUNITS
        benchmark::RegisterBenchmark((prefix + "udunits").c_str(), udunits, reading)->Apply(bench::configure);
#endif
    }
    return true;
}();

} // namespace
