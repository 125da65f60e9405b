#include <gtest/gtest.h>

#include <algorithm>

#include <sys/wait.h>
#include <unistd.h>

#include "settings/keyword_history.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "support/test_support.h"

// Programs that write the one settings file at the same time lose nothing:
// several quilsk-cli loops run side by side, and every value each of them wrote
// is in the file at the end. What is checked is the final content, never timing.

namespace quilsk {
namespace {

// Starts `count` runs of quilsk-cli, one after the other, in a child process;
// `argsOf(i)` gives the arguments of run i. Returns the child's process id.
template <typename ArgsOf>
pid_t StartLoop(int count, ArgsOf argsOf)
{
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (!freopen("/dev/null", "wb", stdout)) _exit(127);
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> args = argsOf(i);
        const pid_t run = fork();
        if (run == 0) {
            std::vector<char*> argv{const_cast<char*>(QUILSK_CLI_PATH)};
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(QUILSK_CLI_PATH, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(run, &status, 0);
        // A search that finds nothing exits with 1; anything else but 0 is a failure.
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) ++failures;
    }
    _exit(failures == 0 ? 0 : 1);
}

bool Succeeded(pid_t loop)
{
    int status = 0;
    waitpid(loop, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SettingsRaceTest, ConcurrentConfigSetsKeepEveryKey)
{
    const test::CTempDir dir;
    const std::string ini = (dir / "quilsk.ini").string();
    constexpr int kKeys = 150;
    const pid_t first = StartLoop(kKeys, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "config", "set", "First", "k" + std::to_string(i), std::to_string(i)};
    });
    const pid_t second = StartLoop(kKeys, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "config", "set", "Second", "k" + std::to_string(i),
                                        std::to_string(-i)};
    });
    ASSERT_TRUE(Succeeded(first));
    ASSERT_TRUE(Succeeded(second));
    const CSettingsStore store(ini);
    int kept = 0;
    for (int i = 0; i < kKeys; ++i) {
        kept += store.GetInt("First", "k" + std::to_string(i), -1000) == i;
        kept += store.GetInt("Second", "k" + std::to_string(i), 1000) == -i;
    }
    EXPECT_EQ(kept, 2 * kKeys);
}

TEST(SettingsRaceTest, GroupAddsBesideSearchesKeepEveryWord)
{
    const test::CTempDir dir;
    const std::string ini = (dir / "quilsk.ini").string();
    constexpr int kWords = 80;
    const pid_t adds = StartLoop(kWords, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "group", "add", "fruit", "word" + std::to_string(i)};
    });
    // A second writer of the same group, so the read-modify-write of a group is raced too.
    const pid_t otherAdds = StartLoop(kWords, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "group", "add", "fruit", "other" + std::to_string(i)};
    });
    const pid_t searches = StartLoop(kWords, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "search", "key" + std::to_string(i)};
    });
    ASSERT_TRUE(Succeeded(adds));
    ASSERT_TRUE(Succeeded(otherAdds));
    ASSERT_TRUE(Succeeded(searches));
    const CSettingsStore store(ini);
    const std::vector<std::string> words = ReadGroupWords(store, "fruit");
    for (int i = 0; i < kWords; ++i) {
        EXPECT_NE(std::find(words.begin(), words.end(), "word" + std::to_string(i)), words.end()) << i;
        EXPECT_NE(std::find(words.begin(), words.end(), "other" + std::to_string(i)), words.end()) << i;
    }
    EXPECT_EQ(words.size(), 2u * kWords);
    EXPECT_EQ(ReadGroupNames(store), std::vector<std::string>{"fruit"});
}

TEST(SettingsRaceTest, ConcurrentSearchesKeepEveryKeywordInTheHistory)
{
    const test::CTempDir dir;
    const std::string ini = (dir / "quilsk.ini").string();
    // Both runs together stay within the 26 entries the file keeps, so every keyword must be there.
    constexpr int kSearches = 13;
    const pid_t first = StartLoop(kSearches, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "search", "first" + std::to_string(i)};
    });
    const pid_t second = StartLoop(kSearches, [&](int i) {
        return std::vector<std::string>{"--ini", ini, "search", "--word2", "second" + std::to_string(i),
                                        "k2-" + std::to_string(i)};
    });
    ASSERT_TRUE(Succeeded(first));
    ASSERT_TRUE(Succeeded(second));
    CKeywordHistory history;
    history.Load(CSettingsStore(ini));
    const std::vector<std::string>& entries = history.Entries(1);
    EXPECT_EQ(entries.size(), 2u * kSearches);
    EXPECT_EQ(history.Entries(2).size(), static_cast<size_t>(kSearches));
    for (int i = 0; i < kSearches; ++i) {
        EXPECT_NE(std::find(entries.begin(), entries.end(), "first" + std::to_string(i)), entries.end()) << i;
        EXPECT_NE(std::find(entries.begin(), entries.end(), "second" + std::to_string(i)), entries.end()) << i;
    }
    // Each run's own keywords stay in the order it searched them, newest first.
    const auto position = [&](const std::string& keyword) { return std::find(entries.begin(), entries.end(), keyword); };
    for (int i = 1; i < kSearches; ++i) {
        EXPECT_LT(position("first" + std::to_string(i)), position("first" + std::to_string(i - 1)));
        EXPECT_LT(position("second" + std::to_string(i)), position("second" + std::to_string(i - 1)));
    }
}

}  // namespace
}  // namespace quilsk
