// The main window's commands: actions, menus, toolbar, context menu and when
// each command is available.

#include <QActionGroup>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "desktop/main_frame.h"
#include "desktop/qt_host.h"
#include "desktop/result_commands.h"
#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "search/result_document.h"
#include "settings/standard_profile.h"

namespace quilsk {

namespace {

using enum CommandId;

constexpr CommandId kAllCommands[] = {
    FileNew, FileOpen, FileClose, FileSave, FileSaveAs, FilePrint, FilePrintPreview, FilePrintSetup, SetEditor, AppExit,
    EditUndo, EditCut, EditCopy, EditPaste, DeleteResults, StopSearch, CheckDuplicates, SortResults, EditGroups,
    Search, Narrow, SearchOptions, EditOptions, TextColor, BackColor, HighlightTextColor, HighlightBackColor,
    ViewToolbar, ViewStatusBar, WindowNew, WindowCascade, WindowTile, WindowArrange, AuthorTest, HelpIndex, AppAbout,
};

// Commands of the main window itself, available with or without a result window.
bool NeedsNoResultWindow(CommandId id)
{
    switch (id) {
    case FileNew:
    case FilePrintSetup:
    case AppExit:
    case ViewToolbar:
    case ViewStatusBar:
    case HelpIndex:
    case AppAbout: return true;
    default: return false;
    }
}

QString WithoutMnemonic(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    return QString(text).remove(mnemonic);
}

QIcon ToolIcon(const char* themeName, QStyle::StandardPixmap fallback = QStyle::SP_CustomBase)
{
    const QIcon styled = fallback == QStyle::SP_CustomBase ? QIcon() : QApplication::style()->standardIcon(fallback);
    return QIcon::fromTheme(QString::fromLatin1(themeName), styled);
}

}  // namespace

void CMainFrame::CreateActions()
{
    for (const CommandId id : kAllCommands) {
        const CommandInfo& info = Command(id);
        auto* action = new QAction(info.menuText, this);
        action->setIconText(WithoutMnemonic(info.menuText));
        action->setShortcuts(info.shortcuts);
        action->setStatusTip(info.prompt);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        addAction(action);  // shortcuts work whichever menus are shown
        m_actions[id] = action;
    }
    for (const CommandId id : {ViewToolbar, ViewStatusBar}) {
        m_actions[id]->setCheckable(true);
        m_actions[id]->setChecked(true);
    }

    const CommandInfo& narrow = Command(Narrow);
    m_menuBarNarrow = new QAction(narrow.menuText, this);
    m_menuBarNarrow->setStatusTip(narrow.prompt);
    connect(m_menuBarNarrow, &QAction::triggered, this, [this] {
        if (CZelklexView* view = ActiveView()) RunNarrowCommand(*view);
        UpdateCommandStates();
    });

    // The first item stands, greyed, for an empty list; the others open their file.
    for (size_t i = 0; i <= CStandardProfile::kRecentFiles; ++i) {
        auto* action = new QAction(Command(RecentFile).menuText, this);
        action->setStatusTip(Command(RecentFile).prompt);
        action->setEnabled(i > 0);
        if (i > 0) connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i - 1); });
        m_recentFileActions.push_back(action);
    }
}

void CMainFrame::BindViewCommand(CommandId id, const std::function<void(CZelklexView&)>& run)
{
    m_handlers[id] = [this, run] {
        if (CZelklexView* view = ActiveView()) run(*view);
    };
}

