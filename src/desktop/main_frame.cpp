#include "desktop/main_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <optional>
#include <algorithm>

#include "desktop/help_window.h"
#include "desktop/index_builder_run.h"
#include "desktop/key_indicators.h"
#include "desktop/qt_host.h"
#include "desktop/result_commands.h"
#include "desktop/result_view.h"
#include "desktop/result_window.h"
#include "desktop/screen_fit.h"
#include "desktop/status_texts.h"
#include "desktop/window_cascade.h"
#include "index/builder_launch.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"
#include "settings/standard_profile.h"

namespace quilsk {

namespace {

const char* const kTitle = "Quillseek for Win32";
const char* const kIdleMessage = QT_TRANSLATE_NOOP("UiText", "がんばろう! ZIVO");

}  // namespace

CMainFrame::CMainFrame(CAppState& app, CSettingsStore& store, CQtHost& host, CStandardProfile& profile,
                       QWidget* parent)
    : QMainWindow(parent), m_app(app), m_store(store), m_host(host), m_profile(profile),
      m_files(profile, [this] { UpdateRecentFiles(); }), m_area(new QMdiArea(this))
{
    setWindowTitle(Ui(kTitle));
    setCentralWidget(m_area);
    CreateActions();
    BindCommands();
    CreateMenus();
    CreateContextMenu();
    CreateToolBar();
    CreateStatusBar();
    RestorePlacement();

    connect(m_area, &QMdiArea::subWindowActivated, this, [this] {
        ShowMenusForState();
        UpdateCommandStates();
        UpdateTitle();
    });
    // A search refreshes every few hits: the states follow once, when events are next handled.
    connect(&m_host.Views(), &CViewRegistry::refreshed, this, [this] {
        if (m_statesUpdatePending) return;
        m_statesUpdatePending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_statesUpdatePending = false;
            UpdateCommandStates();
        }, Qt::QueuedConnection);
    });
    connect(&m_host.Views(), &CViewRegistry::captionChanged, this, &CMainFrame::UpdateTitle);
    connect(&m_host.Views(), &CViewRegistry::progressed, this, [this](CZelklexDoc*, const QString& text) {
        m_showingProgress = true;
        statusBar()->showMessage(text);
    });
    ShowMenusForState();
    UpdateRecentFiles();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // Closing the result windows below would call back into this half-destroyed frame.
    disconnect(m_area, nullptr, this, nullptr);
    disconnect(&m_host.Views(), nullptr, this, nullptr);
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        disconnect(window, nullptr, this, nullptr);
        if (window->widget()) disconnect(window->widget(), nullptr, this, nullptr);
    }
}

void CMainFrame::ShowPlaced()
{
    if (m_startMaximized)
        showMaximized();
    else
        show();
}

CZelklexView* CMainFrame::NewDocument()
{
    auto doc = std::make_shared<CZelklexDoc>(m_app, m_store, m_host, "Zelkle" + std::to_string(++m_untitledCount));
    return OpenView(std::move(doc));
}

CZelklexView* CMainFrame::OpenView(std::shared_ptr<CZelklexDoc> doc)
{
    auto* window = new CResultWindow(m_app);
    auto* view = new CZelklexView(std::move(doc), m_host.Views(), window);
    window->setWidget(view);
    m_area->addSubWindow(window);
    window->SetCloseCheck([this, view] { return CanCloseView(*view); });
    connect(view, &CZelklexView::contextMenuRequested, this, [this](QPoint at) {
        UpdateCommandStates();
        m_contextMenu->popup(at);
    });
    connect(view, &CZelklexView::editRequested, this, [this, view](QPoint at) { LaunchEditor(*view, at); });
    connect(view, &CZelklexView::wordLookupRequested, this, [view](QPoint at) { RunWordLookupCommand(*view, at); });
    connect(window, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateTitle);
    // Inside the area, a title bar down and right of the window opened last.
    std::optional<QRect> last;
    const QList<QMdiSubWindow*> open = m_area->subWindowList(QMdiArea::CreationOrder);
    for (auto each = open.rbegin(); each != open.rend(); ++each) {
        if (*each == window || (*each)->isMinimized() || (*each)->isMaximized()) continue;
        last = (*each)->geometry();
        break;
    }
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    if (m_area->isVisible()) window->setGeometry(NextWindowRect(m_area->viewport()->rect(), last, step));
    window->show();
    m_area->setActiveSubWindow(window);
    return view;
}

CZelklexView* CMainFrame::ActiveView() const
{
    const QMdiSubWindow* window = m_area->currentSubWindow();
    return window ? qobject_cast<CZelklexView*>(window->widget()) : nullptr;
}

void CMainFrame::CloseActiveDocument()
{
    CZelklexView* active = ActiveView();
    if (!active || m_app.busy) return;
    if (!m_files.SaveModified(active->Document(), this)) return;
    for (CZelklexView* view : m_host.Views().ViewsOf(active->Document()))
        static_cast<CResultWindow*>(view->parentWidget())->CloseChecked();
}

bool CMainFrame::CanCloseView(const CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    return m_host.Views().ViewsOf(doc).size() > 1 || m_files.SaveModified(doc, this);
}

bool CMainFrame::SaveAllModified()
{
    std::vector<CZelklexDoc*> asked;
    for (const CZelklexView* view : m_host.Views().AllViews()) {
        CZelklexDoc* doc = &view->Document();
        if (std::find(asked.begin(), asked.end(), doc) != asked.end()) continue;
        asked.push_back(doc);
        if (!m_files.SaveModified(*doc, this)) return false;
    }
    return true;
}

