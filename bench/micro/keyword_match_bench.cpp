// Keyword matching over the lines of one scan block: the boundary test at the
// places a word occurs, whether a line holds a valid occurrence in each match
// mode, and the hit test of a line with and without its folded working copy.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench_text.h"
#include "micro_benchmarks.h"
#include "text/keyword_match.h"
#include "text/line_filter.h"

namespace quilsk::microbench {

namespace {

struct NamedMode {
    const char* name;
    MatchMode mode;
};
constexpr NamedMode kModes[] = {{"substring", MatchMode::Substring},
                                {"whole-word", MatchMode::WholeWord},
                                {"prefix", MatchMode::Prefix},
                                {"suffix", MatchMode::Suffix}};

std::int64_t TextBytes(const std::vector<std::string_view>& lines)
{
    std::int64_t bytes = 0;
    for (const std::string_view line : lines) bytes += static_cast<std::int64_t>(line.size());
    return bytes;
}

// Every line that holds a valid occurrence of the word in the mode.
void MatchLines(benchmark::State& state, std::string word, MatchMode mode, bool ignoreCase)
{
    if (ignoreCase) FoldKeyword(word);
    const std::vector<std::string_view>& lines = SharedLines();
    size_t matched = 0;
    for (auto _ : state) {
        matched = 0;
        for (const std::string_view line : lines)
            matched += ignoreCase ? HasValidOccurrenceIgnoringCase(line, word, mode)
                                  : HasValidOccurrence(line, word, mode);
        benchmark::DoNotOptimize(matched);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * TextBytes(lines));
    state.counters["lines_matched"] = static_cast<double>(matched);
}

// The boundary test alone, at every place the word occurs in a line.
void TestBoundaries(benchmark::State& state, std::string word, MatchMode mode)
{
    std::vector<std::pair<std::string_view, size_t>> occurrences;
    for (const std::string_view line : SharedLines())
        for (size_t pos = Find(line, 0, word); pos != kNotFound; pos = Find(line, pos + 1, word))
            occurrences.emplace_back(line, pos);
    size_t passed = 0;
    for (auto _ : state) {
        passed = 0;
        for (const auto& [line, pos] : occurrences) passed += BoundaryTest(line, pos, word.size(), mode);
        benchmark::DoNotOptimize(passed);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(occurrences.size()));
    state.counters["occurrences"] = static_cast<double>(occurrences.size());
    state.counters["passed"] = static_cast<double>(passed);
}

// The hit test of every line with the word in whole-word mode, case ignored:
// through a folded working copy (the plain path) or without one.
void TestHitLines(benchmark::State& state, std::string word, bool withCopy)
{
    FoldKeyword(word);
    const std::vector<std::string> primary = {word};
    const std::vector<std::string> secondary;
    LineRules rules;
    rules.hit.primary = &primary;
    rules.hit.secondary = &secondary;
    rules.hit.primaryMode = MatchMode::WholeWord;
    rules.ignoreCase = true;
    const std::vector<std::string_view>& lines = SharedLines();
    const auto scratch = std::make_unique<char[]>(kMaxLineRead);
    size_t hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const std::string_view line : lines)
            hits += withCopy ? IsHitLine(line, rules, scratch.get()) : IsHitLineWithoutCopy(line, rules);
        benchmark::DoNotOptimize(hits);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * TextBytes(lines));
    state.counters["hits"] = static_cast<double>(hits);
}

}  // namespace

void RegisterKeywordMatchBenchmarks()
{
    const std::vector<const Keyword*> keywords = {&EnglishKeywords()[1], &JapaneseKeyword()};
    for (const Keyword* keyword : keywords)
        for (const NamedMode& mode : kModes) {
            const std::string name = "BoundaryTest/" + keyword->label + "/" + mode.name;
            benchmark::RegisterBenchmark(name.c_str(), TestBoundaries, keyword->words.front(), mode.mode);
        }
    for (const Keyword* keyword : keywords)
        for (const NamedMode& mode : kModes)
            for (const bool ignoreCase : {false, true}) {
                const std::string name = "ValidOccurrence/" + keyword->label + "/" + mode.name +
                                         (ignoreCase ? "/ignore-case" : "/case");
                benchmark::RegisterBenchmark(name.c_str(), MatchLines, keyword->words.front(), mode.mode, ignoreCase);
            }
    for (const bool withCopy : {true, false}) {
        const std::string name = std::string("HitLine/medium/whole-word/ignore-case/") +
                                 (withCopy ? "folded-copy" : "without-copy");
        benchmark::RegisterBenchmark(name.c_str(), TestHitLines, EnglishKeywords()[1].words.front(), withCopy);
    }
}

}  // namespace quilsk::microbench
