#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "platform/file_system.h"
#include "platform/ui/qt_text.h"
#include "search/ui/quick_letters_dlg.h"
#include "settings/dictionary_categories.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

struct CQuickSetup {
    CTestSettings file;
    std::filesystem::path dic = file.Dir() / "dic";

    explicit CQuickSetup(std::initializer_list<const char*> names, const char* mask = "*.*")
    {
        std::filesystem::create_directories(dic);
        for (const char* name : names) MakeFile(dic / name);
        WriteRegistration(file.Store(), Category::Main, {*FromNativePath(dic) + "/", mask});
    }
};

}  // namespace

class QuickDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpensOnLetterAAndSwitchesLetterByDoubleClick()
    {
        CQuickSetup setup({});
        setup.file.Store().WriteString("Quick", "A", "ZELK5.A");
        setup.file.Store().WriteString("Quick", "z", "ZELK5.Z");
        CQuickDlg dlg(setup.file.Store());
        dlg.show();
        auto* headings = dlg.findChild<QListWidget*>("headings");
        QCOMPARE(headings->count(), 26);
        QCOMPARE(headings->item(0)->text(), Ui("Ａで始まる単語"));
        QCOMPARE(headings->item(25)->text(), Ui("Ｚで始まる単語"));
        QCOMPARE(dlg.findChild<QLabel*>("heading")->text(), Ui("Ａで始まる単語"));
        QCOMPARE(dlg.findChild<QLabel*>("directory")->text(), QString::fromStdString(setup.dic.string()) + "/");
        auto* fileField = dlg.findChild<QLineEdit*>("file");
        QCOMPARE(fileField->text(), QStringLiteral("ZELK5.A"));

        DoubleClickRow(headings, 25);
        QCOMPARE(dlg.findChild<QLabel*>("heading")->text(), Ui("Ｚで始まる単語"));
        QCOMPARE(fileField->text(), QStringLiteral("ZELK5.Z"));
        DoubleClickRow(headings, 1);
        QCOMPARE(fileField->text(), QString());
        QCOMPARE(setup.file.KeysOf("Quick"), (std::vector<std::string>{"A", "z"}));
    }

    void EveryChangeIsStoredAtOnceAndCancelKeepsIt()
    {
        CModalDriver driver;
        CQuickSetup setup({});
        {
            CQuickDlg dlg(setup.file.Store());
            dlg.show();
            auto* fileField = dlg.findChild<QLineEdit*>("file");
            TypeText(fileField, Ui("辞書A"));
            QCOMPARE(setup.file.Get("Quick", "A"), Sjis("辞書A"));
            TypeText(fileField, QString::fromUtf8("\xF0\x9F\x98\x80"));
            QCOMPARE(driver.MessageTexts().size(), 1);
            QVERIFY(driver.MessageTexts().first().contains(Ui("「使用する辞書ﾌｧｲﾙ」")));
            QCOMPARE(fileField->text(), Ui("辞書A"));
            dlg.findChild<QPushButton*>("cancel")->click();
        }
        QCOMPARE(setup.file.Get("Quick", "A"), Sjis("辞書A"));
    }

    void AutomaticRecognitionFillsTheLettersOrSaysNothingWasFound()
    {
        CModalDriver driver;
        CQuickSetup setup({"ZELK5.A", "ZELKB.TXT", "ZELKC1.TXT", "ZELK5.D01", "ZELK5.E-G", "README"});
        setup.file.Store().WriteString("Quick", "A", "old");
        setup.file.Store().WriteString("Quick", "Z", "kept");
        CQuickDlg dlg(setup.file.Store());
        dlg.findChild<QPushButton*>("recognize")->click();
        QVERIFY(driver.MessageTexts().isEmpty());
        QCOMPARE(dlg.findChild<QLineEdit*>("file")->text(), QStringLiteral("ZELK5.A"));
        QCOMPARE(dlg.findChild<QListWidget*>("headings")->count(), 26);
        QStringList stored;
        for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H", "Z"})
            stored << QString::fromStdString(setup.file.Store().GetString("Quick", letter, "-"));
        QCOMPARE(stored, (QStringList{"ZELK5.A", "ZELKB.TXT", "ZELKC1.TXT", "ZELK5.D0*", "ZELK5.E-G", "ZELK5.E-G",
                                      "ZELK5.E-G", "-", "kept"}));

        CQuickSetup empty({"README"}, "ZELK5*.*");
        CQuickDlg nothing(empty.file.Store());
        nothing.findChild<QPushButton*>("recognize")->click();
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("ファイルがみつかりませんでした(ｰｰ;)")});
        QVERIFY(empty.file.KeysOf("Quick").empty());
    }

    void BrowseTakesTheChosenFilesName()
    {
        CModalDriver driver;
        CQuickSetup setup({"ZELK5.B"});
        CQuickDlg dlg(setup.file.Store());
        QString startDir;
        driver.OnNextDialog([&](QDialog* d) {
            auto* chooser = qobject_cast<QFileDialog*>(d);
            QVERIFY(chooser);
            startDir = chooser->directory().absolutePath();
            chooser->selectFile(QString::fromStdString((setup.dic / "ZELK5.B").string()));
            static_cast<QDialog*>(chooser)->accept();
        });
        dlg.findChild<QPushButton*>("browse")->click();
        QCOMPARE(startDir, QString::fromStdString(setup.dic.string()));
        QCOMPARE(dlg.findChild<QLineEdit*>("file")->text(), QStringLiteral("ZELK5.B"));
        QCOMPARE(setup.file.Get("Quick", "A"), std::string("ZELK5.B"));
    }
};

QTEST_MAIN(QuickDlgTest)
#include "quick_letters_dlg_test.moc"
