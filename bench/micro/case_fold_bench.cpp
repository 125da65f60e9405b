// Case folding of one scan block: the engine's FoldLine against the plain
// byte-by-byte CharLowerA it must agree with. Both fold a fresh copy each time,
// so the copy alone is measured too.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "bench_text.h"
#include "micro_benchmarks.h"
#include "platform/char_case.h"
#include "text/keyword_match.h"

namespace quilsk::microbench {

namespace {

enum class Fold { CopyOnly, FoldLine, CharLowerA };

void FoldBlock(benchmark::State& state, Fold how)
{
    const std::string& block = SharedBlock();
    std::string copy(block.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), block.data(), block.size());
        if (how == Fold::FoldLine) FoldLine(copy.data(), copy.size());
        if (how == Fold::CharLowerA) CharLowerA(copy);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(block.size()));
}

}  // namespace

void RegisterCaseFoldBenchmarks()
{
    benchmark::RegisterBenchmark("CaseFold/copy-only", FoldBlock, Fold::CopyOnly);
    benchmark::RegisterBenchmark("CaseFold/FoldLine", FoldBlock, Fold::FoldLine);
    benchmark::RegisterBenchmark("CaseFold/CharLowerA", FoldBlock, Fold::CharLowerA);
}

}  // namespace quilsk::microbench
