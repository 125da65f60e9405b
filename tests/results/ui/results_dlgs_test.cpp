#include <QCheckBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/ui/qt_text.h"
#include "results/font_setting.h"
#include "results/ui/editor_command_dlg.h"
#include "results/ui/editor_options_dlg.h"
#include "results/ui/font_mapping.h"
#include "results/ui/print_options_dlg.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

class ResultsDlgsTest : public QObject {
    Q_OBJECT

private slots:
    void PrintOptionsAreCheckedOnEveryChange_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        const QString notNegative = Ui("０以上の整数で指定してください!!");
        QTest::newRow("columns 5") << "Column" << "5" << Ui("桁数が少なすぎます!!") << "20";
        QTest::newRow("columns 20") << "Column" << "20" << QString() << "20";
        QTest::newRow("rows 9") << "Line" << "9" << Ui("行数が少なすぎます!!") << "10";
        QTest::newRow("pages 0") << "Page" << "0" << Ui("ページ数が少なすぎます!!") << "1";
        QTest::newRow("pages x") << "Page" << "x" << Ui("ページ数が少なすぎます!!") << "1";
        QTest::newRow("top -1") << "Top" << "-1" << notNegative << "0";
        QTest::newRow("top 0") << "Top" << "0" << QString() << "0";
        QTest::newRow("left -20") << "Left" << "-20" << notNegative << "0";
    }

    void PrintOptionsAreCheckedOnEveryChange()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        QFETCH(QString, result);
        CModalDriver driver;
        CTestSettings file;
        CPrintOptDlg dlg(file.Store());
        auto* edit = dlg.findChild<QLineEdit*>(field);
        edit->selectAll();
        edit->insert(pasted);
        QCOMPARE(driver.MessageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(edit->text(), result);
        QVERIFY(!file.FileExists());
    }

    void PrintOptionsOkWritesTheFieldsInOrder()
    {
        CTestSettings file;
        file.Store().WriteString("PrintOpt", "Page", "3");
        CPrintOptDlg dlg(file.Store());
        QCOMPARE(dlg.findChild<QLineEdit*>("Page")->text(), QStringLiteral("3"));
        QCOMPARE(dlg.findChild<QLineEdit*>("Line")->text(), QStringLiteral("30"));
        TypeText(dlg.findChild<QLineEdit*>("Left"), QStringLiteral("5"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(file.KeysOf("PrintOpt"), (std::vector<std::string>{"Page", "Column", "Line", "Top", "Left"}));
        std::vector<std::string> values;
        for (const char* key : {"Column", "Line", "Page", "Top", "Left"}) values.push_back(file.Get("PrintOpt", key));
        QCOMPARE(values, (std::vector<std::string>{"70", "30", "3", "0", "05"}));
    }

    void EditorCommandLineIsWrittenOnOkOnly()
    {
        CModalDriver driver;
        CTestSettings file;
        file.Store().WriteString("Editor", "CmdLine", "vi +%R %F");
        {
            CSetEditDlg dlg(file.Store());
            QCOMPARE(dlg.findChild<QLineEdit*>("commandLine")->text(), QStringLiteral("vi +%R %F"));
            dlg.findChild<QLineEdit*>("commandLine")->setText("x");
            dlg.findChild<QPushButton*>("cancel")->click();
        }
        QCOMPARE(file.Get("Editor", "CmdLine"), std::string("vi +%R %F"));

        const auto program = file.Dir() / "my editor";
        MakeFile(program);
        CSetEditDlg dlg(file.Store());
        driver.OnNextDialog([&](QDialog* d) {
            auto* chooser = qobject_cast<QFileDialog*>(d);
            QVERIFY(chooser);
            // Every file is listed from the start, not only those marked executable.
            QCOMPARE(chooser->nameFilters(), QStringList({Ui("すべてのファイル (*)"), Ui("実行ファイル (*)")}));
            QCOMPARE(chooser->selectedNameFilter(), chooser->nameFilters().first());
            QVERIFY(chooser->filter() & QDir::Files);
            QVERIFY(!(chooser->filter() & QDir::Executable));
            chooser->selectFile(QString::fromStdString(program.string()));
            static_cast<QDialog*>(chooser)->accept();
        });
        dlg.findChild<QPushButton*>("browse")->click();
        const QString quoted = "'" + QString::fromStdString(program.string()) + "'";
        QCOMPARE(dlg.findChild<QLineEdit*>("commandLine")->text(), quoted);
        TypeText(dlg.findChild<QLineEdit*>("commandLine"), QStringLiteral(" %F"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(QString::fromStdString(file.Get("Editor", "CmdLine")), quoted + " %F");
    }

    void DoubleClickOptionKeepsExactlyOneBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("resultFile");
        QTest::newRow("none") << QString() << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("2") << "2" << true;
    }

    void DoubleClickOptionKeepsExactlyOneBox()
    {
        QFETCH(QString, stored);
        QFETCH(bool, resultFile);
        CTestSettings file;
        if (!stored.isEmpty()) file.Store().WriteString("Options", "CallEditor", stored.toStdString());
        CEditOptDlg dlg(file.Store());
        auto* result = dlg.findChild<QCheckBox*>("resultFile");
        auto* tag = dlg.findChild<QCheckBox*>("tag");
        QCOMPARE(result->isChecked(), resultFile);
        QCOMPARE(tag->isChecked(), !resultFile);
        QCheckBox* checked = resultFile ? result : tag;
        checked->click();  // cannot leave both unchecked
        QVERIFY(checked->isChecked());
        (resultFile ? tag : result)->click();
        QCOMPARE(result->isChecked(), !resultFile);
        QCOMPARE(tag->isChecked(), resultFile);
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(file.Get("Options", "CallEditor"), std::string(resultFile ? "0" : "1"));
    }

    void FontMappingFollowsTheStoredFields()
    {
        CFontSetting defaults;
        const QFont fixed = ToQFont(defaults);
        QCOMPARE(fixed.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QCOMPARE(fixed.pixelSize(), 13);
        QCOMPARE(fixed.weight(), QFont::Normal);

        const QString installed = QFontDatabase::families().value(0);
        QVERIFY(!installed.isEmpty());
        CFontSetting styled;
        QVERIFY(styled.ParseNumbers("-20 0 0 0 700 1 1 1 128 1 2 1 1 255"));
        styled.font.faceName = *ToCp932(installed);
        const QFont font = ToQFont(styled);
        QCOMPARE(font.family(), installed);
        QCOMPARE(font.pixelSize(), 20);
        QVERIFY(font.bold() && font.italic() && font.underline() && font.strikeOut());

        styled.font.faceName = "No Such Face";
        QCOMPARE(ToQFont(styled).family(), fixed.family());

        const auto back = FromQFont(font, defaults);
        QVERIFY(back);
        QCOMPARE(back->FormatNumbers(), std::string("-20 0 0 0 700 1 1 1 128 1 2 1 1 0 0 0"));
        QCOMPARE(ToQString(back->font.faceName), installed);
    }
};

QTEST_MAIN(ResultsDlgsTest)
#include "results_dlgs_test.moc"
