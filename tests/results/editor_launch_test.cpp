#include <gtest/gtest.h>

#include <sys/resource.h>

#include "platform/file_system.h"
#include "results/editor_launch.h"
#include "results/result_list.h"
#include "settings/settings_store.h"
#include "support/argument_recorder.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CArgumentRecorder;
using test::CTempDir;
using test::Sjis;
using Words = std::vector<std::string>;

TEST(EditorLaunchTest, ModeFollowsDrawTextTagFormAndCallEditor)
{
    struct Case {
        const char* drawText;
        bool tagForm;
        const char* callEditor;
        EditorMode mode;
    } cases[] = {
        {"1", true, "0", EditorMode::ResultFile},
        {"0", false, "0", EditorMode::ResultFile},
        {"0", true, "1", EditorMode::ResultFile},
        {"1", false, "1", EditorMode::ResultFile},
        {"0", true, "0", EditorMode::Tag},
        {"2", true, "0", EditorMode::Tag},
        {"0", true, "2", EditorMode::Tag},
        {"", true, "", EditorMode::Tag},
    };
    CTempDir dir;
    CSettingsStore store(dir / "quilsk.ini");
    for (const Case& c : cases) {
        ASSERT_TRUE(store.WriteString("Options", "DrawText", c.drawText));
        ASSERT_TRUE(store.WriteString("Options", "CallEditor", c.callEditor));
        EXPECT_EQ(ChooseEditorMode(store, c.tagForm), c.mode)
            << "DrawText " << c.drawText << ", tag form " << c.tagForm << ", CallEditor " << c.callEditor;
    }
}

class EditorLaunchOnRowTest : public ::testing::Test {
protected:
    EditorLaunchResult Launch(bool tagForm, size_t row)
    {
        return LaunchEditorOnRow(store, results, tagForm, row, [this] {
            ++saveCalls;
            return savedPath;
        });
    }
    void UseTemplate(const std::string& commandTemplate)
    {
        ASSERT_TRUE(store.WriteString("Editor", "CmdLine", commandTemplate));
    }

    CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
    CArgumentRecorder recorder{dir.Path()};
    CExStringList results;
    std::string savedPath;
    int saveCalls = 0;
};

TEST_F(EditorLaunchOnRowTest, TagModeOpensTheTaggedFileAsItExistsAtIdlePriority)
{
    // The tag holds an upper-cased path, as earlier versions recorded it; the file is lower case.
    const std::filesystem::path dictionary = dir / "my dict;$(id)" / "zelk.txt";
    test::WriteBytes(dictionary, "apple : x\n");
    const auto dictionaryCp932 = FromNativePath(dictionary.parent_path() / "ZELK.TXT");
    ASSERT_TRUE(dictionaryCp932);
    results.Append(std::string_view("plain line\r\n"));
    results.Append(*dictionaryCp932 + "(   1234) apple : x\r\n");
    UseTemplate("'" + recorder.Program().string() + "' %F +%R");

    const EditorLaunchResult launch = Launch(true, 1);
    ASSERT_EQ(launch.status, EditorLaunchStatus::Started) << launch.reason;
    EXPECT_EQ(saveCalls, 0);
    const auto record = recorder.WaitForRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (Words{"19", dictionary.string(), "+1234"}));
}

// Names unpacked from archives made elsewhere are cp932 bytes on disk: the
// editor gets those bytes, the only name under which the file can be opened.
TEST_F(EditorLaunchOnRowTest, AFileNamedInCp932OnDiskReachesTheEditorAsItIsNamedThere)
{
    const std::filesystem::path folder = dir / Sjis("辞書");
    const std::filesystem::path dictionary = folder / Sjis("略語.txt");
    test::WriteBytes(dictionary, "apple : x\n");
    const std::string tagged = Sjis("辞書") + "/" + Sjis("略語.TXT");
    results.Append(*FromNativePath(dir.Path()) + "/" + tagged + "(     12) apple : x\r\n");
    UseTemplate(recorder.Program().string() + " " + Sjis("開く") + "=%F:%R");

    ASSERT_EQ(Launch(true, 0).status, EditorLaunchStatus::Started);
    const auto record = recorder.WaitForRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (Words{"19", "\xE9\x96\x8B\xE3\x81\x8F=" + dictionary.string() + ":12"}))
        << "the template's own text in UTF-8 (開く), the file in its bytes on disk";
}

TEST_F(EditorLaunchOnRowTest, ResultFileModeOpensTheSavedFileAtTheRowInUtf8)
{
    const std::filesystem::path saved = dir / "\xE7\xB5\x90\xE6\x9E\x9C.txt";  // 結果.txt
    savedPath = *FromNativePath(saved);
    ASSERT_NE(savedPath, saved.string()) << "the engine's path is cp932, the argument UTF-8";
    ASSERT_TRUE(store.WriteInt("Options", "CallEditor", 1));
    ASSERT_TRUE(store.WriteInt("Editor", "Priority", 1));
    const std::string niceness = std::to_string(::getpriority(PRIO_PROCESS, 0));
    struct Case {
        const char* drawText;
        Words record;
    } cases[] = {
        {"0", {niceness, "-n4", saved.string()}},
        {"1", {niceness, "-n1", saved.string()}},
    };
    for (const Case& c : cases) {
        CArgumentRecorder caseRecorder(dir / ("draw-text-" + std::string(c.drawText)));
        ASSERT_TRUE(store.WriteString("Options", "DrawText", c.drawText));
        UseTemplate(caseRecorder.Program().string() + " -n%R");
        ASSERT_EQ(Launch(true, 3).status, EditorLaunchStatus::Started);
        const auto record = caseRecorder.WaitForRecord();
        ASSERT_TRUE(record);
        EXPECT_EQ(*record, c.record) << "DrawText " << c.drawText;
    }
    EXPECT_EQ(saveCalls, 2);
}

TEST_F(EditorLaunchOnRowTest, NothingStartsWithoutAFileARowOrATemplate)
{
    UseTemplate(recorder.Program().string() + " %F");
    results.Append(std::string_view(""));

    EXPECT_EQ(Launch(false, 0).status, EditorLaunchStatus::NotStarted) << "never saved";
    EXPECT_EQ(saveCalls, 1);
    EXPECT_EQ(Launch(true, 0).status, EditorLaunchStatus::NotStarted) << "empty line";
    EXPECT_EQ(Launch(true, 1).status, EditorLaunchStatus::NotStarted) << "no line at the row";
    EXPECT_EQ(saveCalls, 1) << "tag mode never saves";

    savedPath = (dir / "r.txt").string();
    UseTemplate("  ");
    EXPECT_EQ(Launch(false, 0).status, EditorLaunchStatus::NotStarted)
        << "without a template the file itself must not be run";
}

TEST_F(EditorLaunchOnRowTest, StartsThatFailAreReported)
{
    savedPath = (dir / "r.txt").string();
    struct Case {
        std::string commandTemplate;
        std::string reasonPart;
    } cases[] = {
        {(dir / "no-such-editor").string() + " %F", "no-such-editor: "},
        {"ed '%F", "single quote"},
    };
    for (const Case& c : cases) {
        UseTemplate(c.commandTemplate);
        const EditorLaunchResult launch = Launch(false, 0);
        EXPECT_EQ(launch.status, EditorLaunchStatus::Failed) << c.commandTemplate;
        EXPECT_NE(launch.reason.find(c.reasonPart), std::string::npos) << launch.reason;
    }
}

}  // namespace
}  // namespace quilsk
