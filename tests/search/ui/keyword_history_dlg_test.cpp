#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "platform/ui/qt_text.h"
#include "search/ui/keyword_history_dlg.h"
#include "settings/keyword_history.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

class HistoryDlgTest : public QObject {
    Q_OBJECT

private slots:
    void ListsTheModesEntriesSorted_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("keyword 1") << 1 << Ui("第1キーワード") << QStringList{"Apple", "pear", Ui("りんご")};
        QTest::newRow("keyword 2") << 2 << Ui("第2キーワード") << QStringList{"plum"};
        QTest::newRow("word groups") << 0 << Ui("単語ｸﾞﾙｰﾌﾟ一覧") << QStringList{"animals", "Fruit", "tools"};
    }

    void ListsTheModesEntriesSorted()
    {
        QFETCH(int, mode);
        QFETCH(QString, label);
        QFETCH(QStringList, entries);
        CTestSettings file;
        CSettingsStore& store = file.Store();
        store.WriteString("History", "Keyword1A", "pear");
        store.WriteString("History", "Keyword1B", Sjis("りんご"));
        store.WriteString("History", "Keyword1C", "Apple");
        store.WriteString("History", "Keyword2B", "plum");  // an empty head is no entry
        store.WriteString("History", "Keyword2A", "");
        store.WriteString("WordGroupNames", "Name", "tools|Fruit|");
        store.WriteString("WordGroupNames", "Name1", "animals|fruit|");
        CKeywordHistory history;
        history.Load(store);
        const std::string noKeyword;
        history.Record(store, nullptr, &noKeyword);  // an empty entry at the head
        CHistoryDlg dlg(store, history, static_cast<HistoryMode>(mode), QStringLiteral("preset"));
        QCOMPARE(dlg.findChild<QLabel*>("label")->text(), label);
        QCOMPARE(RowTexts(dlg.findChild<QListWidget*>("list")), entries);
        QCOMPARE(dlg.findChild<QLineEdit*>("text")->text(), QStringLiteral("preset"));
    }

    void DoubleClickTakesTheEntryAndOkNeedsAText()
    {
        CModalDriver driver;
        CTestSettings file;
        file.Store().WriteString("History", "Keyword1A", "pear");
        CKeywordHistory history;
        history.Load(file.Store());
        CHistoryDlg dlg(file.Store(), history, HistoryMode::Keyword1, QString());
        dlg.show();
        auto* text = dlg.findChild<QLineEdit*>("text");
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("選択していませんよ!!")});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.focusWidget(), text);

        DoubleClickRow(dlg.findChild<QListWidget*>("list"), 0);
        QCOMPARE(text->text(), QStringLiteral("pear"));
        QVERIFY(dlg.isVisible());
        TypeText(text, Ui("と梨"));
        dlg.findChild<QPushButton*>("ok")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Text(), Ui("pearと梨"));
        QVERIFY(!file.Store().GetString("History", "Keyword1B", "none").empty());
    }
};

QTEST_MAIN(HistoryDlgTest)
#include "keyword_history_dlg_test.moc"
