#include <gtest/gtest.h>

#include "settings/settings_location.h"

namespace quilsk {
namespace {

TEST(SettingsLocationTest, NeverRelativeToTheCurrentDirectory)
{
    struct Case {
        const char* quilskHome;
        const char* xdgConfigHome;
        const char* home;
        const char* passwordHome;
        const char* expected;
    } cases[] = {
        {"/q", "/x", "/h", "/p", "/q"},
        {"", "/x", "/h", "/p", "/x/quilsk"},
        {nullptr, "relative", "/h", "/p", "/h/.config/quilsk"},
        {nullptr, nullptr, "/h", "/p", "/h/.config/quilsk"},
        {nullptr, "", "", "/p", "/p/.config/quilsk"},
        {nullptr, nullptr, nullptr, "/p", "/p/.config/quilsk"},
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsDirectoryFrom(c.quilskHome, c.xdgConfigHome, c.home, c.passwordHome).string(), c.expected)
            << (c.home ? c.home : "(unset)") << " " << (c.passwordHome ? c.passwordHome : "(none)");
}

}  // namespace
}  // namespace quilsk
