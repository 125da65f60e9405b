#include <QFileDialog>
#include <QFontMetrics>
#include <QStatusBar>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "desktop/application.h"
#include "desktop/main_frame.h"
#include "desktop/result_view.h"
#include "index/index_builder.h"
#include "platform/ui/qt_text.h"
#include "search/result_document.h"
#include "support/argument_recorder.h"
#include "support/ui/modal_driver.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace

// The result window's double-clicks: the left one opens the editor, the right
// one looks the word under the pointer up in the index.
class ResultMouseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CZelklexApp> app;

    CMainFrame& Frame() { return *app->MainFrame(); }
    CZelklexView& View() { return *Frame().ActiveView(); }
    CZelklexDoc& Doc() { return View().Document(); }
    QPoint RowPoint(int row, int x = 3) { return QPoint(x, row * View().Metrics().LinePitch() + 2); }
    void DoubleClick(Qt::MouseButton button, QPoint at) { QTest::mouseDClick(View().viewport(), button, {}, at); }
    std::vector<std::string> Lines() { return {Doc().Results().begin(), Doc().Results().end()}; }

    void SearchApple(bool tagForm)
    {
        settings->Store().WriteString("Keyword", "Keyword1", "apple");
        settings->Store().WriteInt("Options", "TagForm", tagForm ? 1 : 0);
        QVERIFY(Doc().Search(ReadSearchRequest(settings->Store())));
        QCOMPARE(Doc().Results().Count(), size_t(2));
    }

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        WriteDictionary(*settings, "ZELK.TXT",
                        {Sjis("■apple : りんご"), Sjis("■pear : なし"), Sjis("■apple pie : アップルパイ")});
        RegisterMainDictionary(*settings, "ZELK.TXT");
        app = std::make_unique<CZelklexApp>(settings->Store().Path());
        app->InitInstance();
        Doc().SetRecordHistory(false);
    }
    void cleanup() { app.reset(); }

    void TagFormLineOpensItsDictionaryLine()
    {
        CArgumentRecorder editor(settings->Dir());
        settings->Store().WriteString("Editor", "CmdLine", Quoted(editor.Program()) + " %F +%R");
        SearchApple(true);
        CModalDriver driver;
        DoubleClick(Qt::LeftButton, RowPoint(1));
        const auto record = editor.WaitForRecord();
        QVERIFY(record);
        QCOMPARE(*record, (std::vector<std::string>{"19", (settings->Dir() / "ZELK.TXT").string(), "+3"}));
        QVERIFY(driver.Messages().isEmpty());  // tag mode never asks to save
    }

    void PlainLineOpensTheSavedResultsAtTheRow()
    {
        CArgumentRecorder editor(settings->Dir());
        // No file macro: the file comes last.
        settings->Store().WriteString("Editor", "CmdLine", Quoted(editor.Program()) + " -n %R");
        SearchApple(false);
        const std::filesystem::path saved = settings->Dir() / "results.txt";
        CModalDriver driver;
        driver.AnswerNextMessage(QMessageBox::Yes);
        driver.OnNextDialog([&saved](QDialog* dialog) {
            qobject_cast<QFileDialog*>(dialog)->selectFile(QString::fromStdString(saved.string()));
            dialog->accept();
        });
        DoubleClick(Qt::LeftButton, RowPoint(1));
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("Zelkle1 の検索結果は保存されていません。保存しますか?")});
        const auto record = editor.WaitForRecord();
        QVERIFY(record);
        QCOMPARE(*record, (std::vector<std::string>{"19", "-n", "2", saved.string()}));
    }

    void UnsavedResultsStartNothingAndAFailedStartIsShown()
    {
        settings->Store().WriteString("Editor", "CmdLine", "/nonexistent/editor %F");
        SearchApple(false);
        CModalDriver driver;
        driver.AnswerNextMessage(QMessageBox::No);
        DoubleClick(Qt::LeftButton, RowPoint(0));
        QCOMPARE(driver.Messages().size(), 1);
        QVERIFY(driver.UnexpectedDialogs().isEmpty());  // no file dialog either
        QCOMPARE(Frame().statusBar()->currentMessage(), Ui("がんばろう! ZIVO"));

        SearchApple(true);
        DoubleClick(Qt::LeftButton, RowPoint(0));
        QCOMPARE(driver.Messages().size(), 1);
        QVERIFY2(Frame().statusBar()->currentMessage().startsWith(Ui("エディタを起動できませんでした: ")),
                 qPrintable(Frame().statusBar()->currentMessage()));
    }

    void RightDoubleClickLooksTheWordUp()
    {
        settings->Store().WriteString("Index", "Dir", (settings->Dir() / "idx").string() + "/");
        std::filesystem::create_directories(settings->Dir() / "idx");
        QCOMPARE(QString::fromStdString(BuildIndex(settings->Store()).status.Reason()), QString());
        Doc().Results().Append(std::string_view("I like apple\r\n"));
        Doc().UpdateAllViews();
        const QFontMetrics metrics(View().font());
        const int onApple = metrics.horizontalAdvance(QStringLiteral("I like ap"));
        const int onBlank = metrics.horizontalAdvance(QStringLiteral("I")) + 1;

        CModalDriver driver;
        app->State().busy = true;
        DoubleClick(Qt::RightButton, RowPoint(0, onApple));
        app->State().busy = false;
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("作業中です。もう少しお待ちください。")});
        QCOMPARE(Lines(), std::vector<std::string>{"I like apple\r\n"});

        DoubleClick(Qt::RightButton, RowPoint(0, onBlank));
        QCOMPARE(Lines(), std::vector<std::string>{"I like apple\r\n"});

        DoubleClick(Qt::RightButton, RowPoint(0, onApple));
        const std::vector<std::string> found = Lines();
        QCOMPARE(found.size(), size_t(2));
        for (const std::string& line : found) QVERIFY2(line.find("apple") != std::string::npos, line.c_str());
        QVERIFY(View().HitTest(RowPoint(1)));  // the view shows the new lines
        QCOMPARE(driver.Messages().size(), 1);
    }
};

QTEST_MAIN(ResultMouseTest)
#include "result_mouse_test.moc"
