// Reads of a settings file of 200 sections of 12 keys: the indexed INI look-up
// against the plain scan from the top it must agree with, the first look-up
// (which indexes the text; bytes per second of settings text), and a read
// through the settings store, which also checks whether the file changed on disk.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "bench_files.h"
#include "micro_benchmarks.h"
#include "settings/ini_text.h"
#include "settings/settings_store.h"

namespace quilsk::microbench {

namespace {

constexpr int kSections = 200;
constexpr int kKeysPerSection = 12;

const std::string& SettingsText()
{
    static const std::string text = [] {
        std::string ini;
        for (int s = 0; s < kSections; ++s) {
            ini += "[Section" + std::to_string(s) + "]\r\n";
            for (int k = 0; k < kKeysPerSection; ++k) {
                const int value = s * kKeysPerSection + k;
                ini += "Key" + std::to_string(k) + "=C:\\dict\\value" + std::to_string(value) + "\r\n";
            }
            ini += "\r\n";
        }
        return ini;
    }();
    return text;
}

// Names spread over the file, spelt in another case as callers may spell them;
// one in eight names a missing key, one in sixteen a missing section.
const std::vector<std::pair<std::string, std::string>>& LookedUpNames()
{
    static const std::vector<std::pair<std::string, std::string>> names = [] {
        std::vector<std::pair<std::string, std::string>> result;
        for (int i = 0; i < 64; ++i) {
            const int section = i % 16 == 15 ? kSections + i : (i * 37) % kSections;
            const int key = i % 8 == 7 ? kKeysPerSection + i : (i * 5) % kKeysPerSection;
            result.emplace_back("SECTION" + std::to_string(section), "key" + std::to_string(key));
        }
        return result;
    }();
    return names;
}

enum class Way { Indexed, ByScan, FirstLookup };

void LookUpInText(benchmark::State& state, Way way)
{
    const std::string& text = SettingsText();
    const auto& names = LookedUpNames();
    const CIniDocument document(text);
    size_t found = 0;
    for (auto _ : state) {
        found = 0;
        if (way == Way::FirstLookup) {
            const CIniDocument fresh(text);
            found += fresh.Lookup(names.front().first, names.front().second).has_value();
        } else {
            for (const auto& [section, key] : names)
                found += way == Way::Indexed ? document.Lookup(section, key).has_value()
                                             : IniLookupByScan(text, section, key).has_value();
        }
        benchmark::DoNotOptimize(found);
    }
    if (way == Way::FirstLookup)
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    else
        state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                                static_cast<std::int64_t>(names.size()));
    state.counters["found"] = static_cast<double>(found);
}

void LookUpThroughStore(benchmark::State& state)
{
    static const std::filesystem::path file = WriteBenchFile("settings.ini", SettingsText());
    const auto& names = LookedUpNames();
    const CSettingsStore store(file);
    size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& [section, key] : names) found += !store.GetString(section, key, "").empty();
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(names.size()));
    state.counters["found"] = static_cast<double>(found);
}

}  // namespace

void RegisterSettingsLookupBenchmarks()
{
    benchmark::RegisterBenchmark("SettingsLookup/indexed", LookUpInText, Way::Indexed);
    benchmark::RegisterBenchmark("SettingsLookup/by-scan", LookUpInText, Way::ByScan);
    benchmark::RegisterBenchmark("SettingsLookup/first-lookup", LookUpInText, Way::FirstLookup);
    benchmark::RegisterBenchmark("SettingsLookup/store", LookUpThroughStore);
}

}  // namespace quilsk::microbench
