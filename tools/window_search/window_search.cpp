#include "window_search/window_search.h"

#include <QEventLoop>
#include <QMdiArea>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "desktop/application.h"
#include "desktop/main_frame.h"
#include "desktop/result_commands.h"
#include "desktop/result_view.h"
#include "platform/cp932.h"
#include "search/result_document.h"

namespace quilsk {

namespace {

// Long enough for the queued relayouts and the paints that follow them.
constexpr int kSettleMs = 100;

void LetEventsRun()
{
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nothing to pump, draw or caption; messages go to stderr. The search only
// ever tells, it never asks.
class CQuietHost : public CHost {
public:
    void Beep() override {}
    MessageAnswer MessageBox(std::string_view text, MessageButtons, std::string_view) override
    {
        std::fprintf(stderr, "%s\n", Cp932ToUtf8(text).c_str());
        m_complained = true;
        return MessageAnswer::Ok;
    }
    void PumpOneMessage() override {}
    void SetCaption(CZelklexDoc&, std::string_view) override {}
    void RefreshViews(CZelklexDoc&) override {}

    bool Complained() const { return m_complained; }

private:
    bool m_complained = false;
};

template <typename Search>
TimedSearch Time(Search search)
{
    const auto start = std::chrono::steady_clock::now();
    const size_t lines = search();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {lines, elapsed.count()};
}

}  // namespace

CWindowSearch::CWindowSearch(const std::filesystem::path& settingsFile, QSize size)
    : m_app(std::make_unique<CZelklexApp>(settingsFile))
{
    m_app->InitInstance();
    CMainFrame& frame = *m_app->MainFrame();
    frame.resize(size);
    LetEventsRun();
    frame.DocumentArea()->tileSubWindows();
    // The picture and the timings are of a search, not of the keyword history.
    frame.ActiveView()->Document().SetRecordHistory(false);
    LetEventsRun();
}

CWindowSearch::~CWindowSearch() = default;

void CWindowSearch::SetKeyword(const std::string& keyword)
{
    m_request = ReadSearchRequest(m_app->Store());
    m_request.keyword1 = keyword;
    m_request.keyword2.clear();
    DeriveRequestValues(m_request);
}

TimedSearch CWindowSearch::SearchInWindow()
{
    CZelklexView& view = *m_app->MainFrame()->ActiveView();
    // The command-line tool starts from an empty list; so does this search.
    view.Document().DeleteResults();
    LetEventsRun();
    const TimedSearch timed = Time([&] {
        SearchInView(view, m_request);
        return view.Document().Results().Count();
    });
    LetEventsRun();
    return timed;
}

std::optional<TimedSearch> CWindowSearch::SearchEngineOnly()
{
    CQuietHost host;
    CZelklexDoc doc(m_app->State(), m_app->Store(), host, "engine");
    doc.SetRecordHistory(false);
    const TimedSearch timed = Time([&] {
        doc.Search(m_request);
        return doc.Results().Count();
    });
    if (host.Complained()) return std::nullopt;
    return timed;
}

QImage CWindowSearch::GrabMainWindow() { return m_app->MainFrame()->grab().toImage(); }

}  // namespace quilsk
