#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "desktop/command_table.h"
#include "desktop/document_files.h"
#include "desktop/print_commands.h"
#include "settings/window_placement.h"

class QLabel;
class QMdiArea;
class QMenu;

// The main window: result windows in a multiple-document area, the menus of
// the two states (no result window; a result window active), the toolbar, the
// status bar with its idle text and key-state panes, and the window placement.

namespace quilsk {

class CHelpWindow;
class CIndexBuilderRun;
class CKeyIndicators;
class CQtHost;
class CSettingsStore;
class CStandardProfile;
class CZelklexDoc;
class CZelklexView;
struct CAppState;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(CAppState& app, CSettingsStore& store, CQtHost& host, CStandardProfile& profile,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the window, maximised when it was stored so.
    void ShowPlaced();

    // A new, empty result window with a document of its own.
    CZelklexView* NewDocument();
    // One more result window on a document.
    CZelklexView* OpenView(std::shared_ptr<CZelklexDoc> doc);
    // The view of the active result window; nullptr when there is none.
    CZelklexView* ActiveView() const;
    QMdiArea* DocumentArea() const { return m_area; }

    QAction* Action(CommandId id) const { return m_actions.at(id); }
    // The top-level "絞込み" of the menu bar, which no state update greys.
    QAction* MenuBarNarrowAction() const { return m_menuBarNarrow; }
    QMenu* ContextMenu() const { return m_contextMenu; }
    CKeyIndicators* KeyIndicators() const { return m_keyIndicators; }
    // Sets every command's enabled state from the active result window.
    void UpdateCommandStates();
    void UpdateRecentFiles();

    // A settings write failed: say so in the status bar.
    void ShowWriteFailure(const std::string& reason);
    // The status bar's count of the active window's lines.
    QString ResultCountShown() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void BindCommands();
    void BindViewCommand(CommandId id, const std::function<void(CZelklexView&)>& run);
    void CreateMenus();
    void CreateContextMenu();
    void CreateToolBar();
    void CreateStatusBar();
    void ShowMenusForState();
    bool IsEnabled(CommandId id) const;
    void RunCommand(CommandId id);
    void CloseActiveDocument();
    // Each document with modified results asks whether to save them; false
    // when one of the questions was cancelled.
    bool SaveAllModified();
    // The last window of a document asks before its modified results go.
    bool CanCloseView(const CZelklexView& view);
    void OpenRecentFile(size_t index);
    void LaunchEditor(CZelklexView& view, QPoint viewportPos);
    void ArrangeIcons();
    void CascadeWindows();
    void StartIndexBuilder();
    void UpdateResultCount();
    void ShowHelp();
    void ShowAbout();
    void RestorePlacement();
    WindowPlacement CurrentPlacement() const;
    void UpdateTitle();

    CAppState& m_app;
    CSettingsStore& m_store;
    CQtHost& m_host;
    CStandardProfile& m_profile;
    CDocumentFiles m_files;
    CPrintCommands m_printing;

    QMdiArea* m_area;
    std::map<CommandId, QAction*> m_actions;
    std::map<CommandId, std::function<void()>> m_handlers;
    QAction* m_menuBarNarrow = nullptr;
    std::map<QAction*, CommandId> m_contextActions;
    std::vector<QAction*> m_recentFileActions;
    QList<QMenu*> m_noDocumentMenus;
    QList<QAction*> m_documentMenuBar;
    QMenu* m_contextMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    CKeyIndicators* m_keyIndicators = nullptr;
    QLabel* m_resultCount = nullptr;
    CIndexBuilderRun* m_builder = nullptr;
    bool m_showingProgress = false;
    QPointer<CHelpWindow> m_help;
    WindowPlacement m_placement;
    bool m_startMaximized = false;
    bool m_statesUpdatePending = false;
    int m_untitledCount = 0;
};

}  // namespace quilsk
