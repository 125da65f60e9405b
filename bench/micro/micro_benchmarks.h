#pragma once

// The groups of micro-benchmarks; each adds its benchmarks to the program's list.

namespace quilsk::microbench {

void RegisterNeedleFinderBenchmarks();
void RegisterKeywordMatchBenchmarks();
void RegisterCaseFoldBenchmarks();
void RegisterWordTokenizerBenchmarks();
void RegisterBlockScanBenchmarks();
void RegisterSettingsLookupBenchmarks();
void RegisterDuplicateCheckBenchmarks();

}  // namespace quilsk::microbench
