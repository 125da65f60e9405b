#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The commands of the main window and the result windows: their ids, menu
// texts, shortcuts and the prompts the status bar shows while one is
// highlighted.

namespace quilsk {

enum class CommandId : int {
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57608,
    RecentFile = 57616,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    WindowNew = 57648,
    WindowArrange = 57649,
    WindowCascade = 57650,
    WindowTile = 57651,
    AppAbout = 57664,
    AppExit = 57665,
    HelpIndex = 57669,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    Search = 32768,
    SearchOptions = 32769,
    DeleteResults = 32770,
    StopSearch = 32771,
    SetEditor = 32772,
    EditGroups = 32774,
    AuthorTest = 32775,
    CheckDuplicates = 32776,
    TextColor = 32777,
    BackColor = 32778,
    HighlightTextColor = 32779,
    HighlightBackColor = 32780,
    Narrow = 32783,
    SortResults = 32784,
    EditOptions = 32785,
};

struct CommandInfo {
    CommandId id;
    QString menuText;
    QList<QKeySequence> shortcuts;
    QString prompt;
};

const CommandInfo& Command(CommandId id);

}  // namespace quilsk
