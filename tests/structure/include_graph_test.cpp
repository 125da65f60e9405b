#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The source tree keeps its layers: no include runs from a lower layer to a
// higher one, no header includes itself round a cycle, no engine file uses Qt,
// and every section and key name of the settings file is spelled only in the
// settings schema.

namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(QUILSK_SOURCE_DIR) / "src";

// Bottom to top; a folder may include its own files and those of lower ranks.
// The programs share the top rank and include none of each other's files.
const std::map<std::string, int> kRanks = {
    {"platform", 0}, {"settings", 1}, {"text", 2}, {"results", 3}, {"index", 4},
    {"search", 5},   {"import", 6},   {"terminal", 6}, {"cli", 7},  {"desktop", 7}, {"idxmakr", 7},
};

struct SourceFile {
    std::string path;  // relative to src/, with '/'
    std::string text;  // comments blanked
    std::vector<std::string> quoted;  // #include "..."
    std::vector<std::string> angled;  // #include <...>
    std::vector<std::string> strings;  // string literals, as written between the quotes
};

std::string Folder(const std::string& path) { return path.substr(0, path.find('/')); }
bool IsUi(const std::string& path) { return path.find("/ui/") != std::string::npos || Folder(path) == "desktop"; }

// The text with comments replaced by blanks, and its string literals.
std::string StripComments(const std::string& text, std::vector<std::string>& strings)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
        } else if (text[i] == '"' || text[i] == '\'') {
            const char quote = text[i];
            const size_t begin = i++;
            while (i < text.size() && text[i] != quote && text[i] != '\n') i += text[i] == '\\' ? 2 : 1;
            i = std::min(i + 1, text.size());
            if (quote == '"') strings.push_back(text.substr(begin + 1, i - begin - 2));
            out.append(text, begin, i - begin);
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::vector<SourceFile> ReadSources()
{
    std::vector<SourceFile> files;
    const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(kSource)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        SourceFile file;
        file.path = fs::relative(entry.path(), kSource).generic_string();
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream raw;
        raw << in.rdbuf();
        file.text = StripComments(raw.str(), file.strings);
        std::istringstream lines(file.text);
        for (std::string line; std::getline(lines, line);) {
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            (m[1] == "\"" ? file.quoted : file.angled).push_back(m[2]);
        }
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
    return files;
}

const std::vector<SourceFile>& Sources()
{
    static const std::vector<SourceFile> files = ReadSources();
    return files;
}

TEST(IncludeGraphTest, EveryFolderHasARankAndTheTreeIsRead)
{
    ASSERT_GT(Sources().size(), 100u);
    for (const SourceFile& file : Sources())
        EXPECT_TRUE(kRanks.count(Folder(file.path)) || file.path.find('/') == std::string::npos) << file.path;
}

TEST(IncludeGraphTest, NoIncludeRunsUpTheLayersOrFromTheEngineIntoUi)
{
    for (const SourceFile& file : Sources()) {
        const auto me = kRanks.find(Folder(file.path));
        if (me == kRanks.end()) continue;
        for (const std::string& included : file.quoted) {
            const auto other = kRanks.find(Folder(included));
            if (other == kRanks.end()) continue;  // generated or local to a program
            const bool sameFolder = other->first == me->first;
            EXPECT_TRUE(sameFolder || other->second < me->second) << file.path << " includes " << included;
            EXPECT_TRUE(IsUi(file.path) || !IsUi(included)) << file.path << " includes " << included;
        }
    }
}

TEST(IncludeGraphTest, NoEngineFileUsesQt)
{
    const std::regex qt(R"(^Q[A-Za-z]|^qt)");
    for (const SourceFile& file : Sources()) {
        if (IsUi(file.path) || Folder(file.path) == "desktop") continue;
        for (const std::string& included : file.angled)
            EXPECT_FALSE(std::regex_search(included, qt)) << file.path << " includes <" << included << ">";
    }
}

TEST(IncludeGraphTest, NoHeaderIncludesItselfRoundACycle)
{
    std::map<std::string, std::vector<std::string>> edges;
    for (const SourceFile& file : Sources())
        for (const std::string& included : file.quoted) edges[file.path].push_back(included);
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::optional<std::string> cycle;
    std::function<void(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        for (const std::string& next : edges[node]) {
            if (cycle) break;
            if (state[next] == 1) {
                std::string text;
                for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at) text += *at + " -> ";
                cycle = text + next;
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[node] = 2;
    };
    for (const SourceFile& file : Sources())
        if (state[file.path] == 0 && !cycle) visit(file.path);
    EXPECT_FALSE(cycle) << *cycle;
}

// Every section and key the schema declares, from its table.
std::set<std::string> SettingNames()
{
    std::set<std::string> names;
    const std::regex entry(R"~(X\(\w+,\s*"([^"]*)",\s*"([^"]*)")~");
    const std::regex family(R"~(SettingFamily\s+\w+\{"([^"]*)")~");
    for (const SourceFile& file : Sources()) {
        if (file.path != "settings/settings_schema.h") continue;
        for (std::sregex_iterator m(file.text.begin(), file.text.end(), entry), end; m != end; ++m)
            names.insert({(*m)[1], (*m)[2]});
        for (std::sregex_iterator m(file.text.begin(), file.text.end(), family), end; m != end; ++m)
            names.insert((*m)[1]);
    }
    names.erase("");
    return names;
}

TEST(IncludeGraphTest, SectionAndKeyNamesAreSpelledOnlyInTheSchema)
{
    const std::set<std::string> names = SettingNames();
    ASSERT_GT(names.size(), 50u);
    ASSERT_TRUE(names.count("IgnoreCase") && names.count("Recent File List"));
    for (const SourceFile& file : Sources()) {
        if (file.path.starts_with("settings/settings_schema.")) continue;
        for (const std::string& text : file.strings)
            EXPECT_FALSE(names.count(text)) << file.path << " spells the setting name \"" << text << "\"";
    }
}

}  // namespace
