// The duplicate check of a result list: the hash table the search runs against
// the counting tree it is held to, over the lines of 16 MiB of generated text,
// every line there twice, the second copy with its capitals made small.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_text.h"
#include "micro_benchmarks.h"
#include "platform/char_case.h"
#include "results/result_list.h"
#include "search/duplicate_check.h"

namespace quilsk::microbench {

namespace {

enum class Check { HashTable, CountingTree };

struct Lines {
    CExStringList list;
    size_t bytes = 0;
};

const Lines& LinesWithCopies()
{
    static const Lines lines = [] {
        Lines made;
        const std::string text = DictionaryText(16 << 20, 5);
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find('\n', at) + 1;
            const std::string line = text.substr(at, end - at);
            std::string copy = line;
            CharLowerA(copy);
            made.list.Append(line);
            made.list.Append(copy);
            made.bytes += 2 * line.size();
            at = end;
        }
        return made;
    }();
    return lines;
}

void FindFirstCopies(benchmark::State& state, Check how)
{
    const Lines& lines = LinesWithCopies();
    for (auto _ : state) {
        if (how == Check::HashTable) benchmark::DoNotOptimize(FirstCopies(lines.list, false));
        else benchmark::DoNotOptimize(FirstCopiesByTree(lines.list, false));
    }
    const auto runs = static_cast<std::int64_t>(state.iterations());
    state.SetItemsProcessed(runs * static_cast<std::int64_t>(lines.list.Count()));
    state.SetBytesProcessed(runs * static_cast<std::int64_t>(lines.bytes));
}

}  // namespace

void RegisterDuplicateCheckBenchmarks()
{
    benchmark::RegisterBenchmark("DuplicateCheck/hash-table", FindFirstCopies, Check::HashTable)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DuplicateCheck/counting-tree", FindFirstCopies, Check::CountingTree)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace quilsk::microbench
