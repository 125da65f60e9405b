#include "settings/dictionary_categories.h"

#include "platform/file_system.h"
#include "platform/sjis_bytes.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

// Section names and masks are cp932 bytes; the comments give their text.
constexpr std::array<CategoryInfo, 10> kCategories = {{
    {Category::Main, "ZELK\x93\x64\x8E\x71\x8E\xAB\x8F\x91", "ZELK5*.*", "main"},  // ZELK電子辞書, ZELK5*.*
    {Category::Supplement, "\x95\xE2\x88\xE2", "ZELK-HOI.*", "supplement"},  // 補遺
    {Category::Technical, "\x90\xEA\x96\xE5\x8E\xAB\x8F\x91", "ZELTEC5*.*", "technical"},  // 専門辞書
    {Category::Abbreviations, "\x97\xAA\x8C\xEA\x8E\xAB\x8F\x91", "ZELK\x97\xAA\x8C\xEA.*", "abbreviations"},  // 略語辞書, ZELK略語.*
    {Category::ProperNouns, "\x8C\xC5\x97\x4C\x96\xBC\x8E\xAB\x8F\x91", "ZELK\x8C\xC5\x96\xBC.*", "proper-nouns"},  // 固有名辞書, ZELK固名.*
    {Category::Corpus, "\xCA\xDE\xB2\xD8\xDD\xB6\xDE\xD9\xA5\xBA\xB0\xCA\xDF\xBD", "ZELK-BIL*.*", "corpus"},  // ﾊﾞｲﾘﾝｶﾞﾙ･ｺｰﾊﾟｽ
    {Category::Others, "\x82\xBB\x82\xCC\x91\xBC", "", "others"},  // その他
    {Category::Spare1, "\x97\x5C\x94\xF5\x31", "*.*", "spare1"},  // 予備1
    {Category::Spare2, "\x97\x5C\x94\xF5\x32", "*.*", "spare2"},  // 予備2
    {Category::Spare3, "\x97\x5C\x94\xF5\x33", "*.*", "spare3"},  // 予備3
}};

struct PassCategories {
    const Category* first;
    size_t count;
};

constexpr Category kMainPass[] = {Category::Main, Category::Supplement, Category::Technical, Category::Abbreviations,
                                  Category::ProperNouns};
constexpr Category kCorpusPass[] = {Category::Corpus};
constexpr Category kOtherPass[] = {Category::Others};

PassCategories CategoriesOf(Pass pass)
{
    switch (pass) {
    case Pass::Main: return {kMainPass, std::size(kMainPass)};
    case Pass::Corpus: return {kCorpusPass, 1};
    case Pass::Other: return {kOtherPass, 1};
    case Pass::QuickOnly: break;
    }
    return {kMainPass, 1};
}

bool AppendListing(std::string_view dir, std::string_view mask, std::vector<DictionaryFile>& files)
{
    bool readable = true;
    for (DictionaryFile& file : ListDictionaryFiles(dir, mask, readable)) files.push_back(std::move(file));
    return readable;
}

}  // namespace

std::vector<DictionaryFile> ListDictionaryFiles(std::string_view dir, std::string_view mask, bool& readable)
{
    DirectoryListing listing = ListFiles(dir, mask);
    readable = listing.readable;
    std::vector<DictionaryFile> files;
    for (size_t i = 0; i < listing.names.size(); ++i) {
        // Shown and stored as the path is spelt on disk, whatever case the registration uses.
        std::string shown = FromNativePath(listing.nativePaths[i]).value_or(std::string(dir) + listing.names[i]);
        files.push_back({std::move(shown), std::move(listing.nativePaths[i])});
    }
    return files;
}

const std::array<CategoryInfo, 10>& Categories() { return kCategories; }

const CategoryInfo& InfoOf(Category category) { return kCategories[static_cast<size_t>(category)]; }

CategoryRegistration ReadRegistration(const CSettingsStore& store, Category category)
{
    const char* section = InfoOf(category).section;
    return {store.GetString(section, "Dir", ""), store.GetString(section, "Filename", "")};
}

bool WriteRegistration(CSettingsStore& store, Category category, const CategoryRegistration& registration)
{
    return store.WriteStrings(InfoOf(category).section, {{"Dir", registration.dir}, {"Filename", registration.mask}});
}

PassFiles BuildPassFiles(const CSettingsStore& store, Pass pass, std::string_view quickLetter)
{
    PassFiles files;
    const CategoryRegistration main = ReadRegistration(store, Category::Main);
    if (pass == Pass::QuickOnly) {
        const std::string mask = quickLetter.empty() ? std::string() : store.GetString("Quick", quickLetter, "");
        if (main.dir.empty() || mask.empty()) return files;
        files.listingFailed = !AppendListing(main.dir, mask, files.files);
    } else {
        const PassCategories categories = CategoriesOf(pass);
        if (!ReadRegistration(store, categories.first[0]).IsRegistered()) return files;
        for (size_t i = 0; i < categories.count && !files.listingFailed; ++i) {
            const CategoryRegistration reg = ReadRegistration(store, categories.first[i]);
            if (reg.mask.empty()) continue;
            files.listingFailed = !AppendListing(reg.dir, reg.mask, files.files);
        }
    }
    if (files.listingFailed) files.files.clear();
    return files;
}

std::string DirectoryPart(std::string_view path)
{
    size_t end = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (path[i] == '/') end = i + 1;
    }
    return std::string(path.substr(0, end));
}

}  // namespace quilsk
