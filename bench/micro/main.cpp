// The micro-benchmark program: registers every group, then runs those the
// command line selects (--benchmark_filter=REGEX, --benchmark_list_tests, ...).

#include <benchmark/benchmark.h>

#include "micro_benchmarks.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    using namespace quilsk::microbench;
    RegisterNeedleFinderBenchmarks();
    RegisterKeywordMatchBenchmarks();
    RegisterCaseFoldBenchmarks();
    RegisterWordTokenizerBenchmarks();
    RegisterBlockScanBenchmarks();
    RegisterSettingsLookupBenchmarks();
    RegisterDuplicateCheckBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
