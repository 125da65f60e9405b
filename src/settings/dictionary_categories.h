#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The dictionary categories: each a section of the settings file holding the
// directory ("Dir", ending in '/') and the file name or mask ("Filename") of its
// files. A category is registered when both are non-empty.

namespace quilsk {

class CSettingsStore;

enum class Category {
    Main,
    Supplement,
    Technical,
    Abbreviations,
    ProperNouns,
    Corpus,
    Others,
    Spare1,
    Spare2,
    Spare3,
};

struct CategoryInfo {
    Category category;
    const char* section;      // cp932 section name
    const char* defaultMask;  // offered by the registration dialog; "" for none
    const char* cliName;      // the command-line tool's name for it
};

// In scan order: main, supplement, technical, abbreviations, proper nouns,
// corpus, others, then the three spare slots no pass reads.
const std::array<CategoryInfo, 10>& Categories();
const CategoryInfo& InfoOf(Category category);

struct CategoryRegistration {
    std::string dir;
    std::string mask;
    bool IsRegistered() const { return !dir.empty() && !mask.empty(); }
};

CategoryRegistration ReadRegistration(const CSettingsStore& store, Category category);
bool WriteRegistration(CSettingsStore& store, Category category, const CategoryRegistration& registration);

enum class Pass { Main = 0, Corpus = 1, Other = 2, QuickOnly = 3 };

// A file a pass scans: its full path as the results show it (spelt as on disk),
// and the path that opens it.
struct DictionaryFile {
    std::string path;
    std::filesystem::path native;

    friend bool operator==(const DictionaryFile& a, const DictionaryFile& b) { return a.path == b.path; }
};

struct PassFiles {
    std::vector<DictionaryFile> files;  // in scan order
    bool listingFailed = false;         // a directory could not be read: the pass has no files
};

// The files of `dir` matching `mask`, as a pass lists them.
std::vector<DictionaryFile> ListDictionaryFiles(std::string_view dir, std::string_view mask, bool& readable);

// The files one pass scans. For QuickOnly, `quickLetter` selects the per-letter mask.
PassFiles BuildPassFiles(const CSettingsStore& store, Pass pass, std::string_view quickLetter = {});

// The path up to and including its last '/' (never the second byte of a
// two-byte character).
std::string DirectoryPart(std::string_view path);

}  // namespace quilsk
