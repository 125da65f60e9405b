#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

class SearchDriverTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        AddFile("dict/zelk5.a", Sjis("■apple : りんご\r\n* I ate an apple. : りんごを食べた。\r\n■apply : 適用する\r\n"));
        AddFile("dict/zelk5.b", Sjis("■banana : バナナ\r\n●go bananas : 夢中になる\r\napple pie : アップルパイ"));
        AddFile("dict/other.txt", "not part of the main mask\r\n");
        AddFile("hoi/zelk-hoi.txt", Sjis("■crab apple : 野生りんご\r\n"));
        AddFile("bil/zelk-bil.txt", Sjis("* An apple a day. : 一日一個のりんご。\r\n"));
        Register(Category::Main, "dict", "ZELK5*.*");
        Register(Category::Supplement, "hoi", "ZELK-HOI.*");
        Register(Category::Corpus, "bil", "ZELK-BIL*.*");
    }

    // As spelt on disk, although the masks are upper case.
    std::string Path(const std::string& relative) const { return DirOf("") + relative; }
};

TEST_F(SearchDriverTest, ScansEveryPassInCategoryAndFileOrder)
{
    SetKeywords("apple");
    EXPECT_EQ(Search(), (std::vector<std::string>{
                            Sjis("■apple : りんご\r\n"), Sjis("* I ate an apple. : りんごを食べた。\r\n"),
                            Sjis("apple pie : アップルパイ\r\n"), Sjis("■crab apple : 野生りんご\r\n"),
                            Sjis("* An apple a day. : 一日一個のりんご。\r\n")}));
    EXPECT_EQ(host.scannedFiles, (std::vector<std::string>{Path("dict/zelk5.a"), Path("dict/zelk5.b"),
                                                           Path("hoi/zelk-hoi.txt"), Path("bil/zelk-bil.txt")}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Results().GetLongestLength(), static_cast<int>(Sjis("* An apple a day. : 一日一個のりんご。\r\n").size()));
    EXPECT_EQ(host.captions.back(), "Zelkle1") << "the title is restored";
    EXPECT_EQ(host.captions[0], Sjis("Zelkle1 <<検索中 ") + Path("dict/zelk5.a") + " >>");
    EXPECT_FALSE(app.busy);
    EXPECT_GE(host.beeps, 1);
}

// A file large enough to be scanned in ranges at once gives, on several
// threads, the lines and numbers of the scan on one thread, is reported once,
// and still ends at a 0x1A in its middle.
TEST_F(SearchDriverTest, ALargeFileScannedInRangesGivesTheLinesOfOneThread)
{
    std::string big;
    for (int i = 0; big.size() < (9 << 20); ++i) {
        if (i == 150000) big += "\x1a";
        big += (i % 997 == 0 ? "an apple " : "a pear ") + std::to_string(i) + std::string(40, 'x') + "\r\n";
    }
    AddFile("bil/zelk-bil.txt", big);
    SetKeywords("apple");
    request.tagForm = true;
    request.scanThreads = 1;
    const std::vector<std::string> oneThread = Search();
    const std::vector<std::string> reported = host.scannedFiles;
    ASSERT_EQ(oneThread.size(), 4u + 151u) << "the small files' hits and those before the 0x1A";
    for (unsigned threads : {2u, 3u}) {
        host.scannedFiles.clear();
        request.scanThreads = threads;
        EXPECT_EQ(Search(), oneThread) << threads;
        EXPECT_EQ(host.scannedFiles, reported) << threads;
    }
}

TEST_F(SearchDriverTest, FiltersApplyToTheMainPassOnly)
{
    SetKeywords("apple");
    request.skipExamples = true;
    request.headwordOnly = true;
    EXPECT_EQ(Search(), (std::vector<std::string>{Sjis("■apple : りんご\r\n"), Sjis("apple pie : アップルパイ\r\n"),
                                                  Sjis("■crab apple : 野生りんご\r\n"),
                                                  Sjis("* An apple a day. : 一日一個のりんご。\r\n")}));
    SetKeywords(Sjis("りんご"));
    EXPECT_EQ(Search(), std::vector<std::string>{Sjis("* An apple a day. : 一日一個のりんご。\r\n")})
        << "a keyword after \" : \" hits only where the headword cut does not apply";
}

TEST_F(SearchDriverTest, TagFormCarriesThePathAndLineNumber)
{
    SetKeywords("apply");
    request.tagForm = true;
    EXPECT_EQ(Search(), std::vector<std::string>{Path("dict/zelk5.a") + "(      3) " + Sjis("■apply : 適用する\r\n")});
    EXPECT_TRUE(doc.LastSearchTagForm());
}

TEST_F(SearchDriverTest, RefusalsChangeNothing)
{
    SetKeywords("apple");
    Search();
    const auto before = Lines();
    app.busy = true;
    Search();
    EXPECT_EQ(host.messages.back(), Sjis("現在別のタスクを実行中です。もうしばらくお待ちください。"));
    app.busy = false;

    SetKeywords("nogroup");
    request.keyword1IsWord = false;
    Search();
    EXPECT_EQ(host.messages.back(), Sjis("キーワードの初期化に失敗しました(;_;)"));
    EXPECT_EQ(Lines(), before);
    EXPECT_EQ(store.GetString("History", "Keyword1A", ""), "apple") << "a refused search records nothing";
}

TEST_F(SearchDriverTest, GroupsExpandIntoTheirWords)
{
    Set("WordGroup", "fruit", "banana|");
    SetKeywords("fruit");
    request.keyword1IsWord = false;
    EXPECT_EQ(Search(), (std::vector<std::string>{Sjis("■banana : バナナ\r\n"), Sjis("●go bananas : 夢中になる\r\n")}));
    EXPECT_TRUE(app.history.Entries(1).empty()) << "group names are not recorded";
}

TEST_F(SearchDriverTest, AnEmptyMainDirectoryEmptiesTheWholeMainPass)
{
    Set(InfoOf(Category::Main).section, "Dir", "");
    SetKeywords("apple");
    EXPECT_EQ(Search(), std::vector<std::string>{Sjis("* An apple a day. : 一日一個のりんご。\r\n")});
}

TEST_F(SearchDriverTest, SpareCategoriesAreNeverScanned)
{
    Register(Category::Spare1, "dict", "*.*");
    SetKeywords("part of the main");
    EXPECT_TRUE(Search().empty());
    Register(Category::Others, "dict", "OTHER.TXT");
    EXPECT_EQ(Search(), std::vector<std::string>{"not part of the main mask\r\n"});
}

TEST_F(SearchDriverTest, StopEndsTheScanButFinishingStepsStillRun)
{
    SetKeywords("a");
    request.checkDuplicates = true;
    request.sortResults = true;
    host.onPump = [&] { app.stopRequested = true; };
    const auto lines = Search();
    EXPECT_EQ(lines, (std::vector<std::string>{Sjis("■apple : りんご\r\n"), Sjis("■apply : 適用する\r\n"),
                                               Sjis("* I ate an apple. : りんごを食べた。\r\n")}))
        << "the block being read is finished, sorted with the rest";
    EXPECT_EQ(host.scannedFiles.size(), 1u);
    EXPECT_TRUE(doc.IsSorted());
    EXPECT_EQ(host.captions.back(), "Zelkle1");
    EXPECT_FALSE(app.busy);
    EXPECT_FALSE(app.stopRequested);
}

TEST_F(SearchDriverTest, ViewsRefreshEveryHitsHitsAndAfterEveryFile)
{
    std::string many;
    for (int i = 0; i < 10; ++i) many += "hit\r\nmiss\r\n";
    AddFile("dict/zelk5.c", many);
    SetKeywords("hit");
    request.hitsPerRefresh = 3;
    Search();
    // Start, 3 refreshes for 10 hits (at 3, 6, 9), one after each of the 5 files, the end.
    EXPECT_EQ(host.refreshes, 1 + 3 + 5 + 1);
}

TEST_F(SearchDriverTest, ASecondSearchFromAPumpIsRefused)
{
    SetKeywords("apple");
    test::CTestHost otherHost;
    CZelklexDoc other(app, store, otherHost, "Zelkle2");
    host.onPump = [&] {
        other.Search(request);
        host.onPump = nullptr;
    };
    const auto lines = Search();
    EXPECT_EQ(lines.size(), 5u) << "the first search runs undisturbed";
    EXPECT_EQ(otherHost.messages, std::vector<std::string>{Sjis("現在別のタスクを実行中です。もうしばらくお待ちください。")});
}

TEST_F(SearchDriverTest, DuplicateCheckAndSortAtTheEnd)
{
    AddFile("dict/zelk5.d", Sjis("APPLE : りんご\r\n* apple : りんご\r\n■apple : りんご\r\n"));
    SetKeywords("apple");
    request.ignoreCase = true;
    request.checkDuplicates = true;
    request.sortResults = true;
    EXPECT_EQ(Search(), (std::vector<std::string>{
                            Sjis("■apple : りんご\r\n"), Sjis("■crab apple : 野生りんご\r\n"),
                            Sjis("* I ate an apple. : りんごを食べた。\r\n"), Sjis("* apple : りんご\r\n"),
                            Sjis("* An apple a day. : 一日一個のりんご。\r\n"), Sjis("apple pie : アップルパイ\r\n"),
                            Sjis("APPLE : りんご\r\n")}))
        << "the second ■apple line is a duplicate of the first";
}

// Counting only holds no line, unless the duplicate check needs them; either
// way the count is the number of lines a full search keeps, on one thread or
// several.
TEST_F(SearchDriverTest, CountingOnlyGivesTheCountOfTheFullSearch)
{
    AddFile("dict/zelk5.d", Sjis("APPLE : りんご\r\n■apple : りんご\r\n"));
    AddFile("dict/zelk5.e", Sjis("apple tree : りんごの木\r\nAPPLE : りんご\r\n"));
    SetKeywords("apple");
    request.ignoreCase = true;
    request.sortResults = true;
    for (const auto& [checkDuplicates, threads] : {std::pair{false, 1u}, {true, 1u}, {false, 3u}, {true, 3u}}) {
        request.checkDuplicates = checkDuplicates;
        request.scanThreads = threads;
        doc.SetCountOnly(false);
        const size_t full = Search().size();
        EXPECT_EQ(doc.HitCount(), full);
        doc.SetCountOnly(true);
        Search();
        EXPECT_EQ(doc.HitCount(), full) << "duplicate check " << checkDuplicates;
        EXPECT_EQ(doc.Results().Count(), checkDuplicates ? full : 0u) << "duplicate check " << checkDuplicates;
        doc.DeleteResults();
        EXPECT_EQ(doc.HitCount(), 0u);
    }
}

// Lines passed on as they are found are the lines a full search keeps, in its
// order, on one thread or several; the duplicate check and the sort need the
// whole list, so then the lines are kept and none is passed on. A receiver that
// refuses a line ends the search there.
TEST_F(SearchDriverTest, LinesPassedOnAreTheLinesOfTheFullSearch)
{
    AddFile("dict/zelk5.d", Sjis("APPLE : りんご\r\n■apple : りんご\r\n"));
    AddFile("dict/zelk5.e", Sjis("apple tree : りんごの木\r\nAPPLE : りんご\r\n"));
    SetKeywords("apple");
    request.ignoreCase = true;
    struct Case {
        bool tagForm, checkDuplicates, sort;
        unsigned threads;
    } cases[] = {{false, false, false, 1}, {true, false, false, 1}, {false, false, false, 3}, {true, false, false, 3},
                 {false, true, false, 1},  {false, false, true, 3}};
    for (const Case& c : cases) {
        request.tagForm = c.tagForm;
        request.checkDuplicates = c.checkDuplicates;
        request.sortResults = c.sort;
        request.scanThreads = c.threads;
        const std::vector<std::string> full = Search();
        std::vector<std::string> passed;
        doc.PassLinesOn([&](std::string_view line) {
            passed.emplace_back(line);
            return true;
        });
        const std::vector<std::string> kept = Search();
        const bool listNeeded = c.checkDuplicates || c.sort;
        EXPECT_EQ(listNeeded ? kept : passed, full) << c.tagForm << c.checkDuplicates << c.sort << c.threads;
        EXPECT_TRUE(listNeeded ? passed.empty() : kept.empty()) << c.tagForm << c.checkDuplicates << c.sort;
        EXPECT_EQ(doc.HitCount(), full.size());

        passed.clear();
        doc.PassLinesOn([&](std::string_view line) {
            passed.emplace_back(line);
            return passed.size() < 2;
        });
        Search();
        if (!listNeeded) {
            EXPECT_EQ(passed, std::vector<std::string>(full.begin(), full.begin() + 2)) << c.threads;
            EXPECT_TRUE(doc.LastSearchStopped()) << c.threads;
        }
        doc.PassLinesOn(nullptr);
    }
}

// Katakana, kana and symbols whose second byte lies in 0x41-0x5A ("A"-"Z"):
// ignoring case must find them exactly as respecting case does.
TEST_F(SearchDriverTest, IgnoringCaseFindsTwoByteCharactersWhoseSecondByteLooksLikeACapital)
{
    AddFile("dict/zelk5.k", Sjis("■apple {名} : アップル\r\n■coffee : コーヒー\r\n■ウ : 雨\r\nそして、 : and\r\n"));
    Set("WordGroup", "kana", Sjis("アップル|コーヒー|"));
    struct Case {
        std::string keyword;
        bool isGroup;
        size_t lines;
    } cases[] = {{Sjis("アップル"), false, 2}, {Sjis("コーヒー"), false, 1}, {Sjis("ウ"), false, 1},
                 {Sjis("、"), false, 1},       {"kana", true, 3}};
    for (const Case& c : cases) {
        SetKeywords(c.keyword);
        request.keyword1IsWord = !c.isGroup;
        request.ignoreCase = false;
        const std::vector<std::string> respected = Search();
        request.ignoreCase = true;
        EXPECT_EQ(Search(), respected) << c.keyword;
        EXPECT_EQ(respected.size(), c.lines) << c.keyword;
    }
}

}  // namespace
}  // namespace quilsk
