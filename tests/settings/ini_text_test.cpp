#include <gtest/gtest.h>

#include <random>

#include "platform/char_case.h"
#include "settings/ini_text.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;

// Picks from fixed tables with a fixed seed, without the library's
// distributions, so every run sees the same texts.
class CPicker {
public:
    explicit CPicker(unsigned seed) : m_engine(seed) {}
    size_t Below(size_t n) { return static_cast<size_t>(m_engine() % n); }
    template <typename T, size_t N>
    const T& From(const T (&items)[N])
    {
        return items[Below(N)];
    }

private:
    std::mt19937 m_engine;
};

const std::string kSections[] = {"A", "a", "B", "Sec", "sec", Sjis("設定"), "ZELK\x93\x64"};
const std::string kKeys[] = {"k", "K", "k2", "Key", "x", Sjis("名前"), "# hash"};
const std::string kValues[] = {"", "v", "1", "two words", Sjis("値"), "a;b", "=x"};

// Lines of every kind, including damaged ones, with mixed line ends.
std::string RandomIni(CPicker& pick)
{
    static const char* const kBreaks[] = {"\n", "\r\n", "\r"};
    std::string text = pick.Below(8) == 0 ? "\xEF\xBB\xBF" : "";
    const size_t lines = pick.Below(14);
    for (size_t i = 0; i < lines; ++i) {
        switch (pick.Below(9)) {
        case 0:
        case 1: text += "[" + pick.From(kSections) + "]"; break;
        case 2: text += "  [ " + pick.From(kSections) + " ]junk"; break;
        case 3: text += "[" + pick.From(kSections); break;
        case 4: text += "; " + pick.From(kKeys) + "=c"; break;
        case 5: text += pick.Below(2) ? "" : " \t"; break;
        case 6: text += pick.From(kKeys); break;  // no "="
        case 7: text += std::string("k=a\0b", 5); break;
        default: text += (pick.Below(2) ? " " : "") + pick.From(kKeys) + " = " + pick.From(kValues) + " "; break;
        }
        if (i + 1 < lines || pick.Below(3) != 0) text += pick.From(kBreaks);
    }
    return text;
}

TEST(CIniDocumentTest, AgreesWithTheLineByLineScan)
{
    CPicker pick(20240611);
    for (int round = 0; round < 3000; ++round) {
        const std::string content = RandomIni(pick);
        const CIniDocument document(content);
        for (int q = 0; q < 6; ++q) {
            const std::string& section = pick.From(kSections);
            const std::string& key = pick.From(kKeys);
            ASSERT_EQ(document.Lookup(section, key), IniLookupByScan(content, section, key))
                << testing::PrintToString(content) << " " << section << "/" << key;
        }
        IniValues values;
        for (size_t n = 1 + pick.Below(3); n > 0; --n) values.emplace_back(pick.From(kKeys), pick.From(kValues));
        const std::string& section = pick.From(kSections);
        const std::string applied = document.Applied(section, values);
        ASSERT_EQ(applied, IniApplyByScan(content, section, values)) << testing::PrintToString(content) << " " << section;
        // Each key reads back as the last value given for it.
        const CIniDocument after(applied);
        for (const auto& [key, value] : values) {
            std::string last;
            for (const auto& [other, otherValue] : values)
                if (EqualsIgnoreCaseA(other, key)) last = otherValue;
            ASSERT_EQ(after.Lookup(section, key), last) << testing::PrintToString(applied) << " " << key;
        }
    }
}

TEST(CIniDocumentTest, RepeatedNamesAndDamagedLines)
{
    const std::string content = Sjis("x=0\n[A]\nk=1\nK=2\n[a]\nk=3\nz=9\n[ b ]\n  k  =  spaced value \t\n[C\nk=4\nnot a key\n=v\n");
    const CIniDocument document(content);
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"A", "k", "1"},     {"a", "K", "1"},     {"A", "z", std::nullopt}, {"B", "k", "spaced value"},
        {"c", "k", "4"},     {"C", "", "v"},      {"", "x", std::nullopt},  {"Missing", "k", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(document.Lookup(c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(document.Applied("A", {{"z", "new"}, {"k", "one"}}),
              Sjis("x=0\n[A]\nk=one\nK=2\nz=new\n[a]\nk=3\nz=9\n[ b ]\n  k  =  spaced value \t\n[C\nk=4\nnot a key\n=v\n"));
}

TEST(IniNameFaultTest, NamesThatCannotBeFoundAgain)
{
    struct Case {
        std::string name;
        IniNameFault asKey;
        IniNameFault asSection;
    } cases[] = {
        {"Keyword1", IniNameFault::None, IniNameFault::None},
        {Sjis("果物 と 野菜"), IniNameFault::None, IniNameFault::None},
        {"", IniNameFault::Empty, IniNameFault::Empty},
        {"nuts ", IniNameFault::EdgeBlank, IniNameFault::EdgeBlank},
        {"\tnuts", IniNameFault::EdgeBlank, IniNameFault::EdgeBlank},
        {" [Options]", IniNameFault::EdgeBlank, IniNameFault::EdgeBlank},
        {"[Options]", IniNameFault::LeadingBracket, IniNameFault::ClosingBracket},
        {";x", IniNameFault::LeadingSemicolon, IniNameFault::None},
        {"a=b", IniNameFault::EqualsSign, IniNameFault::None},
        {"a\rb", IniNameFault::LineBreak, IniNameFault::LineBreak},
        {"a\nb", IniNameFault::LineBreak, IniNameFault::LineBreak},
        {std::string("a\0b", 3), IniNameFault::Nul, IniNameFault::Nul},
        {"x[y]", IniNameFault::None, IniNameFault::ClosingBracket},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyNameFault(c.name), c.asKey) << testing::PrintToString(c.name);
        EXPECT_EQ(SectionNameFault(c.name), c.asSection) << testing::PrintToString(c.name);
        // What a name without a fault is written as, it is found as.
        if (c.asKey == IniNameFault::None && c.asSection == IniNameFault::None) {
            EXPECT_EQ(CIniDocument(IniApply("", c.name, {{c.name, "v"}})).Lookup(c.name, c.name), "v");
        }
    }
}

TEST(IniValueTest, StorableValuesAreReadBackAsWritten)
{
    for (const std::string& value : std::vector<std::string>{"", "x", "a b", "a=b", ";x", "[x]", Sjis("値")}) {
        EXPECT_TRUE(IsStorableValue(value)) << value;
        EXPECT_EQ(CIniDocument(IniApply("", "S", {{"k", value}})).Lookup("S", "k"), value);
    }
    for (const std::string& value : std::vector<std::string>{" x", "x ", "\t", "a\nb", "a\rb", std::string("a\0b", 3)})
        EXPECT_FALSE(IsStorableValue(value)) << testing::PrintToString(value);
}

}  // namespace
}  // namespace quilsk
