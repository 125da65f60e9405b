#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "desktop/option_dlg.h"
#include "platform/ui/qt_text.h"
#include "results/font_setting.h"
#include "search/app_state.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

QString Checked(const COptionDlg& dlg, std::initializer_list<const char*> names)
{
    QStringList checked;
    for (const char* name : names)
        if (dlg.findChild<QCheckBox*>(name)->isChecked()) checked << name;
    return checked.join(' ');
}

}  // namespace

class OptionDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithDefaultsAndTheStoredMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("checked");
        QTest::newRow("no file") << QString() << "normal";
        QTest::newRow("quick") << "1" << "quick";
        QTest::newRow("super-quick") << "2" << "superQuick";
        QTest::newRow("hand-edited") << "7" << "normal";
    }

    void OpensWithDefaultsAndTheStoredMode()
    {
        QFETCH(QString, mode);
        QFETCH(QString, checked);
        CTestSettings file;
        if (!mode.isEmpty()) file.Store().WriteString("Options", "Mode", mode.toStdString());
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        QCOMPARE(Checked(dlg, {"normal", "quick", "superQuick", "index", "ignoreCase", "kw1Word", "drawText", "saveWindow"}),
                 checked);
        QCOMPARE(dlg.findChild<QLineEdit*>("hits")->text(), QStringLiteral("20"));
        QCOMPARE(dlg.findChild<QLineEdit*>("column")->text(), QStringLiteral("70"));
    }

    void NumberFieldsAreCheckedOnEveryChange_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("result");
        const QString fewColumns = Ui("桁数が少なすぎます!!");
        const QString manyColumns = Ui("桁数が大すぎます!!");
        const QString fewHits = Ui("ヒット数が少なすぎます!!");
        const QString manyHits = Ui("ヒット数が大すぎます!!");
        QTest::newRow("column 250") << "column" << "250" << QStringList{manyColumns} << "200";
        QTest::newRow("column 201") << "column" << "201" << QStringList{manyColumns} << "200";
        QTest::newRow("column 200") << "column" << "200" << QStringList{} << "200";
        QTest::newRow("column 30") << "column" << "30" << QStringList{} << "30";
        QTest::newRow("column 29") << "column" << "29" << QStringList{fewColumns} << "30";
        QTest::newRow("column cleared") << "column" << "" << QStringList{fewColumns} << "30";
        QTest::newRow("hits abc") << "hits" << "abc" << QStringList{fewHits} << "10";
        QTest::newRow("hits 0") << "hits" << "0" << QStringList{fewHits} << "10";
        QTest::newRow("hits -5") << "hits" << "-5" << QStringList{fewHits} << "10";
        QTest::newRow("hits 1") << "hits" << "1" << QStringList{} << "1";
        QTest::newRow("hits 100") << "hits" << "100" << QStringList{} << "100";
        QTest::newRow("hits 101") << "hits" << "101" << QStringList{manyHits} << "100";
    }

    void NumberFieldsAreCheckedOnEveryChange()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QStringList, messages);
        QFETCH(QString, result);
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        dlg.show();
        auto* edit = dlg.findChild<QLineEdit*>(field);
        edit->selectAll();
        if (pasted.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            edit->insert(pasted);
        QCOMPARE(driver.MessageTexts(), messages);
        QCOMPARE(edit->text(), result);
        if (field == "column" && !messages.isEmpty()) QCOMPARE(dlg.focusWidget(), edit);
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(QString::fromStdString(file.Get("Options", field == "column" ? "Column" : "Hits")), result);
    }

    void TypingPassesThroughTheIntermediateValues()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        auto* column = dlg.findChild<QLineEdit*>("column");
        TypeOver(column, QStringLiteral("250"));
        QCOMPARE(driver.MessageTexts(),
                 (QStringList{Ui("桁数が少なすぎます!!"), Ui("桁数が大すぎます!!"), Ui("桁数が大すぎます!!")}));
        QCOMPARE(column->text(), QStringLiteral("200"));
    }

    void MatchAndScanModeClickRules()
    {
        CTestSettings file;
        file.Store().WriteString("Options", "KW1Word", "1");
        file.Store().WriteString("Options", "KW2Word", "1");
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        const auto matches = [&] {
            return Checked(dlg, {"kw1Word", "kw1Forward", "kw1Back", "kw2Word", "kw2Forward", "kw2Back"});
        };
        dlg.findChild<QCheckBox*>("kw1Forward")->click();
        QCOMPARE(matches(), QStringLiteral("kw1Forward kw2Word"));
        dlg.findChild<QCheckBox*>("kw1Forward")->click();
        QCOMPARE(matches(), QStringLiteral("kw2Word"));

        const auto modes = [&] { return Checked(dlg, {"normal", "quick", "superQuick", "index"}); };
        dlg.findChild<QCheckBox*>("normal")->click();
        QCOMPARE(modes(), QStringLiteral("normal"));
        dlg.findChild<QCheckBox*>("index")->click();
        dlg.findChild<QCheckBox*>("superQuick")->click();
        QCOMPARE(modes(), QStringLiteral("superQuick index"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(file.Get("Options", "Mode"), std::string("2"));
        QCOMPARE(file.Get("Options", "Index"), std::string("1"));
    }

    void OkWritesEveryKeyInItsOrderAndCancelNothing()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        {
            COptionDlg dlg(file.Store(), state);
            dlg.findChild<QCheckBox*>("quick")->click();
            dlg.findChild<QPushButton*>("cancel")->click();
        }
        QVERIFY(!file.FileExists());

        COptionDlg dlg(file.Store(), state);
        dlg.findChild<QCheckBox*>("tagForm")->click();
        dlg.findChild<QCheckBox*>("saveWindow")->click();
        dlg.findChild<QCheckBox*>("quick")->click();
        TypeText(dlg.findChild<QLineEdit*>("indexDir"), Ui("/索引/"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        using Keys = std::vector<std::string>;
        QCOMPARE(file.KeysOf("Options"), (Keys{"KW1Word", "KW1Forward", "KW1Back", "KW2Word", "KW2Forward", "KW2Back",
                                               "IgnoreCase", "Column", "DrawText", "CheckData", "Index", "TagForm",
                                               "Mode", "Hits"}));
        QCOMPARE(file.KeysOf("WindowSize"), Keys{"Save"});
        QCOMPARE(file.KeysOf("Index"), Keys{"Dir"});
        QVERIFY(file.Bytes().find("[Options]") < file.Bytes().find("[WindowSize]"));
        QVERIFY(file.Bytes().find("[WindowSize]") < file.Bytes().find("[Index]"));
        QCOMPARE(file.Get("Options", "TagForm"), std::string("1"));
        QCOMPARE(file.Get("WindowSize", "Save"), std::string("1"));
        QCOMPARE(file.Get("Options", "Mode"), std::string("1"));
        QCOMPARE(file.Get("Options", "Column"), std::string("70"));
        QCOMPARE(file.Get("Index", "Dir"), Sjis("/索引/"));
        QVERIFY(driver.MessageTexts().isEmpty());
    }

    void FontIsStoredAtOnceAndSurvivesCancel()
    {
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        QFont chosen;
        QFont preset;
        driver.OnNextDialog([&](QDialog* d) {
            auto* fontDialog = qobject_cast<QFontDialog*>(d);
            QVERIFY(fontDialog);
            preset = fontDialog->currentFont();
            QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
            font.setPixelSize(20);
            font.setBold(true);
            font.setItalic(true);
            fontDialog->setCurrentFont(font);
            chosen = fontDialog->currentFont();
            fontDialog->accept();
        });
        dlg.findChild<QPushButton*>("fontSettings")->click();
        dlg.findChild<QPushButton*>("cancel")->click();

        QCOMPARE(preset.family().toLower(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toLower());
        QCOMPARE(file.KeysOf("Font"), (std::vector<std::string>{"TextFont", "TextFontFace"}));
        CFontSetting stored;
        QVERIFY(stored.Load(file.Store()));
        QCOMPARE(stored.font.height, -QFontInfo(chosen).pixelSize());
        QCOMPARE(stored.font.weight, chosen.weight());
        QCOMPARE(stored.font.italic != 0, chosen.italic());
        QCOMPARE(ToQString(stored.font.faceName), chosen.family());
        QCOMPARE(int(stored.font.charSet), 128);
        QVERIFY(file.KeysOf("Options").empty());
    }

    void ChosenIndexDirectoryIsStoredOnlyWithOk()
    {
        CModalDriver driver;
        CTestSettings file;
        const auto indexDir = file.Dir() / "idx";
        MakeFile(indexDir / "$$TMP$$.a");
        const QString chosen = QString::fromStdString(indexDir.string()) + "/";
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        QString preset;
        driver.OnNextDialog([&](QDialog* d) {
            QCOMPARE(QString::fromLatin1(d->metaObject()->className()), QStringLiteral("quilsk::CSelDirDlg"));
            auto* directory = d->findChild<QLineEdit*>("directory");
            preset = directory->text();
            directory->setText(chosen);
            d->findChild<QPushButton*>("ok")->click();
        });
        const QString typed = QString::fromStdString(file.Dir().string()) + "/";
        TypeText(dlg.findChild<QLineEdit*>("indexDir"), typed);
        dlg.findChild<QPushButton*>("chooseIndexDir")->click();
        QCOMPARE(preset, typed);
        QCOMPARE(dlg.findChild<QLineEdit*>("indexDir")->text(), chosen);
        dlg.findChild<QPushButton*>("cancel")->click();
        QVERIFY(!file.FileExists());
    }

    void ButtonsOpenTheirDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("quick") << "quickSettings" << "quilsk::CQuickDlg";
        QTest::newRow("print") << "printSettings" << "quilsk::CPrintOptDlg";
    }

    void ButtonsOpenTheirDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        CModalDriver driver;
        CTestSettings file;
        CAppState state;
        COptionDlg dlg(file.Store(), state);
        QCOMPARE(driver.ClassOfDialogOpenedBy(dlg.findChild<QPushButton*>(button)), dialog);
    }
};

QTEST_MAIN(OptionDlgTest)
#include "option_dlg_test.moc"
