#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>

#include "desktop/qt_host.h"
#include "desktop/interface_language.h"
#include "desktop/start_options.h"
#include "search/app_state.h"
#include "settings/settings_store.h"
#include "settings/standard_profile.h"

// The application object: the state every window shares (keyword histories,
// busy flag, stop request), the settings store, the engine's host and the main
// window, with the steps of start-up and exit.

namespace quilsk {

class CMainFrame;

class CZelklexApp {
public:
    explicit CZelklexApp(std::filesystem::path settingsFile);
    ~CZelklexApp();

    // The settings file: the one after "--ini", else the default one. Nothing
    // else on the command line is looked at.
    static std::filesystem::path SettingsFileFromArguments(const QStringList& arguments);

    // Qt's texts in Japanese, dialog colours, the recent files, the main window shown as placed, the
    // keyword histories, one empty result window.
    void InitInstance();
    // The recent files and the preview page count.
    void ExitInstance();
    // The search of the command line in the first result window; its settings
    // hold for it only.
    void SearchAtStart(const StartSearch& search);

    CAppState& State() { return m_state; }
    CSettingsStore& Store() { return m_store; }
    CQtHost& Host() { return m_host; }
    CStandardProfile& Profile() { return m_profile; }
    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    // A settings file that is not a readable regular file, or no place for one, is told at start.
    void ReportUnreadableSettings();

    CSettingsStore m_store;
    CAppState m_state;
    CQtHost m_host;
    CStandardProfile m_profile;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<CMainFrame> m_frame;  // last: its windows use everything above
};

}  // namespace quilsk
