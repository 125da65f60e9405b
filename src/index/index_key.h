#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/match_mode.h"

// Which index word the lines of a keyword are found under. Among its words the
// builder indexes every maximal run of ASCII letters and digits and every one
// of half-width katakana in the part of a line a headword scan tests (a run
// longer than an index word by its first kMaxIndexWordBytes bytes). An
// occurrence of a keyword without two-byte characters that begins a word holds
// each of the keyword's runs as a run of the line, bounded alike, except that
// its last run may go on in the line unless the occurrence also ends a word. So
// the lines of such an occurrence are among the lines of one run's index word;
// the search then tests each line as the scan does.

namespace quilsk {

// Whether the builder indexes every maximal run of characters of a class
// (sjis_text.h): ASCII letters and digits, half-width katakana.
constexpr bool IsIndexedRunClass(int charClass) { return charClass == 0 || charClass == 2; }

struct IndexKey {
    std::string word;       // at most kMaxIndexWordBytes bytes
    bool byPrefix = false;  // the lines of every index word that starts with it
};

// For a keyword matched as a whole word or as a word prefix: its longest run of
// an indexed class that ends where a word ends; else its last run, by prefix.
// nullopt for the other modes, a keyword holding a two-byte character, and one
// without a run of an indexed class: only a scan finds their lines.
std::optional<IndexKey> IndexKeyFor(std::string_view keyword, MatchMode mode);

}  // namespace quilsk
