#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

#include "desktop/application.h"
#include "desktop/help_window.h"
#include "desktop/key_indicators.h"
#include "desktop/main_frame.h"
#include "desktop/result_view.h"
#include "desktop/screen_fit.h"
#include "desktop/view_registry.h"
#include "platform/ui/qt_text.h"
#include "search/result_document.h"
#include "settings/settings_location.h"
#include "support/ui/modal_driver.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

// The visible texts of a menu, separators as "-".
QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions)
        if (action->isVisible()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu* TopMenu(QMainWindow& frame, const char* text)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == Ui(text)) return action->menu();
    return nullptr;
}

QStringList U(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts) list << Ui(text);
    return list;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CZelklexApp> app;

    void Start()
    {
        app = std::make_unique<CZelklexApp>(settings->Store().Path());
        app->InitInstance();
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    CZelklexView& View() { return *Frame().ActiveView(); }
    void AddResults(std::initializer_list<const char*> lines)
    {
        for (const char* line : lines) View().Document().Results().Append(std::string(line) + "\r\n");
        View().Document().UpdateAllViews();
        QCoreApplication::processEvents();
    }
    bool Enabled(CommandId id) { return Frame().Action(id)->isEnabled(); }
    QAction* ContextAction(const char* text)
    {
        for (QAction* action : Frame().ContextMenu()->actions()) {
            if (action->text() == Ui(text)) return action;
            if (action->menu())
                for (QAction* inner : action->menu()->actions())
                    if (inner->text() == Ui(text)) return inner;
        }
        return nullptr;
    }

private slots:
    void init() { settings = std::make_unique<CTestSettings>(); }
    void cleanup() { app.reset(); }

    void StartsWithOneEmptyResultWindowAndTheIdleMessage()
    {
        Start();
        QCOMPARE(Frame().DocumentArea()->subWindowList().size(), 1);
        QVERIFY(View().Document().Results().IsEmpty());
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Quillseek for Win32 - Zelkle1"));
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("がんばろう! ZIVO"));
        Frame().statusBar()->showMessage(QStringLiteral("prompt"));
        Frame().statusBar()->clearMessage();
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("がんばろう! ZIVO"));
        QVERIFY(!settings->FileExists());  // starting writes nothing
    }

    void AnUnreadableSettingsFileIsToldAtStart()
    {
        CModalDriver driver;
        const std::filesystem::path fifo = settings->Dir() / "fifo.ini";
        QCOMPARE(mkfifo(fifo.c_str(), 0644), 0);
        app = std::make_unique<CZelklexApp>(fifo);
        app->InitInstance();
        QCOMPARE(driver.MessageTexts().size(), 1);
        QVERIFY(driver.MessageTexts().front().startsWith(Ui("設定ファイルを読めません。既定の設定で始めます。")));
        QVERIFY(driver.MessageTexts().front().contains(QStringLiteral("named pipe")));
        QCOMPARE(Frame().DocumentArea()->subWindowList().size(), 1);
    }

    void MenusOfBothStates()
    {
        Start();
        QCOMPARE(Texts(Frame().menuBar()->actions()),
                 U({"ﾌｧｲﾙ(&F)", "編集(&E)", "検索(&S)", "絞込み", "ｵﾌﾟｼｮﾝ(&O)", "表示(&V)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
        QCOMPARE(Texts(TopMenu(Frame(), "ﾌｧｲﾙ(&F)")->actions()),
                 U({"新規作成(&N)", "開く(&O)", "閉じる(&C)", "上書き保存(&S)", "名前を付けて保存(&A)", "-", "印刷(&P)",
                    "印刷プレビュー(&V)", "プリンタの設定(&R)", "-", "エディタの指定", "-", "最近使ったファイル", "-",
                    "終了(&X)"}));
        QCOMPARE(Texts(TopMenu(Frame(), "編集(&E)")->actions()),
                 U({"元に戻す(&U)", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "-", "結果削除", "検索中止",
                    "重複チェック", "結果ソート", "-", "単語ｸﾞﾙｰﾌﾟ編集"}));
        QMenu* options = TopMenu(Frame(), "ｵﾌﾟｼｮﾝ(&O)");
        QCOMPARE(Texts(options->actions()), U({"検索ｵﾌﾟｼｮﾝ設定", "編集ｵﾌﾟｼｮﾝ指定", "色指定"}));
        QCOMPARE(Texts(options->actions().last()->menu()->actions()), U({"文字色", "背景色", "反転文字色", "反転背景色"}));
        QCOMPARE(Texts(TopMenu(Frame(), "ｳｨﾝﾄﾞｳ(&W)")->actions()).mid(0, 4),
                 U({"新しいウィンドウを開く(&N)", "重ねて表示(&C)", "並べて表示(&T)", "アイコンの整列(&A)"}));
        QCOMPARE(Texts(TopMenu(Frame(), "ﾍﾙﾌﾟ(&H)")->actions()),
                 U({"目次(&H)", "-", "バージョン情報(&A)", "作者のテスト用"}));
        QCOMPARE(Texts(Frame().ContextMenu()->actions()), U({"検索", "絞込み", "ｵﾌﾟｼｮﾝ", "編集", "色設定", "ﾍﾙﾌﾟ"}));

        Frame().DocumentArea()->closeAllSubWindows();
        QCOMPARE(Texts(Frame().menuBar()->actions()), U({"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
        QCOMPARE(Texts(TopMenu(Frame(), "ﾌｧｲﾙ(&F)")->actions()),
                 U({"新規作成(&N)", "開く(&O)", "-", "プリンタの設定(&R)", "-", "最近使ったファイル", "-", "終了(&X)"}));
        QCOMPARE(Texts(TopMenu(Frame(), "ﾍﾙﾌﾟ(&H)")->actions()), U({"目次(&H)", "-", "バージョン情報(&A)"}));
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Quillseek for Win32"));
    }

    void ShortcutsAndPrompts()
    {
        Start();
        const struct {
            CommandId id;
            QList<QKeySequence> keys;
        } shortcuts[] = {
            {CommandId::Search, {QKeySequence(Qt::Key_S)}},
            {CommandId::FileNew, {QKeySequence(QStringLiteral("Ctrl+N"))}},
            {CommandId::FileOpen, {QKeySequence(QStringLiteral("Ctrl+O"))}},
            {CommandId::FileSave, {QKeySequence(QStringLiteral("Ctrl+S"))}},
            {CommandId::FilePrint, {QKeySequence(QStringLiteral("Ctrl+P"))}},
            {CommandId::EditCopy, {QKeySequence(QStringLiteral("Ctrl+C")), QKeySequence(QStringLiteral("Ctrl+Ins"))}},
            {CommandId::EditPaste, {QKeySequence(QStringLiteral("Ctrl+V")), QKeySequence(QStringLiteral("Shift+Ins"))}},
            {CommandId::HelpIndex, {QKeySequence(Qt::Key_F1)}},
            {CommandId::StopSearch, {}},
        };
        for (const auto& s : shortcuts) QCOMPARE(Frame().Action(s.id)->shortcuts(), s.keys);
        QCOMPARE(Frame().Action(CommandId::Search)->statusTip(), Ui("ZELK辞書の検索を行います"));
        QCOMPARE(Frame().Action(CommandId::EditOptions)->statusTip(), Ui("左ボタンWクリックの動作指定"));
        QCOMPARE(ContextAction("重複ﾁｪｯｸ")->statusTip(), Ui("主に用例の重複をチェックします"));
    }

    void PromptOfTheHighlightedItemShowsInTheStatusBar()
    {
        Start();
        QMenu* edit = TopMenu(Frame(), "編集(&E)");
        edit->popup(QPoint(10, 10));
        edit->setActiveAction(Frame().Action(CommandId::StopSearch));
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("検索を中止します"));
        edit->hide();
        Frame().ContextMenu()->popup(QPoint(10, 10));
        Frame().ContextMenu()->setActiveAction(ContextAction("ｵﾌﾟｼｮﾝ"));
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("検索オプション設定"));
        Frame().ContextMenu()->hide();
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("がんばろう! ZIVO"));
    }

    void EnableRulesFollowTheList()
    {
        Start();
        QVERIFY(!Enabled(CommandId::FileOpen));
        QVERIFY(!Enabled(CommandId::DeleteResults));
        QVERIFY(!Enabled(CommandId::CheckDuplicates));
        QVERIFY(!ContextAction("重複ﾁｪｯｸ")->isEnabled());
        QVERIFY(Enabled(CommandId::SortResults));
        QVERIFY(Enabled(CommandId::Search));
        QVERIFY(Enabled(CommandId::StopSearch));
        QVERIFY(!Enabled(CommandId::Narrow));
        QVERIFY(!ContextAction("絞込み")->isEnabled());
        QVERIFY(Frame().MenuBarNarrowAction()->isEnabled());

        AddResults({"b : 2", "a : 1", "a : 1"});
        QVERIFY(Enabled(CommandId::DeleteResults));
        QVERIFY(Enabled(CommandId::CheckDuplicates));
        QVERIFY(ContextAction("重複ﾁｪｯｸ")->isEnabled());
        QVERIFY(!Enabled(CommandId::FileOpen));

        Frame().Action(CommandId::CheckDuplicates)->trigger();
        QCOMPARE(View().Document().Results().Count(), size_t(2));
        Frame().Action(CommandId::SortResults)->trigger();
        QVERIFY(!Enabled(CommandId::SortResults));
        View().verticalScrollBar()->setValue(View().verticalScrollBar()->maximum());
        Frame().Action(CommandId::DeleteResults)->trigger();
        QVERIFY(View().Document().Results().IsEmpty());
        QVERIFY(!View().Document().IsSorted());
        QVERIFY(!View().Document().IsModified());
        QCOMPARE(View().verticalScrollBar()->value(), 0);
        QVERIFY(Enabled(CommandId::SortResults));
        QVERIFY(!Enabled(CommandId::DeleteResults));

        Frame().DocumentArea()->closeAllSubWindows();
        for (CommandId id : {CommandId::Search, CommandId::StopSearch, CommandId::SortResults, CommandId::WindowNew})
            QVERIFY(!Enabled(id));
        for (CommandId id : {CommandId::FileNew, CommandId::AppExit, CommandId::HelpIndex, CommandId::AppAbout})
            QVERIFY(Enabled(id));
        QVERIFY(!Enabled(CommandId::FileOpen));
    }

    void SearchAndDeleteAreRefusedWhileBusy()
    {
        Start();
        AddResults({"kept"});
        app->State().busy = true;
        for (CommandId id : {CommandId::Search, CommandId::DeleteResults}) {
            CModalDriver driver;
            Frame().Action(id)->trigger();
            QCOMPARE(driver.MessageTexts(), QStringList{Ui("作業中です。もう少しお待ちください。")});
            QVERIFY(driver.UnexpectedDialogs().isEmpty());
        }
        QCOMPARE(View().Document().Results().Count(), size_t(1));
        app->State().busy = false;
    }

    void SearchCommandRunsTheConfirmedSearch()
    {
        WriteDictionary(*settings, "DICT.TXT", {"apple : 1", "pear : 2", "apple pie : 3"});
        RegisterMainDictionary(*settings, "DICT.TXT");
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        settings->Store().WriteInt("Options", "DrawText", 1);
        Start();
        settings->Store().WriteInt("Options", "DrawText", 0);
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&View(), Qt::Key_S);
        QCOMPARE(driver.PendingHandlers(), 0);
        QVERIFY(driver.MessageTexts().isEmpty());
        QCOMPARE(View().Document().Results().Count(), size_t(2));
        QVERIFY(!app->State().busy);
        QCOMPARE(View().windowTitle(), QStringLiteral("Zelkle1"));
        // The display mode was read again after the search: one row per line.
        const int pitch = View().Metrics().LinePitch();
        QCOMPARE(View().HitTest(QPoint(1, pitch + 1))->line, size_t(1));
    }

    void PressSTypeAKeywordAndEnterSearches()
    {
        WriteDictionary(*settings, "DICT.TXT", {"apple : 1", "pear : 2", "apple pie : 3"});
        RegisterMainDictionary(*settings, "DICT.TXT");
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        Start();
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) {
            // Typing goes where the dialog put the focus, over the selected old keyword.
            QTest::keyClicks(dialog->focusWidget(), QStringLiteral("pear"));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&View(), Qt::Key_S);
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(settings->Store().GetString("Keyword", "Keyword1", ""), std::string("pear"));
        QCOMPARE(View().Document().Results().Count(), size_t(1));
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("1 件"));
    }

    void StatusBarCountsTheLinesAfterSearchNarrowingAndDuplicateCheck()
    {
        WriteDictionary(*settings, "DICT.TXT", {"apple : 1", "apple : 1", "pear : 2", "apple pie : 3"});
        RegisterMainDictionary(*settings, "DICT.TXT");
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        Start();
        QCOMPARE(Frame().ResultCountShown(), Ui("0 件"));
        QSignalSpy messages(Frame().statusBar(), &QStatusBar::messageChanged);
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().Action(CommandId::Search)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("3 件"));
        // The progress was shown while the search ran, and is gone.
        QStringList shown;
        for (const QList<QVariant>& message : messages) shown << message.at(0).toString();
        QVERIFY2(shown.filter(Ui("検索中: ファイル 1/1, 0.0/0.0 KB, 0 件 - ")).size() == 1, qPrintable(shown.join('|')));
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("がんばろう! ZIVO"));

        Frame().Action(CommandId::CheckDuplicates)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("2 件"));

        settings->Store().WriteString("ReSea", "Keyword", "pie");
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().MenuBarNarrowAction()->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("1 件"));
    }

    void ASearchStoppedEarlySaysSo()
    {
        WriteDictionary(*settings, "DICT.A", {"apple : 1"});
        WriteDictionary(*settings, "DICT.B", {"apple : 2"});
        RegisterMainDictionary(*settings, "DICT.*");
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        Start();
        // The stop command arrives while the second file is about to be read.
        connect(&app->Host().Views(), &CViewRegistry::progressed, this, [this](CZelklexDoc*, const QString& text) {
            if (text.contains(Ui("ファイル 2/2"))) app->State().stopRequested = true;
        });
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().Action(CommandId::Search)->trigger();
        QCoreApplication::processEvents();
        const size_t found = View().Document().Results().Count();
        QVERIFY(found >= 1 && found <= 2);
        QCOMPARE(Frame().ResultCountShown(), Ui("%1 件（検索を途中で中止しました）").arg(found));

        disconnect(&app->Host().Views(), &CViewRegistry::progressed, this, nullptr);
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().Action(CommandId::Search)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("2 件"));
    }

    void NewWindowsOpenInsideTheAreaAndCascadeKeepsTwoThirds()
    {
        Start();
        Frame().resize(1000, 800);
        QCoreApplication::processEvents();
        const QRect area = Frame().DocumentArea()->viewport()->rect();
        for (int i = 0; i < 12; ++i) Frame().Action(CommandId::FileNew)->trigger();
        const QList<QMdiSubWindow*> windows = Frame().DocumentArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 13);
        for (const QMdiSubWindow* window : windows.mid(1)) QVERIFY2(area.contains(window->geometry()), qPrintable(window->windowTitle()));
        // Each one down and right of the one before, unless that would leave the area.
        QVERIFY(windows[2]->geometry().topLeft().y() > windows[1]->geometry().topLeft().y());

        Frame().Action(CommandId::WindowCascade)->trigger();
        for (const QMdiSubWindow* window : windows) {
            QVERIFY(area.contains(window->geometry()));
            QVERIFY(window->width() >= area.width() * 2 / 3);
            QVERIFY(window->height() >= area.height() * 2 / 3);
        }
        QCOMPARE(Frame().DocumentArea()->activeSubWindow(), windows.back());
    }

    void TheCommandLineSearchFillsTheFirstWindowOnce()
    {
        WriteDictionary(*settings, "DICT.TXT", {"apple : 1", "pear : 2", "apple pie : 3"});
        RegisterMainDictionary(*settings, "DICT.TXT");
        settings->Store().WriteString("Keyword", "Keyword1", "pear");
        Start();
        StartSearch search;
        search.requested = true;
        search.changes = {[](SearchRequest& r) { r.keyword1 = "apple"; }, [](SearchRequest& r) { r.tagForm = true; }};
        app->SearchAtStart(search);
        QCOMPARE(View().Document().Results().Count(), size_t(2));
        QVERIFY(View().Document().Results().begin()->find("DICT.TXT(      1) apple : 1") != std::string::npos);
        QCoreApplication::processEvents();
        QCOMPARE(Frame().ResultCountShown(), Ui("2 件"));
        // The stored search is untouched and is the one the dialog shows next.
        QCOMPARE(settings->Store().GetString("Keyword", "Keyword1", ""), std::string("pear"));
        QCOMPARE(settings->Store().GetInt("Options", "TagForm", 0), 0);
    }

    void QtsOwnButtonsAreJapanese()
    {
        Start();
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), Ui("はい(&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), Ui("いいえ(&N)"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), Ui("キャンセル"));
    }

    void OptionsAndNarrowingDialogsAreWired()
    {
        Start();
        const std::string longLine = "pear " + std::string(100, 'a');
        AddResults({longLine.c_str(), "apple"});
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("drawText"))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        Frame().Action(CommandId::SearchOptions)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(settings->Store().GetInt("Options", "DrawText", 0), 1);
        const int pitch = View().Metrics().LinePitch();
        QCOMPARE(View().HitTest(QPoint(1, pitch + 1))->line, size_t(0));  // the first line now wraps

        settings->Store().WriteString("ReSea", "Keyword", "apple");
        driver.OnNextDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        Frame().MenuBarNarrowAction()->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QVERIFY(driver.UnexpectedDialogs().isEmpty());
        QCOMPARE(View().Document().Results().Count(), size_t(1));
        QCOMPARE(*View().Document().Results().begin(), std::string("apple\r\n"));
    }

    void SettingsFileComesFromIniOnly()
    {
        QCOMPARE(CZelklexApp::SettingsFileFromArguments({QStringLiteral("quilsk"), QStringLiteral("--ini"),
                                                         QStringLiteral("/tmp/x.ini")}),
                 std::filesystem::path("/tmp/x.ini"));
        QCOMPARE(CZelklexApp::SettingsFileFromArguments({QStringLiteral("quilsk"), QStringLiteral("results.txt")}),
                 DefaultSettingsFile());
    }

    void StopCommandSetsTheStopRequest()
    {
        Start();
        Frame().Action(CommandId::StopSearch)->trigger();
        QVERIFY(app->State().stopRequested.load());
    }

    void NewWindowShowsTheSameDocument()
    {
        Start();
        CZelklexView& first = View();
        Frame().Action(CommandId::WindowNew)->trigger();
        QCOMPARE(Frame().DocumentArea()->subWindowList().size(), 2);
        CZelklexView& second = View();
        QVERIFY(&first != &second);
        QCOMPARE(&first.Document(), &second.Document());
        QCOMPARE(first.windowTitle(), QStringLiteral("Zelkle1:1"));
        QCOMPARE(second.windowTitle(), QStringLiteral("Zelkle1:2"));
        second.Document().Results().Append(std::string_view("shared\r\n"));
        second.Document().UpdateAllViews();
        QVERIFY(first.HitTest(QPoint(1, 2)));

        Frame().Action(CommandId::FileNew)->trigger();
        QCOMPARE(View().windowTitle(), QStringLiteral("Zelkle2"));
        Frame().DocumentArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first.parentWidget()));
        Frame().Action(CommandId::FileClose)->trigger();
        QTest::qWait(0);
        QCOMPARE(Frame().DocumentArea()->subWindowList().size(), 1);
        QCOMPARE(View().windowTitle(), QStringLiteral("Zelkle2"));
    }

    void ClosingIsIgnoredWhileBusy()
    {
        Start();
        app->State().busy = true;
        Frame().Action(CommandId::FileClose)->trigger();
        Frame().close();
        QTest::qWait(0);
        QVERIFY(Frame().isVisible());
        QCOMPARE(Frame().DocumentArea()->subWindowList().size(), 1);
        app->State().busy = false;
        QVERIFY(Frame().close());
    }

    void PlacementRoundTripWhenSaveIs1()
    {
        settings->Store().WriteStrings("WindowSize", {{"Save", "1"}, {"NormPosL", "100"}, {"NormPosT", "80"},
                                                    {"NormPosR", "700"}, {"NormPosB", "530"}});
        Start();
        QCOMPARE(Frame().geometry(), QRect(100, 80, 600, 450));
        Frame().setGeometry(150, 120, 640, 480);
        QVERIFY(Frame().close());
        QCOMPARE(settings->Store().GetInt("WindowSize", "NormPosL", 0), 150);
        QCOMPARE(settings->Store().GetInt("WindowSize", "NormPosT", 0), 120);
        QCOMPARE(settings->Store().GetInt("WindowSize", "NormPosR", 0), 790);
        QCOMPARE(settings->Store().GetInt("WindowSize", "NormPosB", 0), 600);
        QCOMPARE(settings->Store().GetInt("WindowSize", "showCmd", 0), 1);
        app.reset();
        Start();
        QCOMPARE(Frame().geometry(), QRect(150, 120, 640, 480));
    }

    void NothingIsWrittenWhenSaveIs0()
    {
        Start();
        Frame().setGeometry(150, 120, 640, 480);
        QVERIFY(Frame().close());
        app->ExitInstance();
        QVERIFY(!settings->FileExists());
    }

    void StoredPlacementOffEveryScreenComesBack()
    {
        settings->Store().WriteStrings("WindowSize", {{"Save", "1"}, {"NormPosL", "-5000"}, {"NormPosT", "-5000"},
                                                    {"NormPosR", "-4500"}, {"NormPosB", "-4650"}});
        Start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(Frame().geometry()));
        QCOMPARE(Frame().geometry().size(), QSize(500, 350));
    }

    void FitOntoScreens_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("on screen") << QRect(100, 100, 500, 350) << QRect(100, 100, 500, 350);
        QTest::newRow("partly off, reachable") << QRect(-400, 50, 500, 350) << QRect(-400, 50, 500, 350);
        QTest::newRow("a sliver") << QRect(-490, 50, 500, 350) << QRect(0, 50, 500, 350);
        QTest::newRow("far left") << QRect(-5000, 100, 500, 350) << QRect(0, 100, 500, 350);
        QTest::newRow("below the second") << QRect(2000, 3000, 500, 350) << QRect(2000, 1080 - 350, 500, 350);
        QTest::newRow("larger than the screen") << QRect(5000, 0, 3000, 300) << QRect(1920, 0, 1920, 300);
    }

    void FitOntoScreens()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, fitted);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
        QCOMPARE(quilsk::FitOntoScreens(window, screens), fitted);
    }

    void RecentFilesAreKeptAndShown()
    {
        settings->Store().WriteStrings("Recent File List", {{"File1", "/results/a.txt"}, {"File2", "/results/b.txt"}});
        Start();
        QStringList shown = Texts(TopMenu(Frame(), "ﾌｧｲﾙ(&F)")->actions());
        QVERIFY(shown.contains(QStringLiteral("&1 /results/a.txt")));
        QVERIFY(shown.contains(QStringLiteral("&2 /results/b.txt")));
        QVERIFY(!shown.contains(Ui("最近使ったファイル")));
        QVERIFY(Frame().close());
        app->ExitInstance();
        QCOMPARE(settings->Store().GetString("Recent File List", "File2", ""), std::string("/results/b.txt"));
    }

    void ColourCommandStoresTheChosenColour()
    {
        Start();
        QColor initial;
        CModalDriver driver;
        driver.OnNextDialog([&](QDialog* dialog) {
            auto* chooser = qobject_cast<QColorDialog*>(dialog);
            QVERIFY(chooser);
            initial = chooser->currentColor();
            chooser->setCurrentColor(QColor(0x12, 0x34, 0x56));
            chooser->accept();
        });
        Frame().Action(CommandId::HighlightTextColor)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(initial, QColor(Qt::black));
        QCOMPARE(settings->Store().GetString("Color", "HlTxtColor", ""), std::string("5649426"));

        driver.OnNextDialog([](QDialog* dialog) { dialog->reject(); });
        Frame().Action(CommandId::TextColor)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(settings->Store().GetString("Color", "TxtColor", "unset"), std::string("unset"));
    }

    void FailedSettingsWriteIsShownInTheStatusBar()
    {
        Start();
        std::filesystem::create_directory(settings->Store().Path());  // a directory where the file should be
        CModalDriver driver;
        driver.OnNextDialog([](QDialog* dialog) { dialog->accept(); });
        Frame().Action(CommandId::TextColor)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QVERIFY(Frame().statusBar()->currentMessage().startsWith(Ui("設定ファイルに書き込めませんでした")));
    }

    void HelpAndAboutShowTheProgramsOwnTexts()
    {
        Start();
        Frame().Action(CommandId::HelpIndex)->trigger();
        auto* help = Frame().findChild<CHelpWindow*>();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->toPlainText().contains(Ui("検索のしかた")));

        CModalDriver driver;
        Frame().Action(CommandId::AppAbout)->trigger();
        QCOMPARE(driver.Messages().size(), 1);
        QCOMPARE(driver.Messages()[0].caption, Ui("バージョン情報"));
        const QString about = driver.Messages()[0].text;
        QVERIFY(about.contains(QStringLiteral("Quillseek")));
        QVERIFY(about.contains(QStringLiteral(QUILSK_VERSION)));
    }

    void DialogsAreLightGreyWithBlackText()
    {
        Start();
        QDialog dialog;
        auto* label = new QLabel(QStringLiteral("text"), &dialog);
        dialog.ensurePolished();
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QMessageBox box;
        box.ensurePolished();
        QCOMPARE(box.palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void KeyStatePanesFollowTheTypedKeys()
    {
        Start();
        CKeyIndicators* keys = Frame().KeyIndicators();
        QTest::keyClick(&View(), Qt::Key_A, Qt::NoModifier);
        QVERIFY(!keys->IsOn(CKeyIndicators::Cap));
        QTest::sendKeyEvent(QTest::Click, &View(), Qt::Key_A, QStringLiteral("A"), Qt::NoModifier);
        QVERIFY(keys->IsOn(CKeyIndicators::Cap));
        QTest::sendKeyEvent(QTest::Click, &View(), Qt::Key_7, QStringLiteral("7"), Qt::KeypadModifier);
        QVERIFY(keys->IsOn(CKeyIndicators::Num));
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
