#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "desktop/search_dlg.h"
#include "platform/file_system.h"
#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "settings/dictionary_categories.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

const QString kNothingRegistered = Ui("検索対象ファイルの登録をしてくださいね(^o^)");

struct Setting {
    const char* section;
    const char* key;
    const char* value;
};

QString CheckedBoxes(const CSearchDlg& dlg)
{
    QStringList names;
    for (const char* name : {"word1", "group1", "word2", "group2", "and", "not", "or"})
        if (dlg.findChild<QCheckBox*>(name)->isChecked()) names << name;
    return names.join(' ');
}

}  // namespace

class SearchDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningCorrectsContradictorySwitches_data()
    {
        QTest::addColumn<QList<Setting>>("settings");
        QTest::addColumn<QString>("checked");
        QTest::newRow("no settings file") << QList<Setting>{} << "word1 word2 and";
        QTest::newRow("word and group both 0") << QList<Setting>{{"Option", "KW1Word", "0"}, {"Option", "KW1Group", "0"}}
                                               << "word1 word2 and";
        QTest::newRow("word and group both 1") << QList<Setting>{{"Option", "KW2Word", "1"}, {"Option", "KW2Group", "1"}}
                                               << "word1 word2 and";
        QTest::newRow("groups as stored") << QList<Setting>{{"Option", "KW1Word", "0"}, {"Option", "KW1Group", "1"},
                                                            {"Option", "KW2Word", "0"}, {"Option", "KW2Group", "1"}}
                                          << "group1 group2 and";
        QTest::newRow("no combination") << QList<Setting>{{"Keyword", "AndSearch", "0"}} << "word1 word2 and";
        QTest::newRow("AND and OR kept as read") << QList<Setting>{{"Keyword", "OrSearch", "1"}} << "word1 word2 and or";
        QTest::newRow("NOT alone") << QList<Setting>{{"Keyword", "AndSearch", "0"}, {"Keyword", "NotSearch", "1"}}
                                   << "word1 word2 not";
        QTest::newRow("2 is not set") << QList<Setting>{{"Keyword", "AndSearch", "2"}, {"Keyword", "OrSearch", "1"}}
                                      << "word1 word2 or";
    }

    void OpeningCorrectsContradictorySwitches()
    {
        QFETCH(QList<Setting>, settings);
        QFETCH(QString, checked);
        CTestSettings file;
        for (const Setting& s : settings) file.Store().WriteString(s.section, s.key, s.value);
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        QCOMPARE(CheckedBoxes(dlg), checked);
    }

    void WarnsAfterOpeningWhenNothingIsRegistered()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        {
            CSearchDlg dlg(file.Store(), state);
            dlg.show();
            QCoreApplication::processEvents();
            QVERIFY(dlg.isVisible());
        }
        QCOMPARE(driver.MessageTexts(), QStringList{kNothingRegistered});
        QCOMPARE(driver.Messages().first().caption, QStringLiteral("Quillseek"));

        driver.ClearMessages();
        WriteRegistration(file.Store(), Category::Spare2, {"/dic/", "*.*"});
        CSearchDlg dlg(file.Store(), state);
        dlg.show();
        QCoreApplication::processEvents();
        QVERIFY(driver.MessageTexts().isEmpty());
        QCOMPARE(dlg.findChild<QLabel*>("status_spare2")->text(), Ui("登録済"));
        QCOMPARE(dlg.findChild<QLabel*>("status_main")->text(), Ui("未登録"));
        QVERIFY(file.KeysOf("Keyword").empty());
    }

    void CombinationClicksLeaveExactlyOneChecked()
    {
        CTestSettings file;
        file.Store().WriteString("Keyword", "OrSearch", "1");
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        auto* andBox = dlg.findChild<QCheckBox*>("and");
        auto* notBox = dlg.findChild<QCheckBox*>("not");
        auto* orBox = dlg.findChild<QCheckBox*>("or");
        andBox->click();  // unchecks AND; OR stays the only one
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("word1 word2 or"));
        orBox->click();  // the only checked box cannot be unchecked
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("word1 word2 or"));
        notBox->click();
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("word1 word2 not"));
    }

    void WordAndGroupBoxesAreAPair()
    {
        CTestSettings file;
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        dlg.findChild<QCheckBox*>("group1")->click();
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("group1 word2 and"));
        dlg.findChild<QCheckBox*>("group1")->click();
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("word1 word2 and"));
        dlg.findChild<QCheckBox*>("word2")->click();
        QCOMPARE(CheckedBoxes(dlg), QStringLiteral("word1 group2 and"));
    }

    void OkWithoutKeyword1RefusesAndWritesNothing()
    {
        CModalDriver driver;
        CTestSettings file;
        WriteRegistration(file.Store(), Category::Main, {"/dic/", "*.*"});
        const std::string before = file.Bytes();
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        dlg.show();
        TypeText(dlg.findChild<QLineEdit*>("keyword2"), QStringLiteral("pear"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("キーワードが指定されていません!!(^_^;)")});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.focusWidget(), dlg.findChild<QLineEdit*>("keyword1"));
        QCOMPARE(file.Bytes(), before);
    }

    void OkWritesTheKeysInOrder()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        dlg.show();
        TypeText(dlg.findChild<QLineEdit*>("keyword1"), Ui("青りんご "));
        dlg.findChild<QCheckBox*>("group2")->click();
        dlg.findChild<QCheckBox*>("or")->click();
        dlg.findChild<QCheckBox*>("entry")->click();
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));

        using Keys = std::vector<std::string>;
        QCOMPARE(file.KeysOf("Option"), (Keys{"KW1Word", "KW2Word", "KW1Group", "KW2Group", "Sort", "Entry", "Example"}));
        QCOMPARE(file.KeysOf("Keyword"), (Keys{"AndSearch", "OrSearch", "NotSearch", "Keyword1", "Keyword2"}));
        Keys values;
        for (const char* key : {"KW1Word", "KW2Word", "KW1Group", "KW2Group", "Sort", "Entry", "Example"})
            values.push_back(file.Get("Option", key));
        QCOMPARE(values, (Keys{"1", "0", "0", "1", "0", "1", "0"}));
        QCOMPARE(file.Get("Keyword", "OrSearch"), std::string("1"));
        QCOMPARE(file.Get("Keyword", "AndSearch"), std::string("0"));
        QVERIFY(file.Bytes().find(Sjis("Keyword1=青りんご \r\n")) != std::string::npos ||
                file.Bytes().find(Sjis("Keyword1=青りんご \n")) != std::string::npos);
        QCOMPARE(file.Get("Keyword", "Keyword2"), std::string());
    }

    void CancelAndRefusedTextWriteNothing()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        {
            CSearchDlg dlg(file.Store(), state);
            dlg.show();
            TypeText(dlg.findChild<QLineEdit*>("keyword1"), QStringLiteral("pear"));
            dlg.findChild<QPushButton*>("cancel")->click();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
        CSearchDlg dlg(file.Store(), state);
        dlg.show();
        QCoreApplication::processEvents();
        driver.ClearMessages();
        TypeText(dlg.findChild<QLineEdit*>("keyword1"), QString::fromUtf8("pear\xF0\x9F\x98\x80"));
        dlg.findChild<QPushButton*>("ok")->click();
        QVERIFY(dlg.isVisible());
        QCOMPARE(driver.MessageTexts().size(), 1);
        QVERIFY(driver.MessageTexts().first().contains(Ui("「ｷｰﾜｰﾄﾞ(1)」")));
        QVERIFY(!file.FileExists());
    }

    void HistoryButtonsOfferHistoryOrGroupNames()
    {
        CModalDriver driver;
        CTestSettings file;
        file.Store().WriteString("WordGroupNames", "Name", "fruit|Animals|");
        file.Store().WriteString("History", "Keyword2A", "plum");
        file.Store().WriteString("History", "Keyword2B", "apple");
        CAppState state;
        state.history.Load(file.Store());
        CSearchDlg dlg(file.Store(), state);
        dlg.show();
        auto* keyword2 = dlg.findChild<QLineEdit*>("keyword2");
        auto* history2 = dlg.findChild<QPushButton*>("history2");

        QStringList offered;
        QString preset;
        const auto pick = [&](const QString& text) {
            return [&, text](QDialog* history) {
                offered = RowTexts(history->findChild<QListWidget*>("list"));
                preset = history->findChild<QLineEdit*>("text")->text();
                history->findChild<QLineEdit*>("text")->setText(text);
                history->findChild<QPushButton*>("ok")->click();
            };
        };
        TypeText(keyword2, QStringLiteral("pe"));
        driver.OnNextDialog(pick(QStringLiteral("plum")));
        history2->click();
        QCOMPARE(offered, (QStringList{"apple", "plum"}));
        QCOMPARE(preset, QStringLiteral("pe"));
        QCOMPARE(keyword2->text(), QStringLiteral("plum"));

        dlg.findChild<QCheckBox*>("group2")->click();
        driver.OnNextDialog([](QDialog* history) { history->findChild<QPushButton*>("cancel")->click(); });
        history2->click();
        QCOMPARE(keyword2->text(), QStringLiteral("plum"));
        driver.OnNextDialog(pick(QStringLiteral("fruit")));
        history2->click();
        QCOMPARE(offered, (QStringList{"Animals", "fruit"}));
        QCOMPARE(keyword2->text(), QStringLiteral("fruit"));
        QVERIFY(driver.UnexpectedDialogs().isEmpty());
    }

    void CategoryButtonRegistersFromTheMainDirectoryAndKeepsItAfterCancel()
    {
        CModalDriver driver;
        CTestSettings file;
        const auto mainDir = file.Dir() / "dic";
        MakeFile(mainDir / "ZELK-HOI.TXT");
        const std::string mainDirText = *FromNativePath(mainDir) + "/";
        WriteRegistration(file.Store(), Category::Main, {mainDirText, "ZELK5*.*"});
        const auto before = std::filesystem::current_path();
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        dlg.show();

        QString startDirectory;
        QString offeredMask;
        driver.OnNextDialog([&](QDialog* registration) {
            startDirectory = registration->findChild<QLineEdit*>("directory")->text();
            offeredMask = registration->findChild<QLineEdit*>("fileName")->text();
            registration->findChild<QPushButton*>("ok")->click();
        });
        dlg.findChild<QPushButton*>("category_supplement")->click();
        QCOMPARE(startDirectory, ToQString(mainDirText));
        QCOMPARE(offeredMask, QStringLiteral("ZELK-HOI.*"));
        QCOMPARE(std::filesystem::current_path(), before);
        QCOMPARE(dlg.findChild<QLabel*>("status_supplement")->text(), Ui("登録済"));
        dlg.findChild<QPushButton*>("cancel")->click();
        QVERIFY(ReadRegistration(file.Store(), Category::Supplement).IsRegistered());
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void ButtonsOpenTheirDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("options") << "options" << "quilsk::COptionDlg";
        QTest::newRow("word groups") << "editGroups" << "quilsk::CEditGroupDlg";
        QTest::newRow("main dictionary") << "category_main" << "quilsk::CFileSelDlg";
        QTest::newRow("history") << "history1" << "quilsk::CHistoryDlg";
    }

    void ButtonsOpenTheirDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        CSearchDlg dlg(file.Store(), state);
        QCOMPARE(driver.ClassOfDialogOpenedBy(dlg.findChild<QPushButton*>(button)), dialog);
        QVERIFY(!file.FileExists());
    }
};

QTEST_MAIN(SearchDlgTest)
#include "search_dlg_test.moc"
