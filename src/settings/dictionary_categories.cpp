#include "settings/dictionary_categories.h"

#include "platform/file_system.h"
#include "platform/sjis_bytes.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

// Masks are cp932 bytes; the comments give their text. The sections are the schema's.
constexpr std::array<CategoryInfo, 10> kCategories = {{
    {Category::Main, setting::kCategorySections[0], "ZELK5*.*", "main"},
    {Category::Supplement, setting::kCategorySections[1], "ZELK-HOI.*", "supplement"},
    {Category::Technical, setting::kCategorySections[2], "ZELTEC5*.*", "technical"},
    {Category::Abbreviations, setting::kCategorySections[3], "ZELK\x97\xAA\x8C\xEA.*", "abbreviations"},  // ZELK略語.*
    {Category::ProperNouns, setting::kCategorySections[4], "ZELK\x8C\xC5\x96\xBC.*", "proper-nouns"},  // ZELK固名.*
    {Category::Corpus, setting::kCategorySections[5], "ZELK-BIL*.*", "corpus"},
    {Category::Others, setting::kCategorySections[6], "", "others"},
    {Category::Spare1, setting::kCategorySections[7], "*.*", "spare1"},
    {Category::Spare2, setting::kCategorySections[8], "*.*", "spare2"},
    {Category::Spare3, setting::kCategorySections[9], "*.*", "spare3"},
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
    return {store.Get(setting::kRegistrationDir.InSection(section)),
            store.Get(setting::kRegistrationMask.InSection(section))};
}

bool WriteRegistration(CSettingsStore& store, Category category, const CategoryRegistration& registration)
{
    const char* section = InfoOf(category).section;
    return store.Write({{setting::kRegistrationDir.InSection(section), registration.dir},
                        {setting::kRegistrationMask.InSection(section), registration.mask}});
}

PassFiles BuildPassFiles(const CSettingsStore& store, Pass pass, std::string_view quickLetter)
{
    PassFiles files;
    const CategoryRegistration main = ReadRegistration(store, Category::Main);
    if (pass == Pass::QuickOnly) {
        const std::string mask = quickLetter.empty() ? std::string() : store.Get(setting::kQuickMasks(quickLetter));
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
