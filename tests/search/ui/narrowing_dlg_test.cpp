#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "search/ui/narrowing_dlg.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

QString Checked(const CReseaDlg& dlg)
{
    QStringList names;
    for (const char* name : {"word", "group", "ignoreCase", "wordSearch", "before", "back"})
        if (dlg.findChild<QCheckBox*>(name)->isChecked()) names << name;
    return names.join(' ');
}

}  // namespace

class ReseaDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningCorrectsTheStoredSwitches_data()
    {
        QTest::addColumn<QStringList>("stored");  // key=value
        QTest::addColumn<QString>("checked");
        QTest::newRow("no file") << QStringList{} << "word";
        QTest::newRow("word and group both set") << QStringList{"Group=1"} << "word";
        QTest::newRow("group") << QStringList{"Word=0", "Group=1", "Ignorecase=1"} << "group ignoreCase";
        QTest::newRow("one match mode") << QStringList{"Before=1"} << "word before";
        QTest::newRow("two match modes") << QStringList{"Before=1", "Back=1"} << "word";
    }

    void OpeningCorrectsTheStoredSwitches()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, checked);
        CTestSettings file;
        for (const QString& setting : stored)
            file.Store().WriteString("ReSea", setting.section('=', 0, 0).toStdString(), setting.section('=', 1).toStdString());
        CAppState state;
        CReseaDlg dlg(file.Store(), state);
        QCOMPARE(Checked(dlg), checked);
    }

    void OkWritesAllSevenKeysAndCancelNone()
    {
        CTestSettings file;
        CAppState state;
        {
            CReseaDlg dlg(file.Store(), state);
            TypeText(dlg.findChild<QLineEdit*>("keyword"), QStringLiteral("x"));
            dlg.findChild<QPushButton*>("cancel")->click();
        }
        QVERIFY(!file.FileExists());
        CReseaDlg dlg(file.Store(), state);
        TypeText(dlg.findChild<QLineEdit*>("keyword"), Ui("猫"));
        dlg.findChild<QCheckBox*>("back")->click();
        dlg.findChild<QCheckBox*>("wordSearch")->click();
        dlg.findChild<QCheckBox*>("ignoreCase")->click();
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(file.KeysOf("ReSea"),
                 (std::vector<std::string>{"Word", "Group", "IgnoreCase", "WordSearch", "Before", "Back", "Keyword"}));
        std::vector<std::string> values;
        for (const char* key : {"Word", "Group", "IgnoreCase", "WordSearch", "Before", "Back", "Keyword"})
            values.push_back(file.Get("ReSea", key));
        QCOMPARE(values, (std::vector<std::string>{"1", "0", "1", "1", "0", "0", Sjis("猫")}));
    }

    void HistoryOffersTheKeyword1History()
    {
        CModalDriver driver;
        CTestSettings file;
        file.Store().WriteString("History", "Keyword1A", "pear");
        CAppState state;
        state.history.Load(file.Store());
        CReseaDlg dlg(file.Store(), state);
        QString label;
        driver.OnNextDialog([&](QDialog* history) {
            label = history->findChild<QLabel*>("label")->text();
            history->findChild<QLineEdit*>("text")->setText("pear");
            history->findChild<QPushButton*>("ok")->click();
        });
        dlg.findChild<QPushButton*>("history")->click();
        QCOMPARE(label, Ui("第1キーワード"));
        QCOMPARE(dlg.findChild<QLineEdit*>("keyword")->text(), QStringLiteral("pear"));
    }
};

QTEST_MAIN(ReseaDlgTest)
#include "narrowing_dlg_test.moc"
