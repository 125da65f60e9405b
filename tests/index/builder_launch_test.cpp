#include <gtest/gtest.h>

#include "index/builder_launch.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

namespace fs = std::filesystem;

TEST(BuilderLaunchTest, BuilderGetsTheAbsoluteSettingsPathAsOneArgument)
{
    const std::string cwd = fs::current_path().string();
    struct Case {
        fs::path settingsFile;
        std::string argument;
    } cases[] = {
        {"/home/me/.config/quilsk/quilsk.ini", "-i=/home/me/.config/quilsk/quilsk.ini"},
        {"/home/my name/\"q\" $x/quilsk.ini", "-i=/home/my name/\"q\" $x/quilsk.ini"},
        {"conf/./quilsk.ini", "-i=" + cwd + "/conf/quilsk.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IndexBuilderCommand("/opt/quilsk/bin", c.settingsFile),
                  (std::vector<std::string>{"/opt/quilsk/bin/idxmakr", c.argument}))
            << c.settingsFile;
}

TEST(BuilderLaunchTest, AMissingBuilderIsReportedToTheCaller)
{
    const fs::path builder = fs::read_symlink("/proc/self/exe").parent_path() / "idxmakr";
    if (fs::exists(builder)) GTEST_SKIP() << "a builder is installed next to the tests";
    const test::CTempDir dir;
    const std::string reason = LaunchIndexBuilder(CSettingsStore(dir / "quilsk.ini"));
    EXPECT_TRUE(reason.starts_with(builder.string() + ": ")) << reason;
}

}  // namespace
}  // namespace quilsk
