#include <algorithm>

#include "cli/commands.h"
#include "platform/char_case.h"
#include "settings/ini_text.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"

namespace quilsk::cli {

namespace {

// Lists are kept as the group editor keeps them: sorted without regard to ASCII
// case, each entry once.
void SortLikeTheEditor(std::vector<std::string>& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const std::string& a, const std::string& b) { return CompareIgnoreCaseA(a, b) < 0; });
}

auto FindItem(std::vector<std::string>& items, const std::string& item)
{
    return std::find_if(items.begin(), items.end(), [&](const std::string& i) { return EqualsIgnoreCaseA(i, item); });
}

std::vector<std::string> ToCp932(const std::vector<std::string>& args, size_t from, const char* what)
{
    std::vector<std::string> items;
    for (size_t i = from; i < args.size(); ++i) {
        std::string item = ArgumentToCp932(args[i], what);
        if (item.empty() || !IsStorableWord(item)) {
            Fail(std::string(what) + " must be non-empty and cannot contain \"|\", a line break or a NUL byte: " +
                 ShownName(item));
            std::exit(kExitError);
        }
        items.push_back(std::move(item));
    }
    return items;
}

int WriteFailed(const CSettingsStore& store) { return Fail("cannot write the settings file: " + store.LastError()); }

void PrintAll(const std::vector<std::string>& items)
{
    for (const std::string& item : items) PrintLineCp932(item);
}

}  // namespace

int RunGroupCommand(const Invocation& invocation)
{
    const std::vector<std::string>& a = invocation.args;
    if (a.empty()) return Usage();
    CSettingsStore store(invocation.iniFile);
    const std::string& sub = a[0];
    if (sub == "list" && a.size() == 1) {
        std::vector<std::string> names = ReadGroupNames(store);
        SortLikeTheEditor(names);
        PrintAll(names);
        return kExitFound;
    }
    if (a.size() < 2) return Usage();
    const std::string name = ToCp932(a, 1, "NAME").front();
    // The name is a key of the settings file: one it could not find again is refused.
    if (const IniNameFault fault = KeyNameFault(name); fault != IniNameFault::None)
        return Fail("cannot use \"" + ShownName(name) + "\" as a group name: " + DescribeNameFault(fault));

    if (sub == "show" && a.size() == 2) {
        PrintAll(ReadGroupWords(store, name));
        return kExitFound;
    }
    // Each change reads and writes under the settings file's lock, so changes made
    // at the same time by other programs are kept.
    if ((sub == "add" || sub == "remove") && a.size() >= 3) {
        const std::vector<std::string> given = ToCp932(a, 2, "WORD");
        const bool written = store.Update([&] {
            std::vector<std::string> words = ReadGroupWords(store, name);
            for (const std::string& word : given) {
                auto found = FindItem(words, word);
                if (sub == "add" && found == words.end()) words.push_back(word);
                if (sub == "remove" && found != words.end()) words.erase(found);
            }
            SortLikeTheEditor(words);
            if (!WriteGroupWords(store, name, words)) return false;
            std::vector<std::string> names = ReadGroupNames(store);
            if (sub != "add" || FindItem(names, name) != names.end()) return true;
            names.push_back(name);
            SortLikeTheEditor(names);
            return WriteGroupNames(store, names);
        });
        return written ? kExitFound : WriteFailed(store);
    }
    if (sub == "delete" && a.size() == 2) {
        bool missing = false;
        const bool written = store.Update([&] {
            std::vector<std::string> names = ReadGroupNames(store);
            auto found = FindItem(names, name);
            if (found == names.end()) {
                missing = true;
                return false;
            }
            names.erase(found);
            SortLikeTheEditor(names);
            return WriteGroupNames(store, names);
        });
        if (missing) return Fail("no such group: " + a[1]);
        return written ? kExitFound : WriteFailed(store);
    }
    return Usage();
}

}  // namespace quilsk::cli
