#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/dictionary_categories.h"

// The quick modes read the files that hold the keyword's initial letter first
// (quick) or only (super-quick). Section "Quick" maps the letters A to Z to a
// file name or mask within the main dictionary's directory.

namespace quilsk {

class CSettingsStore;

// No byte of the word is a Shift-JIS lead byte. A first word that fails this
// makes the scan run in normal mode whatever the setting says.
bool HasNoDoubleByte(std::string_view word);

// Puts the files of the letter's mask (default "*.*") at the head of `files`, in
// listing order, removing their later entries so no file is scanned twice.
// Returns false when the main directory could not be read.
bool PutQuickFilesFirst(const CSettingsStore& store, std::string_view quickLetter, std::vector<DictionaryFile>& files);

// Fills the letters from the names of the main dictionary's files (its "Dir" and
// "Filename") by their extensions. Returns false, storing nothing, when no file
// matches.
bool AutoRecognizeQuickLetters(CSettingsStore& store);

}  // namespace quilsk
