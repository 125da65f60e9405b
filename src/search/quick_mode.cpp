#include "search/quick_mode.h"

#include <algorithm>

#include "platform/char_case.h"
#include "platform/file_system.h"
#include "platform/sjis_bytes.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"
#include "text/sjis_text.h"

namespace quilsk {

namespace {

// The letters a file name stands for, and the value to store under them.
struct Recognition {
    char from = 0;
    char to = 0;  // inclusive; from > to stores nothing
    std::string value;
};

bool Recognize(const std::string& name, Recognition& out)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    const std::string ext = ToUpperA(std::string_view(name).substr(dot + 1));
    if (ext.empty() || !IsAsciiLetter(static_cast<unsigned char>(ext[0]))) return false;
    const char first = ext[0];
    if (ext.size() == 1) {
        out = {first, first, name};
        return true;
    }
    if (ext == "TXT") {
        // A trail byte that looks like a letter is no letter.
        CSjisCursor cursor(name);
        const auto at = [&](size_t i) -> unsigned char {
            const CharInfo info = cursor.CharAt(static_cast<std::ptrdiff_t>(i));
            return info.kind == CharKind::Single ? static_cast<unsigned char>(info.code) : 0;
        };
        if (dot >= 1 && IsAsciiLetter(at(dot - 1))) {
            const char c = static_cast<char>(AsciiUpper(at(dot - 1)));
            out = {c, c, name};
            return true;
        }
        if (dot >= 2 && IsAsciiDigit(at(dot - 1)) && IsAsciiLetter(at(dot - 2))) {
            const char c = static_cast<char>(AsciiUpper(at(dot - 2)));
            out = {c, c, name};
            return true;
        }
        return false;
    }
    const auto second = static_cast<unsigned char>(ext[1]);
    if (IsAsciiDigit(second)) {
        out = {first, first, name.substr(0, name.size() - 1) + "*"};
        return true;
    }
    if (second == '-' && ext.size() >= 3) {
        const auto hi = static_cast<unsigned char>(ext[2]);
        if (IsAsciiLetter(hi)) {
            out = {first, static_cast<char>(hi), name};
            return true;
        }
        if (IsAsciiDigit(hi)) {
            out = {first, first, name.substr(0, name.size() - 2) + "*"};
            return true;
        }
    }
    return false;
}

}  // namespace

bool HasNoDoubleByte(std::string_view word)
{
    return std::none_of(word.begin(), word.end(), [](char c) { return IsLeadByte(static_cast<unsigned char>(c)); });
}

bool PutQuickFilesFirst(const CSettingsStore& store, std::string_view quickLetter, std::vector<DictionaryFile>& files)
{
    bool readable = true;
    const std::vector<DictionaryFile> quick = ListDictionaryFiles(
        ReadRegistration(store, Category::Main).dir, store.Get(setting::kQuickMasks(quickLetter).WithFallback("*.*")), readable);
    for (auto file = quick.rbegin(); file != quick.rend(); ++file) {
        if (auto same = std::find(files.begin(), files.end(), *file); same != files.end()) files.erase(same);
        files.insert(files.begin(), *file);
    }
    return readable;
}

bool AutoRecognizeQuickLetters(CSettingsStore& store)
{
    const CategoryRegistration main = ReadRegistration(store, Category::Main);
    const DirectoryListing listing = ListFiles(main.dir, main.mask);
    if (listing.names.empty()) return false;
    std::string letters[26];
    for (const std::string& name : listing.names) {
        Recognition r;
        if (!Recognize(name, r)) continue;
        for (char c = r.from; c <= r.to && c <= 'Z'; ++c) letters[c - 'A'] = r.value;
    }
    std::vector<SettingValue> values;
    for (int i = 0; i < 26; ++i)
        if (!letters[i].empty()) values.emplace_back(setting::kQuickMasks(std::string(1, static_cast<char>('A' + i))), letters[i]);
    return values.empty() || store.Write(values);
}

}  // namespace quilsk
