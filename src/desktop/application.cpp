#include "desktop/application.h"

#include <QApplication>
#include <QFile>

#include "desktop/app_resources.h"
#include "desktop/dialog_colors.h"
#include "desktop/main_frame.h"
#include "desktop/result_commands.h"
#include "desktop/result_view.h"
#include "search/result_document.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "settings/settings_location.h"

namespace quilsk {

CZelklexApp::CZelklexApp(std::filesystem::path settingsFile) : m_store(std::move(settingsFile)) {}

CZelklexApp::~CZelklexApp() { m_store.SetWriteFailureHandler({}); }

std::filesystem::path CZelklexApp::SettingsFileFromArguments(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--ini"));
    if (at >= 0 && at + 1 < arguments.size()) {
        const QByteArray name = QFile::encodeName(arguments[at + 1]);
        return std::filesystem::path(std::string(name.constData(), static_cast<size_t>(name.size())));
    }
    return DefaultSettingsFile();
}

void CZelklexApp::InitInstance()
{
    m_translator = InstallInterfaceLanguage();
    QApplication::setWindowIcon(AppIcon());
    ApplyDialogColors();
    m_profile.Load(m_store);
    m_frame = std::make_unique<CMainFrame>(m_state, m_store, m_host, m_profile);
    m_store.SetWriteFailureHandler([frame = m_frame.get()](const std::string& reason) { frame->ShowWriteFailure(reason); });
    m_frame->ShowPlaced();
    ReportUnreadableSettings();
    m_state.history.Load(m_store);
    m_frame->NewDocument();
}

void CZelklexApp::ReportUnreadableSettings()
{
    // The program still starts, with the defaults; writes will fail and say so.
    QString reason;
    if (m_store.Path().empty())
        reason = QString::fromUtf8(NoSettingsDirectoryReason());
    else if (const std::string problem = m_store.ReadProblem(); !problem.empty())
        reason = QString::fromStdString(problem);
    if (!reason.isEmpty())
        BeepAndShowMessage(m_frame.get(), UiText::tr("設定ファイルを読めません。既定の設定で始めます。\n") + reason);
}

void CZelklexApp::SearchAtStart(const StartSearch& search)
{
    CZelklexView* view = m_frame->ActiveView();
    if (!view) return;
    // The stored request changed for this search only: later searches follow the dialogs.
    SearchRequest request = ReadSearchRequest(m_store);
    for (const RequestChange& change : search.changes) change(request);
    DeriveRequestValues(request);
    view->Document().SetRecordHistory(search.recordHistory);
    SearchInView(*view, request);
    view->Document().SetRecordHistory(true);
    m_frame->UpdateCommandStates();
}

void CZelklexApp::ExitInstance() { m_profile.Save(m_store); }

}  // namespace quilsk
