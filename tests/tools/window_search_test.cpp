#include <QtTest>

#include "support/ui/result_window_support.h"
#include "window_search/window_search.h"

using namespace quilsk;
using namespace quilsk::test;

// The driver behind the README's picture and the benchmark of the window's
// overhead: what it shows, what it finds, and that it leaves the settings alone.
class WindowSearchTest : public QObject {
    Q_OBJECT

private:
    static constexpr QSize kSize{640, 400};

    std::unique_ptr<CTestSettings> settings;

    static bool IsMagenta(QColor c) { return c == QColor(255, 0, 255); }

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        WriteDictionary(*settings, "DICT.TXT",
                        {"apple : \x1b" + Sjis("りんご") + "\x1b", "pear : 2",
                         "* an apple a day : " + Sjis("一日")});
        RegisterMainDictionary(*settings, "DICT.TXT");
        settings->Store().WriteInt("Color", "HlBkColor", 0xFF00FF);
    }

    void PictureShowsTheFoundLinesWithTheirHighlightedSpans()
    {
        CWindowSearch search(settings->Store().Path(), kSize);
        search.SetKeyword("apple");
        const QImage before = search.GrabMainWindow();
        QCOMPARE(before.size(), kSize);
        QCOMPARE(search.SearchInWindow().lines, size_t(2));
        const QImage after = search.GrabMainWindow();
        // Three full-width characters on a highlight background, at least.
        const QFontMetrics metrics(QApplication::font());
        const int span = 3 * metrics.averageCharWidth() * metrics.height();
        QVERIFY(CountPixels(after, after.rect(), IsMagenta) > CountPixels(before, before.rect(), IsMagenta) + span);
    }

    void WindowAndEngineAloneFindTheSameLinesWithoutWritingSettings()
    {
        const std::string bytes = settings->Bytes();
        CWindowSearch search(settings->Store().Path(), kSize);
        search.SetKeyword("pear");
        QCOMPARE(search.SearchInWindow().lines, size_t(1));
        search.SetKeyword(Sjis("一日"));
        QCOMPARE(search.SearchInWindow().lines, size_t(1));
        const std::optional<TimedSearch> alone = search.SearchEngineOnly();
        QVERIFY(alone);
        QCOMPARE(alone->lines, size_t(1));
        QCOMPARE(settings->Bytes(), bytes);
    }

    void EngineAloneRefusesWhatWouldOpenAMessageBox()
    {
        CWindowSearch search(settings->Store().Path(), kSize);
        search.SetKeyword("");
        QVERIFY(!search.SearchEngineOnly());
    }
};

QTEST_MAIN(WindowSearchTest)
#include "window_search_test.moc"
