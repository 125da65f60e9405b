#pragma once

// Generated dictionary text for the micro-benchmarks: the same bytes on every
// run and every machine, shaped like the dictionaries the engine searches.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quilsk::microbench {

// cp932 lines with CR LF ends: headword lines "■headword {名} : translation" and
// example lines "* Sentence. 日本語。". English words are drawn by frequency
// rank, so a few are everywhere and most are rare; translations are kana and
// kanji, whose trail bytes fall in the ASCII range too (capitals included).
// At least `bytes` bytes, ending after a whole line.
std::string DictionaryText(size_t bytes, unsigned seed);

// One scan block of text (256 KiB), made once and shared.
const std::string& SharedBlock();
// Its lines without their CR LF.
const std::vector<std::string_view>& SharedLines();

struct Keyword {
    std::string label;  // for the benchmark's name
    std::vector<std::string> words;
};

// Searches by how often their words occur: a rare word, a medium one, the most
// frequent one, and a group of ten medium words.
const std::vector<Keyword>& EnglishKeywords();
// A medium word in Japanese (水), as cp932 bytes.
const Keyword& JapaneseKeyword();

}  // namespace quilsk::microbench