void CMainFrame::BindCommands()
{
    m_handlers[FileNew] = [this] { NewDocument(); };
    m_handlers[FileClose] = [this] { CloseActiveDocument(); };
    m_handlers[AppExit] = [this] { close(); };
    m_handlers[FilePrintSetup] = [this] { m_printing.PageSetup(this); };
    m_handlers[AuthorTest] = [this] { StartIndexBuilder(); };
    m_handlers[ViewToolbar] = [this] { m_toolBar->setVisible(m_actions[ViewToolbar]->isChecked()); };
    m_handlers[ViewStatusBar] = [this] { statusBar()->setVisible(m_actions[ViewStatusBar]->isChecked()); };
    m_handlers[WindowNew] = [this] {
        if (CZelklexView* view = ActiveView()) OpenView(view->SharedDocument());
    };
    m_handlers[WindowCascade] = [this] { CascadeWindows(); };
    m_handlers[WindowTile] = [this] { m_area->tileSubWindows(); };
    m_handlers[WindowArrange] = [this] { ArrangeIcons(); };
    m_handlers[HelpIndex] = [this] { ShowHelp(); };
    m_handlers[AppAbout] = [this] { ShowAbout(); };

    BindViewCommand(FileSave, [this](CZelklexView& view) { m_files.Save(view.Document(), this); });
    BindViewCommand(FileSaveAs, [this](CZelklexView& view) { m_files.SaveAs(view.Document(), this); });
    BindViewCommand(FilePrint, [this](CZelklexView& view) { m_printing.Print(view); });
    BindViewCommand(FilePrintPreview, [this](CZelklexView& view) { m_printing.Preview(view); });
    BindViewCommand(EditCopy, [this](CZelklexView& view) {
        RunCopyCommand(view, [this, &view] { m_files.SaveModified(view.Document(), this); });
    });
    BindViewCommand(Search, RunSearchCommand);
    BindViewCommand(SearchOptions, [this](CZelklexView& view) { RunOptionsCommand(view, m_host.Views()); });
    BindViewCommand(Narrow, RunNarrowCommand);
    BindViewCommand(DeleteResults, RunDeleteResultsCommand);
    BindViewCommand(StopSearch, RunStopSearchCommand);
    BindViewCommand(CheckDuplicates, RunCheckDuplicatesCommand);
    BindViewCommand(SortResults, RunSortResultsCommand);
    BindViewCommand(EditGroups, RunEditGroupsCommand);
    BindViewCommand(SetEditor, RunSetEditorCommand);
    BindViewCommand(EditOptions, RunEditOptionsCommand);
    BindViewCommand(TextColor, [](CZelklexView& view) { RunColorCommand(view, ResultColorKey::Text); });
    BindViewCommand(BackColor, [](CZelklexView& view) { RunColorCommand(view, ResultColorKey::Background); });
    BindViewCommand(HighlightTextColor,
                    [](CZelklexView& view) { RunColorCommand(view, ResultColorKey::HighlightText); });
    BindViewCommand(HighlightBackColor,
                    [](CZelklexView& view) { RunColorCommand(view, ResultColorKey::HighlightBackground); });
}

void CMainFrame::RunCommand(CommandId id)
{
    if (!IsEnabled(id)) return;
    m_handlers.at(id)();
    UpdateCommandStates();
}

bool CMainFrame::IsEnabled(CommandId id) const
{
    if (id == FileOpen) return false;
    if (!m_handlers.contains(id)) return false;
    if (NeedsNoResultWindow(id)) return true;
    const CZelklexView* view = ActiveView();
    if (!view) return false;
    const CZelklexDoc& doc = view->Document();
    switch (id) {
    case FileSave:
    case FileSaveAs:
    case FilePrint:
    case DeleteResults:
    case CheckDuplicates: return !doc.Results().IsEmpty();
    case SortResults: return !doc.IsSorted();
    // Reported unavailable; only the menu bar's own item, which is never
    // updated, reaches it.
    case Narrow: return false;
    default: return true;
    }
}

void CMainFrame::UpdateCommandStates()
{
    for (const auto& [id, action] : m_actions) action->setEnabled(IsEnabled(id));
    for (const auto& [action, id] : m_contextActions) action->setEnabled(IsEnabled(id));
    m_menuBarNarrow->setEnabled(ActiveView() != nullptr);
    m_actions[ViewToolbar]->setChecked(!m_toolBar->isHidden());
    m_actions[ViewStatusBar]->setChecked(!statusBar()->isHidden());
    UpdateResultCount();
}

