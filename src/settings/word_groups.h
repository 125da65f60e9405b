#pragma once

#include <string>
#include <string_view>
#include <vector>

// Word groups: named lists of words used as keywords. Section "WordGroupNames"
// lists the names under "Name", "Name1", "Name2", ...; section "WordGroup" holds
// each group's words under its name. Both are stored as texts of items each
// followed by "|".

namespace quilsk {

class CSettingsStore;

// Whether a word can be stored in a group's list and read back unchanged: it
// holds no "|" (other than as the second byte of a two-byte character), line
// break or NUL byte, and does not end in the first byte of a two-byte character.
bool IsStorableWord(std::string_view word);

// The items of a stored text, split at "|" (never at the second byte of a
// two-byte character); empty items are dropped.
std::vector<std::string> SplitStoredList(std::string_view text);

std::vector<std::string> ReadGroupNames(const CSettingsStore& store);
// Writes the names in order, a value closed as soon as it exceeds 200 bytes, and
// empties the keys after the last one written so a removed name stays removed.
// Each name must be a storable key (KeyNameFault) without "|".
bool WriteGroupNames(CSettingsStore& store, const std::vector<std::string>& names);
// The group's words in stored order; none when the group has no stored words.
std::vector<std::string> ReadGroupWords(const CSettingsStore& store, std::string_view name);
// Words must be storable (IsStorableWord). A list whose first word starts with a
// blank is written after a "|", so reading the value does not drop the blank.
bool WriteGroupWords(CSettingsStore& store, std::string_view name, const std::vector<std::string>& words);

}  // namespace quilsk
