#include <algorithm>
#include <csignal>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "index/index_builder.h"
#include "index/index_file_set.h"
#include "index/index_location.h"
#include "platform/cp932.h"
#include "platform/file_lock.h"
#include "support/search_fixture.h"

namespace fs = std::filesystem;

namespace quilsk {
namespace {

using test::Sjis;

// An index of B and C, then A is added: it takes file number 0, so every number
// of the new build names another file than in the old table. Whatever happens
// to a build, a look-up must give the old index's lines, the new one's, or none.
class IndexBuildInterruptionTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        AddFile("d/B.TXT", DictionaryText("b", 40));
        AddFile("d/C.TXT", DictionaryText("c", 60));
        Register(Category::Main, "d", "*.TXT");
        Set("Options", "TagForm", "1");
        Set("Index", "Dir", DirOf("idx"));
        fs::create_directories(dir / "idx");
        ASSERT_EQ(BuildIndex(store).status.Reason(), "");
        oldResults = LookUpAll();
        fs::copy(dir / "idx", dir / "old-idx");

        AddFile("d/A.TXT", DictionaryText("a", 80));
        Set("Index", "Dir", DirOf("new-idx"));
        fs::create_directories(dir / "new-idx");
        ASSERT_EQ(BuildIndex(store).status.Reason(), "");
        newResults = LookUpAll();
        for (const auto& entry : fs::directory_iterator(dir / "new-idx")) sizes.insert(entry.file_size());
        Set("Index", "Dir", DirOf("idx"));
        ASSERT_NE(oldResults, newResults);
        ASSERT_FALSE(oldResults.front().empty());
    }

    // "apple" on every line, and two words of its own per line and file: the
    // data file of "a" is small and written first, those of "q" and "z" larger
    // and written after it.
    static std::string DictionaryText(const std::string& tag, int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const std::string letters{static_cast<char>('a' + i / 26), static_cast<char>('a' + i % 26)};
            text += Sjis("■apple q") + tag + letters + " zebra" + tag + letters + " : " + Sjis("りんご") + "\r\n";
        }
        return text;
    }

    std::vector<std::vector<std::string>> LookUpAll()
    {
        std::vector<std::vector<std::string>> all;
        for (const char* word : {"apple", "qbab", "zebrabab", "qcbz"}) {
            doc.LookUpWord(word, 0);
            all.push_back(Lines());
        }
        return all;
    }

    // The index directory as it was after the old build.
    void RestoreOldIndex()
    {
        fs::remove_all(dir / "idx");
        fs::copy(dir / "old-idx", dir / "idx");
    }

    void ExpectOldNewOrNothing(const std::string& when)
    {
        const auto now = LookUpAll();
        const bool nothing = std::all_of(now.begin(), now.end(), [](const auto& lines) { return lines.empty(); });
        EXPECT_TRUE(now == oldResults || now == newResults || nothing) << when << ": " << ::testing::PrintToString(now);
        seenOld += now == oldResults;
    }

    std::vector<std::string> Temporaries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir / "idx"))
            if (IsIndexTemporary(entry.path().filename().string())) names.push_back(entry.path().filename().string());
        return names;
    }

    // Runs a build in a child process prepared by `prepare`; returns its wait status.
    int BuildInChild(const std::function<void()>& prepare,
                     const std::function<void(const IndexBuildProgress&)>& progress = {})
    {
        const pid_t pid = fork();
        if (pid == 0) {
            prepare();
            _exit(BuildIndex(store, progress).status ? 0 : 3);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }

    std::vector<std::vector<std::string>> oldResults;
    std::vector<std::vector<std::string>> newResults;
    std::set<std::uintmax_t> sizes;  // of the new build's files
    int seenOld = 0;
};

// The file-size limit kills the build (SIGXFSZ) at its first write past the
// limit: with one limit below each file size, it dies in every file it writes.
TEST_F(IndexBuildInterruptionTest, KilledWhileWritingAnyFile)
{
    int killed = 0;
    for (const std::uintmax_t size : sizes) {
        RestoreOldIndex();
        const rlim_t limit = size - 1;
        const int status = BuildInChild([limit] {
            signal(SIGXFSZ, SIG_DFL);
            const rlimit fileSize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fileSize);
        });
        killed += WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
        ExpectOldNewOrNothing("limit " + std::to_string(limit));
    }
    EXPECT_GT(killed, 3);
    EXPECT_GT(seenOld, 0) << "a build killed before it replaced anything leaves the old index";
}

// A kill before every step that changes the index directory: each file staged,
// the table emptied, each rename or removal, the new table.
TEST_F(IndexBuildInterruptionTest, KilledBeforeAnyStep)
{
    int step = 1;
    for (;; ++step) {
        RestoreOldIndex();
        int calls = 0;
        const int status = BuildInChild([] {}, [&](const IndexBuildProgress&) {
            if (++calls == step) raise(SIGKILL);
        });
        if (WIFEXITED(status)) break;
        ASSERT_EQ(WTERMSIG(status), SIGKILL);
        ExpectOldNewOrNothing("killed at step " + std::to_string(step));
    }
    EXPECT_EQ(LookUpAll(), newResults) << "the build that was not killed";

    RestoreOldIndex();
    std::set<IndexBuildProgress::Step> kinds;
    int steps = 0;
    ASSERT_EQ(BuildIndex(store, [&](const IndexBuildProgress& p) { kinds.insert(p.step), ++steps; }).status.Reason(), "");
    EXPECT_EQ(steps, step - 1) << "a kill before every step";
    EXPECT_EQ(kinds.size(), 3u) << "in every phase";
}