void CMainFrame::UpdateRecentFiles()
{
    const std::vector<std::string>& files = m_profile.RecentFiles();
    m_recentFileActions.front()->setVisible(files.empty());
    for (size_t i = 0; i < CStandardProfile::kRecentFiles; ++i) {
        QAction* action = m_recentFileActions[i + 1];
        action->setVisible(i < files.size());
        if (i < files.size()) action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(ToQString(files[i])));
    }
}

void CMainFrame::CreateMenus()
{
    auto menu = [this](const char* title, std::initializer_list<CommandId> items) {
        auto* created = new QMenu(UiText::tr(title), this);
        for (const CommandId id : items) {
            if (id == RecentFile)
                created->addActions(QList<QAction*>(m_recentFileActions.begin(), m_recentFileActions.end()));
            else
                created->addAction(m_actions[id]);
        }
        connect(created, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        return created;
    };
    auto separated = [](QMenu* target, std::initializer_list<QAction*> before) {
        for (QAction* action : before) target->insertSeparator(action);
        return target;
    };

    QMenu* fileNoDocument =
        menu(QT_TRANSLATE_NOOP("UiText", "ﾌｧｲﾙ(&F)"), {FileNew, FileOpen, FilePrintSetup, RecentFile, AppExit});
    separated(fileNoDocument, {m_actions[FilePrintSetup], m_recentFileActions.front(), m_actions[AppExit]});
    QMenu* file = menu(QT_TRANSLATE_NOOP("UiText", "ﾌｧｲﾙ(&F)"),
                       {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, FilePrint, FilePrintPreview, FilePrintSetup,
                        SetEditor, RecentFile, AppExit});
    separated(file, {m_actions[FilePrint], m_actions[SetEditor], m_recentFileActions.front(), m_actions[AppExit]});
    QMenu* edit = menu(QT_TRANSLATE_NOOP("UiText", "編集(&E)"), {EditUndo, EditCut, EditCopy, EditPaste, DeleteResults,
                                                                 StopSearch, CheckDuplicates, SortResults, EditGroups});
    separated(edit, {m_actions[EditCut], m_actions[DeleteResults], m_actions[EditGroups]});
    QMenu* options = menu(QT_TRANSLATE_NOOP("UiText", "ｵﾌﾟｼｮﾝ(&O)"), {SearchOptions, EditOptions});
    options->addMenu(
        menu(QT_TRANSLATE_NOOP("UiText", "色指定"), {TextColor, BackColor, HighlightTextColor, HighlightBackColor}));
    QMenu* view = menu(QT_TRANSLATE_NOOP("UiText", "表示(&V)"), {ViewToolbar, ViewStatusBar});
    QMenu* window =
        menu(QT_TRANSLATE_NOOP("UiText", "ｳｨﾝﾄﾞｳ(&W)"), {WindowNew, WindowCascade, WindowTile, WindowArrange});
    QMenu* helpNoDocument =
        separated(menu(QT_TRANSLATE_NOOP("UiText", "ﾍﾙﾌﾟ(&H)"), {HelpIndex, AppAbout}), {m_actions[AppAbout]});
    QMenu* help = separated(menu(QT_TRANSLATE_NOOP("UiText", "ﾍﾙﾌﾟ(&H)"), {HelpIndex, AppAbout, AuthorTest}),
                            {m_actions[AppAbout]});

    // The window menu ends with the open result windows, the active one checked.
    QAction* listSeparator = window->addSeparator();
    auto* windowList = new QActionGroup(window);
    connect(window, &QMenu::aboutToShow, this, [this, window, windowList, listSeparator] {
        for (QAction* old : windowList->actions()) delete old;
        const QList<QMdiSubWindow*> windows = m_area->subWindowList();
        listSeparator->setVisible(!windows.isEmpty());
        for (qsizetype i = 0; i < windows.size(); ++i) {
            QMdiSubWindow* each = windows[i];
            QAction* item = windowList->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(each->windowTitle()));
            item->setCheckable(true);
            item->setChecked(each == m_area->currentSubWindow());
            window->addAction(item);
            connect(item, &QAction::triggered, m_area, [this, each] { m_area->setActiveSubWindow(each); });
        }
    });

    m_noDocumentMenus = {fileNoDocument, view, helpNoDocument};
    m_documentMenuBar = {file->menuAction(),    edit->menuAction(), m_actions[Search], m_menuBarNarrow,
                         options->menuAction(), view->menuAction(), window->menuAction(), help->menuAction()};
}

