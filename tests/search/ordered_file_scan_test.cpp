#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "search/ordered_file_scan.h"

namespace quilsk {
namespace {

// What the caller's thread saw, one entry a step: "start 0", "0:line", "end 0".
struct Recording {
    std::vector<std::string> steps;
    int waits = 0;
};

// Each file in one part; `bytes` the files' sizes, if known.
void ScanWholeFiles(size_t files, unsigned threads, OrderedScanSteps& steps, const std::vector<std::uint64_t>& bytes = {})
{
    steps.parts.clear();
    for (size_t i = 0; i < files; ++i) steps.parts.push_back({i, bytes.empty() ? 0 : bytes[i]});
    ScanFilesInOrder(threads, steps);
}

OrderedScanSteps RecordingSteps(Recording& seen)
{
    OrderedScanSteps steps;
    // File i has i + 1 lines, so that later files take longer and finish out of order.
    steps.scanPart = [](size_t i, CScanSink& sink) {
        for (size_t n = 0; n <= i * 50; ++n)
            if (n % 50 == 0) sink.Hit("f" + std::to_string(i) + "l" + std::to_string(n / 50), static_cast<long>(n));
        return RangeScanEnd{};
    };
    steps.fileStarted = [&](size_t i) { seen.steps.push_back("start " + std::to_string(i)); };
    steps.hit = [&](size_t i, std::string_view line, long) {
        seen.steps.push_back(std::to_string(i) + ":" + std::string(line));
        return true;
    };
    steps.fileFinished = [&](size_t i) {
        seen.steps.push_back("end " + std::to_string(i));
        return true;
    };
    steps.keepWaiting = [&] { return ++seen.waits, true; };
    return steps;
}

std::vector<std::string> InOrder(size_t files)
{
    std::vector<std::string> steps;
    for (size_t i = 0; i < files; ++i) {
        steps.push_back("start " + std::to_string(i));
        for (size_t n = 0; n <= i; ++n) steps.push_back(std::to_string(i) + ":f" + std::to_string(i) + "l" + std::to_string(n));
        steps.push_back("end " + std::to_string(i));
    }
    return steps;
}

// Whatever order the workers take the files in (the largest first when the
// sizes are known), the hits come in the order of the files.
TEST(OrderedFileScanTest, HitsComeInTheOrderOfTheFilesWhateverTheThreads)
{
    for (unsigned threads : {1u, 2u, 3u, 8u})
        for (size_t files : {0u, 1u, 2u, 17u, 100u})
            for (bool sized : {false, true}) {
                Recording seen;
                OrderedScanSteps steps = RecordingSteps(seen);
                std::vector<size_t> taken;
                std::mutex takenMutex;
                const auto scan = steps.scanPart;
                steps.scanPart = [&](size_t i, CScanSink& sink) {
                    {
                        const std::lock_guard lock(takenMutex);
                        taken.push_back(i);
                    }
                    return scan(i, sink);
                };
                std::vector<std::uint64_t> bytes;
                if (sized)
                    for (size_t i = 0; i < files; ++i) bytes.push_back((i * 37) % 11);
                ScanWholeFiles(files, threads, steps, bytes);
                const std::string what = std::to_string(threads) + " threads, " + std::to_string(files) + " files";
                EXPECT_EQ(seen.steps, InOrder(files)) << what;
                std::sort(taken.begin(), taken.end());
                EXPECT_EQ(taken.size(), files) << what;
                EXPECT_TRUE(std::adjacent_find(taken.begin(), taken.end()) == taken.end()) << what << ": a file twice";
            }
}

// With one worker and the sizes known, the largest file within reach goes first.
TEST(OrderedFileScanTest, TheLargestFileWithinReachIsTakenFirst)
{
    Recording seen;
    OrderedScanSteps steps = RecordingSteps(seen);
    std::vector<size_t> taken;
    steps.scanPart = [&](size_t i, CScanSink&) {
        taken.push_back(i);
        return RangeScanEnd{};
    };
    steps.holdLines = false;
    ScanWholeFiles(6, 1, steps, {1, 5, 2, 9, 9, 3});
    EXPECT_EQ(taken, (std::vector<size_t>{3, 4, 1, 5, 2, 0}));
}

// The file whose hit asked the stop is still finished (its window refreshed).
TEST(OrderedFileScanTest, AStopEndsTheScanAtTheStepThatAskedIt)
{
    const std::vector<std::string> all = InOrder(5);
    const auto upTo = [&](const char* step) {
        return std::vector<std::string>(all.begin(), std::find(all.begin(), all.end(), step) + 1);
    };
    std::vector<std::string> stoppedAtAHit = upTo("2:f2l0");
    stoppedAtAHit.push_back("end 2");
    struct Case {
        const char* stopAt;  // the step whose callback answers false
        std::vector<std::string> expected;
    } cases[] = {
        {"2:f2l0", stoppedAtAHit},
        {"end 1", upTo("end 1")},
        {"end 4", all},
    };
    for (const Case& c : cases) {
        Recording seen;
        OrderedScanSteps steps = RecordingSteps(seen);
        const auto hit = steps.hit;
        steps.hit = [&](size_t i, std::string_view line, long n) {
            return hit(i, line, n) && seen.steps.back() != c.stopAt;
        };
        const auto finished = steps.fileFinished;
        steps.fileFinished = [&](size_t i) { return finished(i) && seen.steps.back() != c.stopAt; };
        ScanWholeFiles(5, 3, steps);
        EXPECT_EQ(seen.steps, c.expected) << c.stopAt;
    }
}

// A stop asked while the caller waits for a worker ends that worker's file
// after its current block, whose hits are still handed on.
TEST(OrderedFileScanTest, AStopWhileWaitingKeepsTheHitsScannedBeforeIt)
{
    Recording seen;
    OrderedScanSteps steps = RecordingSteps(seen);
    steps.scanPart = [](size_t i, CScanSink& sink) {
        sink.Hit("before the stop " + std::to_string(i), 1);
        while (sink.KeepGoing()) std::this_thread::yield();
        // A block scan asks between blocks only: the block under way ends.
        sink.Hit("same block " + std::to_string(i), 2);
        return RangeScanEnd{};
    };
    steps.keepWaiting = [&] { return ++seen.waits, false; };
    ScanWholeFiles(4, 2, steps);
    EXPECT_EQ(seen.steps, (std::vector<std::string>{"start 0", "0:before the stop 0", "0:same block 0", "end 0"}));
    EXPECT_GE(seen.waits, 1);
}

TEST(OrderedFileScanTest, WhatAWorkerThrowsReachesTheCallerAfterTheFilesBefore)
{
    Recording seen;
    OrderedScanSteps steps = RecordingSteps(seen);
    const auto scan = steps.scanPart;
    steps.scanPart = [&](size_t i, CScanSink& sink) {
        if (i == 2) throw std::runtime_error("unreadable");
        return scan(i, sink);
    };
    EXPECT_THROW(ScanWholeFiles(6, 2, steps), std::runtime_error);
    const std::vector<std::string> firstTwo = InOrder(2);
    std::vector<std::string> expected = firstTwo;
    expected.push_back("start 2");
    EXPECT_EQ(seen.steps, expected);
}

// Held hits fill several pieces of memory, a line longer than a piece among
// them, and come back byte for byte with their numbers.
TEST(OrderedFileScanTest, ManyAndLongHeldLinesComeBackWhole)
{
    const auto lineOf = [](size_t file, size_t n) {
        if (n == 777) return std::string(300 << 10, static_cast<char>('a' + file));
        return std::to_string(file) + ":" + std::string(n % 97, static_cast<char>('0' + n % 10));
    };
    constexpr size_t kLines = 20000;
    OrderedScanSteps steps;
    steps.scanPart = [&](size_t i, CScanSink& sink) {
        for (size_t n = 0; n < kLines; ++n) sink.Hit(lineOf(i, n), static_cast<long>(n + 1));
        return RangeScanEnd{};
    };
    size_t handed = 0;
    size_t wrong = 0;
    steps.fileStarted = [](size_t) {};
    steps.hit = [&](size_t i, std::string_view line, long number) {
        const size_t n = handed++ % kLines;
        wrong += line != lineOf(i, n) || number != static_cast<long>(n + 1);
        return true;
    };
    steps.fileFinished = [](size_t) { return true; };
    steps.keepWaiting = [] { return true; };
    ScanWholeFiles(5, 2, steps);
    EXPECT_EQ(handed, 5 * kLines);
    EXPECT_EQ(wrong, 0u);
}

// Counting only: each hit comes as an empty line numbered 0, none is held.
TEST(OrderedFileScanTest, HitsThatAreOnlyCountedComeWithoutTheirLines)
{
    Recording seen;
    OrderedScanSteps steps = RecordingSteps(seen);
    steps.holdLines = false;
    std::vector<long> numbers;
    steps.hit = [&](size_t i, std::string_view line, long n) {
        seen.steps.push_back(std::to_string(i) + ":" + std::string(line));
        numbers.push_back(n);
        return true;
    };
    ScanWholeFiles(3, 2, steps);
    EXPECT_EQ(seen.steps, (std::vector<std::string>{"start 0", "0:", "end 0", "start 1", "1:", "1:", "end 1", "start 2",
                                                    "2:", "2:", "2:", "end 2"}));
    EXPECT_EQ(numbers, std::vector<long>(6, 0));
}

// A file in several parts is started and finished once; each part's lines are
// numbered on from the reads of the parts before, and the parts after the one
// where the file's text ended are not handed on. A stop in a middle part
// finishes its file there.
TEST(OrderedFileScanTest, PartsOfAFileAreHandedOnAsOneFile)
{
    // File 0 in three parts, the second ending the text; file 1 in two.
    const std::vector<ScanPart> parts = {{0, 9}, {0, 9}, {0, 9}, {1, 9}, {1, 9}};
    struct Case {
        const char* stopAt;  // the hit whose callback answers false, or none
        std::vector<std::string> expected;
    } cases[] = {
        {"", {"start 0", "0:p0 1", "0:p0 4", "0:p1 6", "end 0", "start 1", "1:p3 1", "1:p3 4", "1:p4 6", "end 1"}},
        {"0:p0 4", {"start 0", "0:p0 1", "0:p0 4", "end 0"}},
        {"1:p3 4", {"start 0", "0:p0 1", "0:p0 4", "0:p1 6", "end 0", "start 1", "1:p3 1", "1:p3 4", "end 1"}},
    };
    for (const Case& c : cases)
        for (unsigned threads : {2u, 4u}) {
            Recording seen;
            OrderedScanSteps steps = RecordingSteps(seen);
            steps.parts = parts;
            steps.scanPart = [](size_t i, CScanSink& sink) {
                const std::string name = "p" + std::to_string(i);
                sink.Hit(name, 1);
                if (i != 1 && i != 4) sink.Hit(name, 4);
                return RangeScanEnd{5, i == 1};
            };
            steps.hit = [&](size_t i, std::string_view line, long n) {
                seen.steps.push_back(std::to_string(i) + ":" + std::string(line) + " " + std::to_string(n));
                return seen.steps.back() != c.stopAt;
            };
            ScanFilesInOrder(threads, steps);
            EXPECT_EQ(seen.steps, c.expected) << "stop at \"" << c.stopAt << "\", " << threads << " threads";
        }
}

TEST(OrderedFileScanTest, ThreadCount)
{
    EXPECT_EQ(ScanThreadCount(3, 10), 3u);
    EXPECT_EQ(ScanThreadCount(3, 2), 2u) << "never more threads than parts";
    EXPECT_EQ(ScanThreadCount(3, 0), 1u);
    EXPECT_GE(ScanThreadCount(0, 100), 1u) << "one a processor";
}

}  // namespace
}  // namespace quilsk
