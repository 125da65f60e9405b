#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "desktop/qt_host.h"
#include "desktop/result_commands.h"
#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

// The host's pump during a real scan. Its clock is a counter that moves 10 ms
// each time it is read, so when events are handled depends on the number of
// pump calls only.
class QtHostTest : public QObject {
    Q_OBJECT

private:
    static constexpr int kFiles = 3;
    static constexpr int kLinesPerFile = 10000;
    static constexpr int kLines = kFiles * kLinesPerFile;

    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CAppState> app;
    std::unique_ptr<CQtHost> host;
    std::shared_ptr<CZelklexDoc> doc;
    int64_t clockReads = 0;

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        for (int file = 1; file <= kFiles; ++file) {
            std::vector<std::string> lines;
            for (int i = 0; i < kLinesPerFile; ++i) lines.push_back("apple " + std::to_string(i));
            WriteDictionary(*settings, "DICT" + std::to_string(file) + ".TXT", lines);
        }
        RegisterMainDictionary(*settings, "DICT*.TXT");
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        clockReads = 0;
        app = std::make_unique<CAppState>();
        host = std::make_unique<CQtHost>([this] { return 10 * clockReads++; });
        doc = std::make_shared<CZelklexDoc>(*app, settings->Store(), *host, "Zelkle1");
        doc->SetRecordHistory(false);
    }

    void cleanup() { doc.reset(); }

    // One scanning thread, so that the pumps come at fixed hits; the threaded
    // scan's waiting and stopping are tested with the ordered file scan.
    SearchRequest OneThreadRequest() const
    {
        SearchRequest request = ReadSearchRequest(settings->Store());
        request.scanThreads = 1;
        return request;
    }

    void PumpHandlesAQueuedEventAfterABoundedNumberOfCalls()
    {
        CZelklexView view(doc, host->Views());
        view.show();
        int rangeSeenDuringTheSearch = 0;
        connect(view.verticalScrollBar(), &QScrollBar::rangeChanged, this, [&](int, int maximum) {
            if (app->busy) rangeSeenDuringTheSearch = maximum;
        });
        int64_t readsWhenHandled = -1;
        size_t hitsWhenHandled = 0;
        bool busyWhenHandled = false;
        QTimer::singleShot(0, this, [&] {
            readsWhenHandled = clockReads;
            hitsWhenHandled = doc->Results().Count();
            busyWhenHandled = app->busy;
        });
        QVERIFY(doc->Search(OneThreadRequest()));
        QVERIFY(busyWhenHandled);
        // The clock is read once at construction and once per pump call: the
        // first three calls (10, 20, 30 ms) leave the event waiting, the fourth
        // (40 ms) handles it. The scan offers to pump once every 20 hits.
        QCOMPARE(readsWhenHandled, int64_t(1 + 4));
        QCOMPARE(hitsWhenHandled, size_t(4 * 20));
        QCOMPARE(doc->Results().Count(), size_t(kLines));
        QVERIFY(rangeSeenDuringTheSearch > 0);  // the view followed the list while it grew
    }

    void StopCommandEndsTheScanThroughThePump()
    {
        CZelklexView view(doc, host->Views());
        QStringList captionsSeen;
        QTimer::singleShot(0, this, [&] {
            captionsSeen << view.windowTitle();
            RunStopSearchCommand(view);
        });
        QVERIFY(doc->Search(OneThreadRequest()));
        // Handled 80 hits into the first file; the scan stops before the next file.
        QCOMPARE(doc->Results().Count(), size_t(kLinesPerFile));
        QVERIFY(!app->busy);
        QVERIFY(!app->stopRequested);
        QCOMPARE(captionsSeen.size(), 1);
        QVERIFY(captionsSeen[0].startsWith(Ui("Zelkle1 <<検索中 ")));
        QVERIFY(captionsSeen[0].endsWith(QStringLiteral("DICT1.TXT >>")));
        QCOMPARE(view.windowTitle(), QStringLiteral("Zelkle1"));
    }
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
