#include <gtest/gtest.h>

#include <cerrno>
#include <sys/resource.h>
#include <sys/wait.h>

#include "platform/detached_process.h"
#include "support/argument_recorder.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CArgumentRecorder;
using test::CTempDir;

TEST(DetachedProcessTest, ArgumentsArriveExactlyAsGivenAndNoChildIsLeftToReap)
{
    CTempDir dir;
    CArgumentRecorder recorder(dir.Path());
    const std::vector<std::string> arguments{"a b", "", "$HOME", "*", "'q\"", "a;b|c", "\xE6\x97\xA5\xE6\x9C\xAC"};
    std::vector<std::string> command{recorder.Program().string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ASSERT_EQ(StartDetachedProcess(command, ProcessPriority::Normal).Reason(), "");
    const auto record = recorder.WaitForRecord();
    ASSERT_TRUE(record);
    std::vector<std::string> expected{std::to_string(::getpriority(PRIO_PROCESS, 0))};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(*record, expected);

    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD) << "the program must belong to init, not to the caller";
}

TEST(DetachedProcessTest, LowPriorityRunsAtNiceness19AndProgramsAreFoundInPath)
{
    CTempDir dir;
    CArgumentRecorder recorder(dir.Path());
    ASSERT_EQ(StartDetachedProcess({"sh", recorder.Program().string(), "x"}, ProcessPriority::Low).Reason(), "");
    const auto record = recorder.WaitForRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (std::vector<std::string>{"19", "x"}));
}

TEST(DetachedProcessTest, ProgramsThatCannotStartAreReported)
{
    CTempDir dir;
    test::WriteBytes(dir / "not-executable", "#!/bin/sh\n");
    struct Case {
        std::vector<std::string> command;
        std::string reasonStart;
    } cases[] = {
        {{"/nonexistent-dir/editor", "file"}, "/nonexistent-dir/editor: "},
        {{(dir / "not-executable").string()}, (dir / "not-executable").string() + ": "},
        {{dir.Path().string()}, dir.Path().string() + ": "},
        {{"quilsk-no-such-program-anywhere"}, "quilsk-no-such-program-anywhere: "},
        {{""}, "(no program): "},
        {{}, "(no program): "},
    };
    for (const Case& c : cases) {
        const std::string reason = StartDetachedProcess(c.command, ProcessPriority::Low).Reason();
        EXPECT_TRUE(reason.starts_with(c.reasonStart)) << c.reasonStart << " -> \"" << reason << '"';
        EXPECT_GT(reason.size(), c.reasonStart.size()) << c.reasonStart;
    }
}

}  // namespace
}  // namespace quilsk
