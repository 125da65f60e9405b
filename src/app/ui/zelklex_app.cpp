#include "app/ui/zelklex_app.h"

#include <QApplication>
#include <QFile>

#include "app/ui/app_resources.h"
#include "app/ui/dialog_colors.h"
#include "app/ui/main_frame.h"
#include "platform/settings_location.h"

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
    QApplication::setWindowIcon(AppIcon());
    ApplyDialogColors();
    m_profile.Load(m_store);
    m_frame = std::make_unique<CMainFrame>(m_state, m_store, m_host, m_profile);
    m_store.SetWriteFailureHandler([frame = m_frame.get()](const std::string& reason) { frame->ShowWriteFailure(reason); });
    m_frame->ShowPlaced();
    m_state.history.Load(m_store);
    m_frame->NewDocument();
}

void CZelklexApp::ExitInstance() { m_profile.Save(m_store); }

}  // namespace quilsk
