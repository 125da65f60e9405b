#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/app_state.h"
#include "app/ui/qt_host.h"
#include "app/ui/result_commands.h"
#include "platform/ui/qt_text.h"
#include "results/ui/zelklex_view.h"
#include "search/zelklex_doc.h"
#include "support/gui_test_support.h"

using namespace quilsk;
using namespace quilsk::test;

// The host's pump during a real scan. Its clock is a counter that moves 10 ms
// each time it is read, so when events are handled depends on the number of
// pump calls only.
class QtHostTest : public QObject {
    Q_OBJECT

private:
    static constexpr int kLines = 30000;

    std::unique_ptr<CTempSettings> settings;
    std::unique_ptr<CAppState> app;
    std::unique_ptr<CQtHost> host;
    std::shared_ptr<CZelklexDoc> doc;
    int64_t clockReads = 0;

private slots:
    void init()
    {
        settings = std::make_unique<CTempSettings>();
        std::vector<std::string> lines;
        for (int i = 0; i < kLines; ++i) lines.push_back("apple " + std::to_string(i));
        RegisterMainDictionary(*settings, "DICT.TXT", lines);
        settings->store.WriteString("Keyword", "Keyword1", "apple");
        clockReads = 0;
        app = std::make_unique<CAppState>();
        host = std::make_unique<CQtHost>([this] { return 10 * clockReads++; });
        doc = std::make_shared<CZelklexDoc>(*app, settings->store, *host, "Zelkle1");
        doc->SetRecordHistory(false);
    }

    void cleanup() { doc.reset(); }

    void PumpHandlesAQueuedEventAfterABoundedNumberOfCalls()
    {
        CZelklexView view(doc, host->Views());
        view.show();
        int rangeSeenDuringTheSearch = 0;
        connect(view.verticalScrollBar(), &QScrollBar::rangeChanged, this, [&](int, int maximum) {
            if (app->busy) rangeSeenDuringTheSearch = maximum;
        });
        int64_t readsWhenHandled = -1;
        size_t linesWhenHandled = 0;
        bool busyWhenHandled = false;
        QTimer::singleShot(0, this, [&] {
            readsWhenHandled = clockReads;
            linesWhenHandled = doc->Results().Count();
            busyWhenHandled = app->busy;
        });
        QVERIFY(doc->Search());
        QVERIFY(busyWhenHandled);
        // Read once at construction, then once per 1024 calls: 40 ms have passed
        // at the fourth look, after 4096 calls. Every line is a hit and costs
        // one call, every twentieth hit one more.
        QCOMPARE(readsWhenHandled, int64_t(1 + 4));
        QVERIFY(linesWhenHandled > 3800);
        QVERIFY(linesWhenHandled + linesWhenHandled / 20 <= 4096);
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
        QVERIFY(doc->Search());
        QVERIFY(doc->Results().Count() > 0);
        QVERIFY(doc->Results().Count() < size_t(kLines));
        QVERIFY(!app->busy);
        QVERIFY(!app->stopRequested);
        QCOMPARE(captionsSeen.size(), 1);
        QVERIFY(captionsSeen[0].startsWith(Ui("Zelkle1 <<検索中 ")));
        QVERIFY(captionsSeen[0].endsWith(QStringLiteral("DICT.TXT >>")));
        QCOMPARE(view.windowTitle(), QStringLiteral("Zelkle1"));
    }
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
