// The scan of one 16 MiB dictionary file in the page cache: the block scan as
// the search runs it, without and with line numbers, and the line-by-line scan
// it must agree with. The file is written once; the first run of each benchmark
// reads it from the cache like every later one.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bench_files.h"
#include "bench_text.h"
#include "micro_benchmarks.h"
#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "search/needle_finder.h"
#include "text/keyword_match.h"
#include "text/line_filter.h"

namespace quilsk::microbench {

namespace {

constexpr size_t kFileBytes = 16 << 20;

struct BenchFile {
    std::filesystem::path path;
    std::int64_t bytes = 0;
};

const BenchFile& DictionaryFile()
{
    static const BenchFile file = [] {
        const std::string text = DictionaryText(kFileBytes, 2);
        return BenchFile{WriteBenchFile("BENCH.DIC", text), static_cast<std::int64_t>(text.size())};
    }();
    return file;
}

class CCountingSink : public CScanSink {
public:
    void Hit(std::string_view line, long) override { m_bytes += line.size(); ++m_hits; }
    bool KeepGoing() override { return true; }

    size_t Hits() const { return m_hits; }
    size_t Bytes() const { return m_bytes; }

private:
    size_t m_hits = 0;
    size_t m_bytes = 0;
};

enum class Way { Blocks, BlocksCountingLines, LineByLine };

void ScanFile(benchmark::State& state, std::vector<std::string> words, bool ignoreCase, Way way)
{
    if (ignoreCase)
        for (std::string& word : words) FoldKeyword(word);
    const std::vector<std::string> secondary;
    LineRules rules;
    rules.hit.primary = &words;
    rules.hit.secondary = &secondary;
    rules.ignoreCase = ignoreCase;
    const CNeedleFinder finder(words, ignoreCase);
    const BenchFile& file = DictionaryFile();
    size_t hits = 0;
    for (auto _ : state) {
        CCountingSink sink;
        if (way == Way::LineByLine) {
            CTextFileReader reader;
            if (!reader.Open(file.path)) {
                state.SkipWithError("cannot open the file");
                return;
            }
            ScanLineByLine(reader, rules, sink);
        } else {
            ScanBlocks(file.path, rules, finder, way == Way::BlocksCountingLines, sink);
        }
        hits = sink.Hits();
        benchmark::DoNotOptimize(sink.Bytes());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * file.bytes);
    state.counters["hits"] = static_cast<double>(hits);
}

}  // namespace

void RegisterBlockScanBenchmarks()
{
    for (const Keyword& keyword : EnglishKeywords())
        for (const bool ignoreCase : {false, true}) {
            const std::string name = "BlockScan/" + keyword.label + (ignoreCase ? "/ignore-case" : "/case");
            benchmark::RegisterBenchmark(name.c_str(), ScanFile, keyword.words, ignoreCase, Way::Blocks);
        }
    const Keyword& medium = EnglishKeywords()[1];
    for (const bool ignoreCase : {false, true}) {
        const std::string suffix = medium.label + (ignoreCase ? "/ignore-case" : "/case");
        benchmark::RegisterBenchmark(("BlockScan/" + suffix + "/line-numbers").c_str(), ScanFile, medium.words,
                                     ignoreCase, Way::BlocksCountingLines);
        benchmark::RegisterBenchmark(("LineByLine/" + suffix).c_str(), ScanFile, medium.words, ignoreCase,
                                     Way::LineByLine);
    }
}

}  // namespace quilsk::microbench
