#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "platform/ui/qt_text.h"
#include "search/ui/word_group_dlg.h"
#include "settings/word_groups.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

const QString kNoWord = Ui("追加する単語が見つかりません(^_^;)\n記入していただけましたか？");
const QString kAlreadyThere = Ui("既に登録されているようです。(^_^;)");
const QString kNoWordSelected = Ui("削除する単語が指定されていないようなんですが・・・(^_^;)");
const QString kNoGroupName = Ui("追加するグループ名が見つかりません(^_^;)\n記入していただけましたか？");
const QString kNoGroupSelected = Ui("削除するグループが指定されていないようなんですが・・・(^_^;)");

// The dialog's widgets by role.
struct CEditor {
    CEditGroupDlg& dlg;
    QLineEdit* word = dlg.findChild<QLineEdit*>("word");
    QLineEdit* groupName = dlg.findChild<QLineEdit*>("groupName");
    QListWidget* words = dlg.findChild<QListWidget*>("words");
    QListWidget* groups = dlg.findChild<QListWidget*>("groups");

    void Click(const char* button) { dlg.findChild<QPushButton*>(button)->click(); }
    void AddWord(const QString& text)
    {
        TypeText(word, text);
        Click("addWord");
    }
    void SelectGroup(const QString& name) { ClickRow(groups, static_cast<int>(RowTexts(groups).indexOf(name))); }
};

}  // namespace

