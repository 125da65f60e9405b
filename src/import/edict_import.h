#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/status.h"

// Turns the free EDICT dictionary (EUC-JP, one Japanese entry per line with its
// English glosses) into dictionary files of our own format: cp932, CR LF, one
// headword line per English gloss,
//   ■<gloss> {<part of speech>} : <kanji>【<kana>】
// in per-letter files EDICT.A .. EDICT.Z and EDICT.SYM, sorted by headword.

namespace quilsk {

struct EdictImportResult {
    Status status;
    size_t entries = 0;
    size_t lines = 0;
    // Lines cp932 cannot write, listed (UTF-8) in the rejects file instead.
    size_t rejected = 0;
    std::vector<std::string> files;  // names written, in order
};

inline const char* const kEdictRejectsFile = "edict-rejects.txt";

// Fails, writing nothing, when `edictFile` is not a readable regular file or
// yields no headword line. `progress` hears of the bytes converted, then of
// each file written.
EdictImportResult ImportEdict(const std::filesystem::path& edictFile, const std::filesystem::path& outputDir,
                              const std::function<void(const WorkProgress&)>& progress = {});

// Whether one tag of a leading "(tag,tag) " group of a gloss names a part of
// speech ("n", "adj-na", "v5k-s", ...): those groups make the line's "{...}".
bool IsEdictPartOfSpeech(std::string_view tag);

}  // namespace quilsk
