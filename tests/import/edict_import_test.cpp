#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "import/edict_import.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;

// The rule as a pattern: the reference the character-by-character reading must
// agree with, on tags short enough for the pattern matcher's recursion.
bool IsPartOfSpeechByPattern(const std::string& tag)
{
    static const std::regex pattern(
        "adj(-[a-z]+)?|adv(-to)?|aux(-[a-z]+)?|conj|cop(-da)?|ctr|exp|int|n(-[a-z]+)?|num|pn|pref|prt|suf|unc|"
        "v[0-9a-z]*(-[a-z]+)?|vs(-[a-z]+)?");
    return std::regex_match(tag, pattern);
}

TEST(EdictImportTest, PartsOfSpeechFollowThePatternOnEveryShortTag)
{
    std::vector<std::string> tags = {"",       "n",     "n-adv", "n-",   "adj-na", "adj",   "adjx",  "adv",
                                     "adv-to", "adv-x", "aux-v", "conj", "cop-da", "cop-d", "v5k-s", "vs-i",
                                     "v",      "v-",    "V5",    "num",  "nu",     "pn",    "-n",    "n-a-b"};
    std::mt19937 random(20240611);
    const std::string alphabet = "adjnvsuxcoptrmeifl-05kA ";
    for (int i = 0; i < 50000; ++i) {
        std::string tag(random() % 9, ' ');
        for (char& c : tag) c = alphabet[random() % alphabet.size()];
        tags.push_back(tag);
    }
    for (const std::string& tag : tags) EXPECT_EQ(IsEdictPartOfSpeech(tag), IsPartOfSpeechByPattern(tag)) << tag;
}

// The import reports the bytes converted, a megabyte at a time, then each file
// it writes.
TEST(EdictImportTest, ProgressHearsOfTheBytesThenOfEachFile)
{
    test::CTempDir dir;
    // 2.5 MB in few entries, so that the conversion takes little time.
    std::string edict;
    while (edict.size() < (5u << 19)) edict += "x [y] /(n) apple" + std::string(1 << 16, 's') + "/(n) banana/\n";
    WriteBytes(dir / "edict", edict);
    std::vector<WorkProgress> reports;
    std::vector<std::string> items;
    const EdictImportResult result = ImportEdict(dir / "edict", dir / "out", [&](const WorkProgress& p) {
        reports.push_back(p);
        items.emplace_back(p.item);
    });
    ASSERT_EQ(result.status.Reason(), "");
    ASSERT_EQ(result.files.size(), 2u);
    ASSERT_EQ(reports.size(), 4u) << "two while converting, one per file";
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(items[i], "edict");
        EXPECT_EQ(reports[i].byteCount, edict.size());
        EXPECT_GE(reports[i].bytesDone, (i + 1) << 20);
        EXPECT_LT(reports[i].bytesDone, ((i + 1) << 20) + (1 << 17)) << "within an entry of the megabyte";
        EXPECT_EQ(reports[i].fileCount, 0u);
    }
    EXPECT_EQ(items[2], "EDICT.A");
    EXPECT_EQ(items[3], "EDICT.B");
    EXPECT_EQ(reports[3].filesDone, 1u);
    EXPECT_EQ(reports[3].fileCount, 2u);
    EXPECT_EQ(reports[3].bytesDone, edict.size());
}

// Entries no real EDICT holds but a damaged or hostile file may: a tag of a
// few hundred thousand letters (it overflowed the stack), and hundreds of
// thousands of tag groups or blanks before a gloss.
TEST(EdictImportTest, HugeTagsAndRunsOfTagsAreConverted)
{
    test::CTempDir dir;
    const std::string longTag = "v" + std::string(300000, 'a');
    std::string groups;
    for (int i = 0; i < 100000; ++i) groups += "(n)";
    WriteBytes(dir / "edict", "x [y] /(" + longTag + ") long/\n" + "z [w] /" + groups + std::string(100000, ' ') +
                                  "many/(adj-na,n) both/(P)/\n");
    const EdictImportResult result = ImportEdict(dir / "edict", dir / "out");
    ASSERT_EQ(result.status.Reason(), "");
    EXPECT_EQ(result.entries, 2u);
    EXPECT_EQ(result.lines, 3u);
    std::string manyTags = "n";
    for (int i = 1; i < 100000; ++i) manyTags += ",n";
    const std::string expected = Sjis("■both {adj-na,n} : z【w】") + "\r\n" + Sjis("■long {") + longTag +
                                 Sjis("} : x【y】") + "\r\n" + Sjis("■many {") + manyTags + Sjis("} : z【w】") + "\r\n";
    EXPECT_EQ(ReadBytes(dir / "out" / "EDICT.B") + ReadBytes(dir / "out" / "EDICT.L") + ReadBytes(dir / "out" / "EDICT.M"),
              expected);
}

}  // namespace
}  // namespace quilsk