TEST_F(IndexBuildInterruptionTest, TheNextBuildRemovesTheTemporariesOfOneThatDied)
{
    const std::uintmax_t largest = *sizes.rbegin();
    BuildInChild([largest] {
        signal(SIGXFSZ, SIG_DFL);
        const rlimit fileSize{largest - 1, largest - 1};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    });
    ASSERT_FALSE(Temporaries().empty()) << "the killed build left its half-written file";
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});
    EXPECT_EQ(LookUpAll(), newResults);
}

// A build that fails says why and leaves the old index as it was, without
// temporaries.
TEST_F(IndexBuildInterruptionTest, FailuresLeaveTheOldIndex)
{
    // A write that fails (EFBIG here; a full disk alike).
    const int status = BuildInChild([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{64, 64};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << status;
    EXPECT_EQ(LookUpAll(), oldResults);
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});

    // A dictionary that vanishes between the listing and its reading.
    const IndexBuildResult vanished = BuildIndex(store, [&](const IndexBuildProgress& p) {
        if (p.step == IndexBuildProgress::Step::Reading && p.path.ends_with("/B.TXT")) fs::remove(dir / "d" / "B.TXT");
    });
    EXPECT_NE(vanished.status.Reason().find("B.TXT"), std::string::npos) << vanished.status.Reason();
    AddFile("d/B.TXT", DictionaryText("b", 40));
    EXPECT_EQ(LookUpAll(), oldResults);

    // A second build while one runs.
    const int lock = open((dir / "idx").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    EXPECT_NE(BuildIndex(store).status.Reason().find("another index build is running"), std::string::npos);
    close(lock);
    EXPECT_EQ(LookUpAll(), oldResults);
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});
}

// A search reads the data file and the table of one build: while a build
// replaces them it waits, and past its wait says so instead of reading a mix.
TEST_F(IndexBuildInterruptionTest, SearchesDuringTheReplacePhaseSayTheIndexIsBeingRebuilt)
{
    const std::string rebuilding = Cp932Literal("インデックスを作り直しているところです");
    store.SetLockTimeout(std::chrono::milliseconds(0));
    int replacing = 0;
    const IndexBuildResult built = BuildIndex(store, [&](const IndexBuildProgress& p) {
        if (p.step != IndexBuildProgress::Step::Replacing) return;
        ++replacing;
        host.messages.clear();
        for (const auto& lines : LookUpAll()) EXPECT_EQ(lines, std::vector<std::string>{}) << p.path;
        ASSERT_EQ(host.messages.size(), 4u) << p.path;
        EXPECT_NE(host.messages.front().find(rebuilding), std::string::npos) << p.path;
    });
    ASSERT_EQ(built.status.Reason(), "");
    EXPECT_GT(replacing, 4) << "the table emptied, the renames, the new table";
    host.messages.clear();
    EXPECT_EQ(LookUpAll(), newResults);
    EXPECT_EQ(host.messages, std::vector<std::string>{});

    // A build in another program holds the lock the same way.
    CFileLock build;
    ASSERT_EQ(build.Acquire(dir / "idx" / kReplaceLockName, std::chrono::milliseconds(0)).Reason(), "");
    doc.LookUpWord("apple", 0);
    EXPECT_EQ(Lines(), std::vector<std::string>{});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages.front().find(rebuilding), std::string::npos);
}

// A build does not replace the files while a search opens them, and fails
// rather than wait for ever, leaving the old index whole.
TEST_F(IndexBuildInterruptionTest, ABuildLeavesTheIndexToASearchThatOpensIt)
{
    const std::string oldTable = test::ReadBytes(dir / "idx" / kFileTableName);
    CFileLock search;
    ASSERT_EQ(search.Acquire(dir / "idx" / kReplaceLockName, std::chrono::milliseconds(0), LockKind::Shared).Reason(), "");
    store.SetLockTimeout(std::chrono::milliseconds(0));
    const IndexBuildResult built = BuildIndex(store);
    EXPECT_NE(built.status.Reason().find("searches kept the index"), std::string::npos) << built.status.Reason();
    EXPECT_EQ(test::ReadBytes(dir / "idx" / kFileTableName), oldTable);
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});
    search.Release();
    EXPECT_EQ(LookUpAll(), oldResults);
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
    EXPECT_EQ(LookUpAll(), newResults);
}

TEST(IndexBuildLimitsTest, MoreFilesThanFileNumbersIsAnError)
{
    test::CTempDir dir;
    for (size_t i = 0; i <= kMaxIndexedFiles; ++i) test::WriteBytes(dir / "d" / ("F" + std::to_string(i)), "");
    fs::create_directories(dir / "idx");
    const std::string ini = (dir / "quilsk.ini").string();
    ASSERT_EQ(test::RunCli({"--ini", ini, "register", "main", (dir / "d").string(), "F*"}).exitCode, 0);
    ASSERT_EQ(test::RunCli({"--ini", ini, "config", "set", "Index", "Dir", (dir / "idx").string() + "/"}).exitCode, 0);
    const auto r = test::RunCli({"--ini", ini, "index", "build"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("32768 dictionary files"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(dir / "idx"));
}

}  // namespace
}  // namespace quilsk
