#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "desktop/application.h"
#include "desktop/main_frame.h"
#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "search/result_document.h"
#include "settings/standard_profile.h"
#include "support/ui/modal_driver.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Answers the next file dialog with `path`.
void ChooseFile(CModalDriver& driver, const QString& path)
{
    driver.OnNextDialog([path](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
        files->selectFile(path);
        dialog->accept();  // QFileDialog's own accept, checks included
    });
}

QString SaveQuestion(const char* title) { return Ui("%1 の検索結果は保存されていません。保存しますか?").arg(Ui(title)); }

}  // namespace

class ResultFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CZelklexApp> app;

    CMainFrame& Frame() { return *app->MainFrame(); }
    CZelklexView& View() { return *Frame().ActiveView(); }
    CZelklexDoc& Doc() { return View().Document(); }
    int WindowCount() { return static_cast<int>(Frame().DocumentArea()->subWindowList().size()); }
    std::filesystem::path PathOf(const char* name) { return settings->Dir() / name; }
    QString QPathOf(const char* name) { return QString::fromStdString(PathOf(name).string()); }
    // Results as a search leaves them: modified.
    void SetResults(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines) Doc().Results().Append(line + "\r\n");
        Doc().SetModified(true);
        Doc().UpdateAllViews();
        QCoreApplication::processEvents();  // the commands' states follow
    }
    QAction* RecentFileItem(int number)
    {
        const QString prefix = QStringLiteral("&%1 ").arg(number);
        for (QAction* action : Frame().menuBar()->actions().first()->menu()->actions())
            if (action->isVisible() && action->text().startsWith(prefix)) return action;
        return nullptr;
    }

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        app = std::make_unique<CZelklexApp>(settings->Store().Path());
        app->InitInstance();
    }
    void cleanup() { app.reset(); }

    void SaveAsWritesTheLinesByteForByte_data()
    {
        QTest::addColumn<std::vector<std::string>>("lines");
        QTest::newRow("three plain results") << std::vector<std::string>{"apple : 1", "pear : 2", Sjis("林檎 : 3")};
        QTest::newRow("tags and ESC bytes") << std::vector<std::string>{
            Sjis("/dic/ZELK.TXT(   1234) \x1b" "apple\x1b : りんご"), "* an \x1b" "apple\x1b a day", ""};
    }

    void SaveAsWritesTheLinesByteForByte()
    {
        QFETCH(std::vector<std::string>, lines);
        SetResults(lines);
        std::string expected;
        for (const std::string& line : lines) expected += line + "\r\n";
        CModalDriver driver;
        ChooseFile(driver, QPathOf("saved.txt"));
        Frame().Action(CommandId::FileSaveAs)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QVERIFY(driver.MessageTexts().isEmpty());

        QCOMPARE(ReadFile(PathOf("saved.txt")), expected);
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Doc().PathName(), PathOf("saved.txt").string());
        QCOMPARE(View().windowTitle(), QStringLiteral("saved.txt"));
        QCOMPARE(app->Profile().RecentFiles(), std::vector<std::string>{PathOf("saved.txt").string()});
        QVERIFY(RecentFileItem(1) && RecentFileItem(1)->text().endsWith(QPathOf("saved.txt")));
    }

    void SaveWritesToTheKnownFileWithoutAsking()
    {
        SetResults({"apple"});
        CModalDriver driver;
        ChooseFile(driver, QPathOf("r.txt"));
        Frame().Action(CommandId::FileSave)->trigger();  // no file yet: asks for one
        QCOMPARE(driver.PendingHandlers(), 0);
        SetResults({"pear"});
        Frame().Action(CommandId::FileSave)->trigger();
        QVERIFY(driver.UnexpectedDialogs().isEmpty());
        QCOMPARE(ReadFile(PathOf("r.txt")), std::string("apple\r\npear\r\n"));
        QVERIFY(!Doc().IsModified());
    }

    void RefusedOrFailedSavesKeepTheResultsModified_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("not writable in cp932") << QStringLiteral("r\u00e9sum\u00e9.txt")
                                              << Ui("には Shift-JIS で書けない文字が含まれているため、保存できません。");
        QTest::newRow("under a plain file") << QStringLiteral("plain.txt/r.txt") << Ui("に保存できませんでした。");
    }

    void RefusedOrFailedSavesKeepTheResultsModified()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        std::ofstream(PathOf("plain.txt")) << "x";
        SetResults({"apple"});
        CModalDriver driver;
        ChooseFile(driver, QString::fromStdString(settings->Dir().string()) + "/" + fileName);
        Frame().Action(CommandId::FileSaveAs)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(driver.Messages().size(), 1);
        QVERIFY2(driver.Messages()[0].text.contains(message), qPrintable(driver.Messages()[0].text));
        QVERIFY(Doc().IsModified());
        QVERIFY(Doc().PathName().empty());
        QVERIFY(app->Profile().RecentFiles().empty());
        QVERIFY(!std::filesystem::exists(settings->Dir() / fileName.toStdString()));
    }

    void ClosingModifiedResultsAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("no") << int(QMessageBox::No) << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
    }

    void ClosingModifiedResultsAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        SetResults({"apple"});
        // A second window on the same document closes without a question.
        Frame().Action(CommandId::WindowNew)->trigger();
        CModalDriver driver;
        Frame().DocumentArea()->currentSubWindow()->close();
        QTest::qWait(0);
        QCOMPARE(WindowCount(), 1);
        QVERIFY(driver.Messages().isEmpty());

        driver.AnswerNextMessage(static_cast<QMessageBox::StandardButton>(answer));
        ChooseFile(driver, QPathOf("closing.txt"));
        Frame().DocumentArea()->currentSubWindow()->close();
        QTest::qWait(0);
        QCOMPARE(driver.MessageTexts(), QStringList{SaveQuestion("Zelkle1")});
        QCOMPARE(driver.Messages()[0].caption, QStringLiteral("Quillseek"));
        QCOMPARE(WindowCount(), closed ? 0 : 1);
        QCOMPARE(std::filesystem::exists(PathOf("closing.txt")), saved);
        QVERIFY(driver.UnexpectedDialogs().isEmpty());
    }

    void CloseCommandAsksOnceForADocumentInTwoWindows()
    {
        SetResults({"apple"});
        Frame().Action(CommandId::WindowNew)->trigger();
        CModalDriver driver;
        driver.AnswerNextMessage(QMessageBox::No);
        Frame().Action(CommandId::FileClose)->trigger();
        QTest::qWait(0);
        QCOMPARE(driver.Messages().size(), 1);
        QCOMPARE(WindowCount(), 0);
    }

    void ExitAsksForEveryModifiedDocument()
    {
        SetResults({"apple"});
        Frame().Action(CommandId::FileNew)->trigger();
        Frame().Action(CommandId::FileNew)->trigger();
        SetResults({"pear"});
        CModalDriver driver;
        driver.AnswerNextMessage(QMessageBox::No);
        driver.AnswerNextMessage(QMessageBox::Cancel);
        QVERIFY(!Frame().close());
        QCOMPARE(driver.MessageTexts(), (QStringList{SaveQuestion("Zelkle1"), SaveQuestion("Zelkle3")}));
        QVERIFY(Frame().isVisible());
        QCOMPARE(WindowCount(), 3);

        driver.ClearMessages();
        driver.AnswerNextMessage(QMessageBox::No);
        driver.AnswerNextMessage(QMessageBox::No);
        QVERIFY(Frame().close());
        QCOMPARE(driver.Messages().size(), 2);
    }

    void SavedResultsComeBackFromTheRecentFileList()
    {
        const std::vector<std::string> lines = {Sjis("/dic/A.TXT(     12) \x1b" "apple\x1b : りんご"), "pear : 2"};
        SetResults(lines);
        CModalDriver driver;
        ChooseFile(driver, QPathOf("back.txt"));
        Frame().Action(CommandId::FileSaveAs)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);

        // Open already: the recent entry brings its window to the front.
        Frame().Action(CommandId::FileNew)->trigger();
        RecentFileItem(1)->trigger();
        QCOMPARE(WindowCount(), 2);
        QCOMPARE(View().windowTitle(), QStringLiteral("back.txt"));

        Frame().Action(CommandId::FileClose)->trigger();
        QTest::qWait(0);
        QCOMPARE(WindowCount(), 1);
        RecentFileItem(1)->trigger();
        QCOMPARE(WindowCount(), 2);
        QCOMPARE(View().windowTitle(), QStringLiteral("back.txt"));
        QCOMPARE(Doc().PathName(), PathOf("back.txt").string());
        QVERIFY(!Doc().IsModified());
        const std::vector<std::string> loaded(Doc().Results().begin(), Doc().Results().end());
        QCOMPARE(loaded, (std::vector<std::string>{lines[0] + "\r\n", lines[1] + "\r\n"}));
        QVERIFY(View().HitTest(QPoint(1, View().Metrics().LinePitch() + 1)));
        QVERIFY(driver.Messages().isEmpty());
    }

    void AFileThatIsGoneIsReportedAndLeavesTheList()
    {
        app->Profile().AddRecentFile(PathOf("kept.txt").string());
        app->Profile().AddRecentFile(PathOf("gone.txt").string());
        std::ofstream(PathOf("kept.txt"), std::ios::binary) << "kept\r\n";
        Frame().UpdateRecentFiles();
        CModalDriver driver;
        RecentFileItem(1)->trigger();
        QCOMPARE(driver.Messages().size(), 1);
        QVERIFY(driver.Messages()[0].text.startsWith(Ui("ファイル %1 を開けませんでした。").arg(QPathOf("gone.txt"))));
        QCOMPARE(WindowCount(), 1);
        QCOMPARE(app->Profile().RecentFiles(), std::vector<std::string>{PathOf("kept.txt").string()});
        QVERIFY(RecentFileItem(1)->text().endsWith(QStringLiteral("kept.txt")));
        QVERIFY(!RecentFileItem(2));
    }
};

QTEST_MAIN(ResultFilesTest)
#include "result_files_test.moc"
