#include <cstdio>

#include "cli/commands.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

namespace {

// The search dialog's order of the categories.
constexpr Category kDialogOrder[] = {Category::Main,      Category::Corpus,        Category::Supplement,
                                     Category::Technical, Category::Abbreviations, Category::ProperNouns,
                                     Category::Spare1,    Category::Spare2,        Category::Spare3,
                                     Category::Others};

const CategoryInfo* FindCategory(std::string_view utf8Name)
{
    const auto section = Utf8ToCp932(utf8Name);
    for (const CategoryInfo& info : Categories())
        if (utf8Name == info.cliName || (section && *section == info.section)) return &info;
    return nullptr;
}

}  // namespace

int RunRegisterCommand(const Invocation& invocation)
{
    const std::vector<std::string>& a = invocation.args;
    if (a.size() != 3) return Usage();
    const CategoryInfo* info = FindCategory(a[0]);
    if (!info) return Fail("unknown category: " + a[0]);
    const auto dir = AbsolutePathArgument(a[1], "DIR");
    if (!dir) return kExitError;
    std::string dirText = dir->string();
    if (dirText.back() != '/') dirText += '/';
    const CategoryRegistration registration{ArgumentToCp932(dirText, "DIR"), ArgumentToCp932(a[2], "MASK")};

    CSettingsStore store(invocation.iniFile);
    if (!WriteRegistration(store, info->category, registration))
        return Fail("cannot write the settings file: " + store.LastError());
    if (ListFiles(registration.dir, registration.mask).names.empty())
        Fail("warning: no file in " + dirText + " matches " + a[2] + " (registered all the same)");
    return kExitFound;
}

int RunCategoriesCommand(const Invocation& invocation)
{
    static const std::string kRegistered = Cp932Literal("登録済");
    static const std::string kUnregistered = Cp932Literal("未登録");
    if (!invocation.args.empty()) return Usage();
    CSettingsStore store(invocation.iniFile);
    for (Category category : kDialogOrder) {
        const CategoryRegistration reg = ReadRegistration(store, category);
        PrintLineCp932(std::string(InfoOf(category).section) + "\t" + (reg.IsRegistered() ? kRegistered : kUnregistered) +
                       "\t" + reg.dir + "\t" + reg.mask);
    }
    return kExitFound;
}

}  // namespace quilsk::cli
