#include <qzUnitValue.h>

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <string>

int main(int argc, char** argv)
{
    // Recorded with the results, for bench/RESULTS.md.
    benchmark::AddCustomContext("sizeof(qzUnitValue)", std::to_string(sizeof(qzUnitValue)));
    benchmark::AddCustomContext("Qt", qVersion());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
