// The needle finder over one scan block of generated text, walked as the block
// scan walks it: after each place it flags, on from the next line. The scalar
// variant is the finder's plain path, the one the vector loops must agree with.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench_text.h"
#include "micro_benchmarks.h"
#include "search/needle_finder.h"
#include "text/keyword_match.h"

namespace quilsk::microbench {

namespace {

// The number of places the finder flags in `block`.
size_t WalkEvents(const CNeedleFinder& finder, const std::string& block)
{
    const char* data = block.data();
    size_t events = 0;
    for (size_t from = 0;;) {
        const ScanEvent event = finder.Next(data, from, block.size());
        if (event.position >= block.size()) return events;
        ++events;
        const void* lf = std::memchr(data + event.position, '\n', block.size() - event.position);
        if (!lf) return events;
        from = static_cast<size_t>(static_cast<const char*>(lf) - data) + 1;
    }
}

void FindNeedles(benchmark::State& state, std::vector<std::string> words, bool ignoreCase, bool allowVectors)
{
    if (ignoreCase)
        for (std::string& word : words) FoldKeyword(word);
    const CNeedleFinder finder(words, ignoreCase, allowVectors);
    const std::string& block = SharedBlock();
    size_t events = 0;
    for (auto _ : state) {
        events = WalkEvents(finder, block);
        benchmark::DoNotOptimize(events);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(block.size()));
    state.counters["lines_flagged"] = static_cast<double>(events);
}

}  // namespace

void RegisterNeedleFinderBenchmarks()
{
    for (const Keyword& keyword : EnglishKeywords())
        for (const bool ignoreCase : {false, true})
            for (const bool allowVectors : {true, false}) {
                const std::string name = "NeedleFinder/" + keyword.label + (ignoreCase ? "/ignore-case" : "/case") +
                                         (allowVectors ? "/vectors" : "/scalar");
                benchmark::RegisterBenchmark(name.c_str(), FindNeedles, keyword.words, ignoreCase, allowVectors);
            }
}

}  // namespace quilsk::microbench