class EditGroupDlgTest : public QObject {
    Q_OBJECT

private slots:
    void RefusalsShowTheirMessageAndChangeNothing_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("add no word") << "" << "" << "addWord" << kNoWord << "word";
        QTest::newRow("add a held word") << "CAT" << "" << "addWord" << kAlreadyThere << "word";
        QTest::newRow("delete no word") << "" << "" << "deleteWord" << kNoWordSelected << "words";
        QTest::newRow("add no group") << "" << "" << "addGroup" << kNoGroupName << "groupName";
        QTest::newRow("add a held group") << "" << "ANIMALS" << "addGroup" << kAlreadyThere << "groupName";
        QTest::newRow("delete no group") << "" << "" << "deleteGroup" << kNoGroupSelected << "groups";
        QTest::newRow("separator in a word") << "a|b" << "" << "addWord" << Ui("単語に「|」は使えません。(^_^;)")
                                             << "word";
        for (const char* name : {"a=b", ";a", "[a", "a|b"})
            QTest::newRow(name) << "" << name << "addGroup"
                                << Ui("グループ名に「|」や「=」は使えません。「;」や「[」で始めることもできません。(^_^;)")
                                << "groupName";
        // A key with blanks at either end is never found again; " [Options]" would even open a section.
        for (const char* name : {"nuts ", " [Options]", " lead"})
            for (const char* button : {"addGroup", "addWord"})
                QTest::newRow((std::string(name) + " " + button).c_str())
                    << "w" << name << button << Ui("グループ名の前後に空白は使えません。(^_^;)") << "groupName";
    }

    void ControlCharactersAreRefused()
    {
        CModalDriver driver;
        CTestSettings file;
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        editor.groupName->setText(QStringLiteral("a\nb"));
        editor.Click("addGroup");
        editor.groupName->clear();
        editor.word->setText(QStringLiteral("c\rd"));
        editor.Click("addWord");
        QCOMPARE(driver.MessageTexts(), (QStringList{Ui("グループ名に改行などの制御文字は使えません。(^_^;)"),
                                                     Ui("単語に改行などの制御文字は使えません。(^_^;)")}));
        QVERIFY(!file.FileExists());
    }

    void WordsWithBlanksAtTheirEndsAreKept()
    {
        CModalDriver driver;
        CTestSettings file;
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        TypeText(editor.groupName, QStringLiteral("g"));
        editor.AddWord(QStringLiteral(" lead"));
        editor.AddWord(QStringLiteral("trail "));
        editor.Click("addGroup");
        QCOMPARE(ReadGroupWords(file.Store(), "g"), (std::vector<std::string>{" lead", "trail "}));
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void RefusalsShowTheirMessageAndChangeNothing()
    {
        QFETCH(QString, word);
        QFETCH(QString, groupName);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        CModalDriver driver;
        CTestSettings file;
        WriteGroupNames(file.Store(), {"animals"});
        WriteGroupWords(file.Store(), "animals", {"cat", "dog"});
        const std::string before = file.Bytes();
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        editor.SelectGroup("animals");
        editor.groupName->clear();
        editor.groups->clearSelection();
        TypeText(editor.word, word);
        TypeText(editor.groupName, groupName);
        editor.Click(button.toLatin1().constData());
        QCOMPARE(driver.MessageTexts(), QStringList{message});
        QCOMPARE(dlg.focusWidget()->objectName(), focus);
        QCOMPARE(RowTexts(editor.words), (QStringList{"cat", "dog"}));
        QCOMPARE(file.Bytes(), before);
    }

    void BuildingAGroupWritesEachStepAtOnce()
    {
        CModalDriver driver;
        CTestSettings file;
        WriteGroupNames(file.Store(), {"tools", "Animals"});
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        QCOMPARE(RowTexts(editor.groups), (QStringList{"Animals", "tools"}));
        QCOMPARE(editor.words->count(), 0);

        TypeText(editor.groupName, Ui("果物"));
        editor.AddWord("banana");
        QCOMPARE(editor.word->text(), QString());
        QCOMPARE(dlg.focusWidget(), editor.word);
        editor.AddWord("Apple");
        QCOMPARE(RowTexts(editor.words), (QStringList{"Apple", "banana"}));
        QCOMPARE(ReadGroupWords(file.Store(), Sjis("果物")), (std::vector<std::string>{"Apple", "banana"}));
        editor.Click("addGroup");
        QCOMPARE(ReadGroupNames(file.Store()), (std::vector<std::string>{"Animals", "tools", Sjis("果物")}));
        editor.AddWord("cherry");  // joins the group's words rather than replacing them
        QCOMPARE(ReadGroupWords(file.Store(), Sjis("果物")), (std::vector<std::string>{"Apple", "banana", "cherry"}));

        ClickRow(editor.words, 1);
        editor.Click("deleteWord");
        QCOMPARE(ReadGroupWords(file.Store(), Sjis("果物")), (std::vector<std::string>{"Apple", "cherry"}));
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void SelectingAGroupFirstWritesTheWordsOfTheGroupLastTaken()
    {
        CModalDriver driver;
        CTestSettings file;
        WriteGroupNames(file.Store(), {"a", "b"});
        WriteGroupWords(file.Store(), "a", {"x"});
        WriteGroupWords(file.Store(), "b", {"y"});
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        editor.SelectGroup("a");
        QCOMPARE(editor.groupName->text(), QStringLiteral("a"));
        QCOMPARE(RowTexts(editor.words), QStringList{"x"});
        file.Store().WriteString("WordGroup", "a", "changed|");
        TypeText(editor.groupName, QStringLiteral("typed"));  // not taken by any operation
        editor.SelectGroup("b");
        QCOMPARE(file.Get("WordGroup", "a"), std::string("x|"));
        QCOMPARE(file.Get("WordGroup", "atyped"), std::string("<missing>"));
        QCOMPARE(editor.groupName->text(), QStringLiteral("b"));
        QCOMPARE(RowTexts(editor.words), QStringList{"y"});
    }

    void DeletingGroupsKeepsTheirWords()
    {
        CModalDriver driver;
        CTestSettings file;
        WriteGroupNames(file.Store(), {"Solo"});
        WriteGroupWords(file.Store(), "Solo", {"one"});
        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        editor.SelectGroup("Solo");
        editor.groupName->setText("SOLO");
        editor.Click("deleteGroup");
        QCOMPARE(editor.groupName->text(), QString());
        QCOMPARE(editor.groups->count(), 0);
        QCOMPARE(file.Get("WordGroupNames", "Name"), std::string());
        QCOMPARE(file.Get("WordGroup", "Solo"), std::string("one|"));
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void OkCommitsWhatIsStillTyped()
    {
        CModalDriver driver;
        CTestSettings file;
        WriteGroupNames(file.Store(), {"fruit"});
        WriteGroupWords(file.Store(), "fruit", {"apple"});
        {
            CEditGroupDlg dlg(file.Store());
            dlg.show();
            CEditor editor{dlg};
            editor.SelectGroup("fruit");
            TypeText(editor.word, QStringLiteral("kiwi"));
            editor.Click("ok");
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QCOMPARE(ReadGroupWords(file.Store(), "fruit"), (std::vector<std::string>{"apple", "kiwi"}));

        CEditGroupDlg dlg(file.Store());
        dlg.show();
        CEditor editor{dlg};
        TypeText(editor.groupName, QStringLiteral("birds"));
        TypeText(editor.word, QStringLiteral("owl"));
        editor.Click("ok");
        QCOMPARE(ReadGroupNames(file.Store()), (std::vector<std::string>{"birds", "fruit"}));
        QCOMPARE(ReadGroupWords(file.Store(), "birds"), std::vector<std::string>{"owl"});
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void CancelWritesNothingMore()
    {
        CTestSettings file;
        CEditGroupDlg dlg(file.Store());
        CEditor editor{dlg};
        TypeText(editor.groupName, QStringLiteral("g"));
        TypeText(editor.word, QStringLiteral("w"));
        editor.Click("cancel");
        QVERIFY(!file.FileExists());
    }
};

QTEST_MAIN(EditGroupDlgTest)
#include "word_group_dlg_test.moc"
