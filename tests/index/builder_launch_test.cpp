#include <gtest/gtest.h>

#include "index/builder_launch.h"

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

}  // namespace
}  // namespace quilsk