void CMainFrame::ShowMenusForState()
{
    menuBar()->clear();
    if (ActiveView())
        menuBar()->addActions(m_documentMenuBar);
    else
        for (QMenu* menu : m_noDocumentMenus) menuBar()->addMenu(menu);
}

void CMainFrame::CreateContextMenu()
{
    m_contextMenu = new QMenu(this);
    auto add = [this](QMenu* menu, const char* text, CommandId id) {
        // Owned by the frame, which then shows the prompt as the item is highlighted.
        auto* action = new QAction(UiText::tr(text), this);
        menu->addAction(action);
        action->setStatusTip(Command(id).prompt);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        m_contextActions[action] = id;
    };
    add(m_contextMenu, QT_TRANSLATE_NOOP("UiText", "検索"), Search);
    add(m_contextMenu, QT_TRANSLATE_NOOP("UiText", "絞込み"), Narrow);
    add(m_contextMenu, QT_TRANSLATE_NOOP("UiText", "ｵﾌﾟｼｮﾝ"), SearchOptions);
    QMenu* edit = m_contextMenu->addMenu(UiText::tr("編集"));
    add(edit, QT_TRANSLATE_NOOP("UiText", "重複ﾁｪｯｸ"), CheckDuplicates);
    add(edit, QT_TRANSLATE_NOOP("UiText", "単語ｸﾞﾙｰﾌﾟ編集"), EditGroups);
    QMenu* colors = m_contextMenu->addMenu(UiText::tr("色設定"));
    add(colors, QT_TRANSLATE_NOOP("UiText", "文字色"), TextColor);
    add(colors, QT_TRANSLATE_NOOP("UiText", "背景色"), BackColor);
    add(m_contextMenu, QT_TRANSLATE_NOOP("UiText", "ﾍﾙﾌﾟ"), HelpIndex);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(UiText::tr("ツールバー"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const struct {
        CommandId id;
        QIcon icon;
        bool separatorAfter;
    } buttons[] = {
        {FileNew, ToolIcon("document-new", QStyle::SP_FileIcon), false},
        {FileOpen, ToolIcon("document-open", QStyle::SP_DialogOpenButton), false},
        {FileSave, ToolIcon("document-save", QStyle::SP_DialogSaveButton), true},
        {EditCut, ToolIcon("edit-cut"), false},
        {EditCopy, ToolIcon("edit-copy"), false},
        {EditPaste, ToolIcon("edit-paste"), true},
        {FilePrint, ToolIcon("document-print"), true},
        {Search, ToolIcon("edit-find"), false},
        {Narrow, ToolIcon("view-filter"), false},
        {StopSearch, ToolIcon("process-stop", QStyle::SP_BrowserStop), false},
        {DeleteResults, ToolIcon("edit-delete", QStyle::SP_TrashIcon), true},
        {AppAbout, ToolIcon("help-about", QStyle::SP_MessageBoxInformation), false},
    };
    for (const auto& button : buttons) {
        m_actions[button.id]->setIcon(button.icon);
        m_actions[button.id]->setIconVisibleInMenu(false);
        m_toolBar->addAction(m_actions[button.id]);
        if (button.separatorAfter) m_toolBar->addSeparator();
    }
}

}  // namespace quilsk
