#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "desktop/directory_dlg.h"
#include "desktop/registration_dlg.h"
#include "platform/current_directory.h"
#include "platform/file_system.h"
#include "platform/ui/qt_text.h"
#include "settings/dictionary_categories.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

const QString kNoFile = Ui("ファイルがありまへんで(-_-ﾒ)");

// A dictionary tree: dic/ZELK5.A, dic/ZELK5.B, dic/readme.txt, dic/Sub/ZELK-HOI.1
struct CDictionaryTree {
    CTestSettings file;
    std::filesystem::path dic = file.Dir() / "dic";
    QString dicText;

    CDictionaryTree()
    {
        for (const char* name : {"ZELK5.A", "ZELK5.B", "readme.txt", "Sub/ZELK-HOI.1"}) MakeFile(dic / name);
        dicText = QString::fromStdString(dic.string()) + "/";
    }
};

template <typename T>
T* Child(QObject& parent, const char* name)
{
    return parent.findChild<T*>(name);
}

}  // namespace

class FileSelDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningTakesStoredTextsOrDefaults_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("storedMask");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("mask");
        QTest::newRow("main, nothing stored") << Ui("ZELK電子辞書") << QString() << Ui("ZELK電子辞書") << "ZELK5*.*";
        QTest::newRow("abbreviations") << Ui("略語辞書") << QString() << Ui("略語辞書") << Ui("ZELK略語.*");
        QTest::newRow("stored mask wins") << Ui("補遺") << "*.TXT" << Ui("補遺") << "*.TXT";
        QTest::newRow("others offer no mask") << Ui("その他") << QString() << Ui("対象ファイル群") << "";
        QTest::newRow("unknown section") << Ui("辞書") << QString() << Ui("対象ファイル群") << "";
    }

    void OpeningTakesStoredTextsOrDefaults()
    {
        QFETCH(QString, section);
        QFETCH(QString, storedMask);
        QFETCH(QString, caption);
        QFETCH(QString, mask);
        CDictionaryTree tree;
        const std::string sectionText = *ToCp932(section);
        if (!storedMask.isEmpty()) tree.file.Store().WriteString(sectionText, "Filename", storedMask.toStdString());
        CCurrentDirectoryScope here(*FromNativePath(tree.dic));
        CFileSelDlg dlg(tree.file.Store(), sectionText);
        QCOMPARE(Child<QLabel>(dlg, "caption")->text(), caption);
        QCOMPARE(Child<QLineEdit>(dlg, "fileName")->text(), mask);
        QCOMPARE(Child<QLineEdit>(dlg, "directory")->text(), tree.dicText);
    }

    void ListsShowDirectoriesDrivesAndMatchingFiles()
    {
        CDictionaryTree tree;
        tree.file.Store().WriteStrings(InfoOf(Category::Main).section,
                                       {{"Dir", *ToCp932(tree.dicText)}, {"Filename", "zelk5*.*"}});
        CFileSelDlg dlg(tree.file.Store(), InfoOf(Category::Main).section);
        QCOMPARE(RowTexts(Child<QListWidget>(dlg, "directories")), (QStringList{"[..]", "[Sub]"}));
        QCOMPARE(RowTexts(Child<QListWidget>(dlg, "files")), (QStringList{"ZELK5.A", "ZELK5.B"}));
        const QStringList drives = RowTexts(Child<QListWidget>(dlg, "drives"));
        QCOMPARE(drives.first(), QStringLiteral("[/]"));
        QVERIFY(drives.contains("[" + QDir::homePath() + "/]"));
    }

    void NavigatingRefillsTheLists()
    {
        CDictionaryTree tree;
        const std::string main = InfoOf(Category::Main).section;
        // Stored upper-cased, as earlier versions did: shown as spelt on disk.
        tree.file.Store().WriteStrings(main, {{"Dir", *ToCp932(tree.dicText.toUpper())}, {"Filename", "*.*"}});
        CFileSelDlg dlg(tree.file.Store(), main);
        dlg.show();
        auto* directory = Child<QLineEdit>(dlg, "directory");
        auto* directories = Child<QListWidget>(dlg, "directories");
        auto* files = Child<QListWidget>(dlg, "files");
        QCOMPARE(directory->text(), tree.dicText);

        DoubleClickRow(directories, 1);  // [Sub]
        QCOMPARE(directory->text(), tree.dicText + "Sub/");
        QCOMPARE(RowTexts(files), QStringList{"ZELK-HOI.1"});
        QCOMPARE(RowTexts(directories), QStringList{"[..]"});
        DoubleClickRow(directories, 0);  // [..]
        QCOMPARE(directory->text(), tree.dicText);
        QCOMPARE(files->count(), 3);

        TypeOver(Child<QLineEdit>(dlg, "fileName"), QStringLiteral("*.b"));
        QCOMPARE(RowTexts(files), QStringList{"ZELK5.B"});
        directory->setText("/");  // a typed directory refills nothing
        QCOMPARE(RowTexts(files), QStringList{"ZELK5.B"});
        DoubleClickRow(files, 0);
        QCOMPARE(Child<QLineEdit>(dlg, "fileName")->text(), QStringLiteral("ZELK5.B"));

        DoubleClickRow(Child<QListWidget>(dlg, "drives"), 0);  // [/]
        QCOMPARE(directory->text(), QStringLiteral("/"));
        QVERIFY(!RowTexts(directories).contains("[..]"));
        QVERIFY(RowTexts(directories).contains("[tmp]"));
    }

    void OkWarnsWhenNoFileMatchesAndCancelWritesNothing()
    {
        CModalDriver driver;
        CDictionaryTree tree;
        const std::string supplement = InfoOf(Category::Supplement).section;
        {
            CCurrentDirectoryScope here(*FromNativePath(tree.dic));
            CFileSelDlg dlg(tree.file.Store(), supplement);
            dlg.show();
            driver.AnswerNextMessage(QMessageBox::Cancel);
            Child<QPushButton>(dlg, "ok")->click();
            QCOMPARE(driver.Messages().size(), 1);
            QCOMPARE(driver.Messages().first().caption, Ui("作者からのお知らせ"));
            QCOMPARE(driver.Messages().first().text, kNoFile);
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.focusWidget(), Child<QLineEdit>(dlg, "fileName"));
            Child<QPushButton>(dlg, "cancel")->click();
        }
        QVERIFY(!tree.file.FileExists());

        CFileSelDlg dlg(tree.file.Store(), supplement);
        dlg.show();
        Child<QLineEdit>(dlg, "directory")->setText(QString::fromStdString(tree.dic.string()));
        Child<QPushButton>(dlg, "ok")->click();  // the warning is answered with OK: registered anyway
        QCOMPARE(driver.MessageTexts(), (QStringList{kNoFile, kNoFile}));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const CategoryRegistration stored = ReadRegistration(tree.file.Store(), Category::Supplement);
        QCOMPARE(stored.dir, *ToCp932(tree.dicText));
        QCOMPARE(stored.mask, std::string("ZELK-HOI.*"));
    }

    void OkWithMatchingFilesRegistersWithoutWarning()
    {
        CModalDriver driver;
        CDictionaryTree tree;
        CCurrentDirectoryScope here(*FromNativePath(tree.dic));
        CFileSelDlg dlg(tree.file.Store(), InfoOf(Category::Main).section);
        Child<QPushButton>(dlg, "ok")->click();
        QVERIFY(driver.MessageTexts().isEmpty());
        QCOMPARE(tree.file.KeysOf(InfoOf(Category::Main).section), (std::vector<std::string>{"Dir", "Filename"}));
        QCOMPARE(tree.file.Get(InfoOf(Category::Main).section, "Filename"), std::string("ZELK5*.*"));
    }

    void DirectoryChooserStartsSomewhereThatExists_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("keptPreset");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("missing") << "/no/such/dir/" << false;
        QTest::newRow("existing") << "dic" << true;
    }

    void DirectoryChooserStartsSomewhereThatExists()
    {
        QFETCH(QString, preset);
        QFETCH(bool, keptPreset);
        CDictionaryTree tree;
        CCurrentDirectoryScope here(*FromNativePath(tree.dic / "Sub"));
        const QString presetText = preset == "dic" ? tree.dicText : preset;
        CSelDirDlg dlg(presetText);
        const QString expected = keptPreset ? tree.dicText : tree.dicText + "Sub/";
        QCOMPARE(Child<QLineEdit>(dlg, "directory")->text(), expected);
        QCOMPARE(RowTexts(Child<QListWidget>(dlg, "files")),
                 keptPreset ? (QStringList{"readme.txt", "ZELK5.A", "ZELK5.B"}) : QStringList{"ZELK-HOI.1"});
        Child<QLineEdit>(dlg, "directory")->setText(QString::fromStdString(tree.dic.string()));
        QCOMPARE(dlg.Directory(), tree.dicText);
    }
};

QTEST_MAIN(FileSelDlgTest)
#include "registration_dlg_test.moc"