void CMainFrame::OpenRecentFile(size_t index)
{
    if (index >= m_profile.RecentFiles().size()) return;
    const std::string path = m_profile.RecentFiles()[index];
    // A file open already comes to the front rather than into a second document.
    for (CZelklexView* view : m_host.Views().AllViews()) {
        if (view->Document().PathName() != path) continue;
        m_area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
        return;
    }
    auto doc = std::make_shared<CZelklexDoc>(m_app, m_store, m_host, FileNameOf(path));
    if (m_files.Load(path, *doc, this)) OpenView(std::move(doc));
}

void CMainFrame::LaunchEditor(CZelklexView& view, QPoint viewportPos)
{
    CZelklexDoc& doc = view.Document();
    const EditorLaunchResult launch = LaunchEditorAt(view, viewportPos, [this, &doc] {
        m_files.SaveModified(doc, this);
        return doc.PathName();
    });
    if (launch.status == EditorLaunchStatus::Failed)
        statusBar()->showMessage(UiText::tr("エディタを起動できませんでした: ") + QString::fromStdString(launch.reason),
                                 15000);
}

void CMainFrame::ArrangeIcons()
{
    int x = 0;
    const int bottom = m_area->viewport()->height();
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

void CMainFrame::CascadeWindows()
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_area->subWindowList(QMdiArea::CreationOrder))
        if (!window->isMinimized() && !window->isHidden()) windows.append(window);
    if (windows.isEmpty()) return;
    // The active window ends on top.
    QMdiSubWindow* active = m_area->activeSubWindow();
    if (windows.removeOne(active)) windows.append(active);
    const int step = windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front());
    const QList<QRect> rects = CascadeRects(m_area->viewport()->rect(), static_cast<int>(windows.size()), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
        windows[i]->raise();
    }
    if (active) m_area->setActiveSubWindow(active);
}

void CMainFrame::StartIndexBuilder()
{
    if (!m_builder) {
        m_builder = new CIndexBuilderRun(this);
        connect(m_builder, &CIndexBuilderRun::finished, this, [this](bool, const QString& report) {
            statusBar()->clearMessage();
            ShowMessage(this, report, QMessageBox::Ok, UiText::tr("インデックス作成"));
        });
    }
    if (m_builder->IsRunning()) {
        ShowMessage(this, UiText::tr("インデックスを作成中です。終わるまでお待ちください。"));
        return;
    }
    const QByteArray programDirectory = QFile::encodeName(QCoreApplication::applicationDirPath());
    m_builder->Start(IndexBuilderCommand(programDirectory.toStdString(), m_store.Path()));
    statusBar()->showMessage(UiText::tr("インデックスを作成しています..."));
}

QString CMainFrame::ResultCountShown() const { return m_resultCount->text(); }

void CMainFrame::UpdateResultCount()
{
    const CZelklexView* view = ActiveView();
    if (!view) {
        m_resultCount->clear();
    } else {
        const CZelklexDoc& doc = view->Document();
        m_resultCount->setText(ResultCountText(doc.Results().Count(), !m_app.busy && doc.LastSearchStopped()));
    }
    // A search's progress stays only while it runs.
    if (m_showingProgress && !m_app.busy) {
        m_showingProgress = false;
        statusBar()->clearMessage();
    }
}

void CMainFrame::ShowHelp()
{
    if (!m_help) m_help = new CHelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::ShowAbout()
{
    ShowMessage(
        this,
        UiText::tr("Quillseek バージョン %1\n\nZELK 英和・和英辞書の検索ツール").arg(QStringLiteral(QUILSK_VERSION)),
        QMessageBox::Ok, UiText::tr("バージョン情報"));
}

void CMainFrame::ShowWriteFailure(const std::string& reason)
{
    statusBar()->showMessage(UiText::tr("設定ファイルに書き込めませんでした: ") + QString::fromStdString(reason),
                             15000);
}

void CMainFrame::UpdateTitle()
{
    const QMdiSubWindow* window = m_area->currentSubWindow();
    if (!window) {
        setWindowTitle(Ui(kTitle));
        return;
    }
    const QString caption = window->widget() ? window->widget()->windowTitle() : window->windowTitle();
    const QString format = window->isMaximized() ? QStringLiteral("%1 - [%2]") : QStringLiteral("%1 - %2");
    setWindowTitle(format.arg(Ui(kTitle), caption));
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(UiText::tr(kIdleMessage));
    });
    bar->showMessage(UiText::tr(kIdleMessage));
    m_resultCount = new QLabel(bar);
    m_resultCount->setObjectName(QStringLiteral("resultCount"));
    bar->addPermanentWidget(m_resultCount);
    m_keyIndicators = new CKeyIndicators(bar);
}

void CMainFrame::RestorePlacement()
{
    if (!IsPlacementSaved(m_store)) return;
    m_placement = ReadWindowPlacement(m_store);
    const QRect stored(m_placement.left, m_placement.top, m_placement.right - m_placement.left,
                       m_placement.bottom - m_placement.top);
    if (stored.isValid()) setGeometry(FitOntoScreens(stored, AvailableScreenAreas()));
    m_startMaximized = m_placement.showCmd == kShowMaximized;
}

WindowPlacement CMainFrame::CurrentPlacement() const
{
    WindowPlacement placement = m_placement;
    placement.showCmd = isMaximized() ? kShowMaximized : isMinimized() ? kShowMinimized : kShowNormal;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    return placement;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A running search holds documents and views that must outlive it.
    if (m_app.busy || !SaveAllModified()) {
        event->ignore();
        return;
    }
    if (IsPlacementSaved(m_store)) WriteWindowPlacement(m_store, CurrentPlacement());
    if (m_help) m_help->close();
    event->accept();
}

}  // namespace quilsk
