// The word tokenizer over every line of one scan block.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "bench_text.h"
#include "micro_benchmarks.h"
#include "text/word_tokenizer.h"

namespace quilsk::microbench {

namespace {

void TokenizeLines(benchmark::State& state)
{
    const std::vector<std::string_view>& lines = SharedLines();
    std::int64_t bytes = 0;
    for (const std::string_view line : lines) bytes += static_cast<std::int64_t>(line.size());
    size_t words = 0;
    for (auto _ : state) {
        words = 0;
        CWordTokenizer tokenizer;
        for (const std::string_view line : lines)
            for (auto word = tokenizer.NextWord(line); word; word = tokenizer.NextWord()) ++words;
        benchmark::DoNotOptimize(words);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(words));
    state.counters["words"] = static_cast<double>(words);
}

}  // namespace

void RegisterWordTokenizerBenchmarks() { benchmark::RegisterBenchmark("WordTokenizer/lines", TokenizeLines); }

}  // namespace quilsk::microbench
