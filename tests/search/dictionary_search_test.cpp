#include <tuple>

#include "index/index_builder.h"
#include "platform/char_case.h"
#include "search/dictionary_search.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

// Records what a dictionary search hands its sink, without a document.
class CRecordingSink : public CSearchSink {
public:
    void Hit(std::string_view path, long lineNumber, std::string_view line) override
    {
        hits.emplace_back(std::string(path), lineNumber, std::string(line));
    }
    void Refresh() override { ++refreshes; }
    void Finish() override { ++finishes; }
    bool StopRequested() const override { return stopAfter >= 0 && static_cast<int>(hits.size()) >= stopAfter; }
    void IndexSearchStarted() override { ++indexSearches; }
    void FileScanStarted(const ScanProgress& progress) override { scannedFiles.emplace_back(progress.path); }

    std::vector<std::tuple<std::string, long, std::string>> hits;
    std::vector<std::string> scannedFiles;
    int refreshes = 0;
    int finishes = 0;
    int indexSearches = 0;
    int stopAfter = -1;
};

class DictionarySearchTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        AddFile("d/ZELK5.A", Sjis("■apple : りんご\r\n* an apple : 例\r\n■apricot : あんず\r\n"));
        AddFile("d/ZELK5.B", Sjis("■banana : バナナ\r\n■apple pie : アップルパイ\r\n"));
        Register(Category::Main, "d", "ZELK5*.*");
        Set("Index", "Dir", DirOf("idx"));
        std::filesystem::create_directories(dir / "idx");
        ASSERT_EQ(BuildIndex(store).status.Reason(), "");
        request.keyword1 = "apple";
        request.keyword1WholeWord = true;
        request.headwordOnly = true;
        request.indexDir = DirOf("idx");
        request.tagForm = true;  // the scan counts lines only for tag-form results
    }

    CRecordingSink Run(bool useIndex)
    {
        request.useIndex = useIndex;
        DeriveRequestValues(request);
        CRecordingSink sink;
        CDictionarySearch search(request, store, host, sink);
        EXPECT_TRUE(search.PrepareKeywords());
        search.Run();
        return sink;
    }
};

TEST_F(DictionarySearchTest, TheScanAndTheIndexHandTheSameHitsToTheSink)
{
    const CRecordingSink scanned = Run(false);
    const CRecordingSink indexed = Run(true);
    const std::string a = DirOf("d") + "ZELK5.A";
    const std::string b = DirOf("d") + "ZELK5.B";
    const decltype(scanned.hits) expected = {
        {a, 1, Sjis("■apple : りんご")}, {a, 2, Sjis("* an apple : 例")}, {b, 2, Sjis("■apple pie : アップルパイ")}};
    EXPECT_EQ(scanned.hits, expected);
    EXPECT_EQ(indexed.hits, expected);
    EXPECT_EQ(scanned.scannedFiles, (std::vector<std::string>{a, b}));
    EXPECT_EQ(scanned.indexSearches, 0);
    EXPECT_TRUE(indexed.scannedFiles.empty());
    EXPECT_EQ(indexed.indexSearches, 1);
    EXPECT_EQ(indexed.finishes, 1) << "the index search ends its list itself";
    EXPECT_EQ(scanned.finishes, 0) << "the scan's list is ended by its caller";
}

TEST_F(DictionarySearchTest, NoWordNoSearchAndTheStopRequestEndsTheScan)
{
    request.keyword1 = "empty";
    request.keyword1IsWord = false;  // a group without words
    CRecordingSink sink;
    CDictionarySearch refused(request, store, host, sink);
    EXPECT_FALSE(refused.PrepareKeywords());

    request.keyword1 = "a";
    request.keyword1IsWord = true;
    request.keyword1WholeWord = false;
    request.headwordOnly = false;
    DeriveRequestValues(request);
    sink.stopAfter = 1;
    CDictionarySearch stopped(request, store, host, sink);
    ASSERT_TRUE(stopped.PrepareKeywords());
    stopped.Run();
    EXPECT_FALSE(sink.hits.empty());
    EXPECT_EQ(sink.scannedFiles.size(), 1u) << "no file after the stop";
}

}  // namespace
}  // namespace quilsk
