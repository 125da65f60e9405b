// Every dialog opens ready for typing, and the search dialog's Tab key follows
// its reading order.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "desktop/directory_dlg.h"
#include "desktop/option_dlg.h"
#include "desktop/registration_dlg.h"
#include "desktop/search_dlg.h"
#include "platform/ui/qt_text.h"
#include "results/result_list.h"
#include "results/ui/copy_dlg.h"
#include "results/ui/editor_command_dlg.h"
#include "results/ui/editor_options_dlg.h"
#include "results/ui/print_options_dlg.h"
#include "search/app_state.h"
#include "search/ui/keyword_history_dlg.h"
#include "search/ui/narrowing_dlg.h"
#include "search/ui/quick_letters_dlg.h"
#include "search/ui/word_group_dlg.h"
#include "settings/dictionary_categories.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(CSettingsStore&, CAppState&)> make;
    const char* focused;  // object name of the control that has the focus
};

}  // namespace

class DialogFocusTest : public QObject {
    Q_OBJECT

private slots:
    void EveryDialogOpensWithTheFocusOnItsFirstInput()
    {
        CExStringList results;
        const DialogCase cases[] = {
            {"search", [](auto& s, auto& a) { return std::make_unique<CSearchDlg>(s, a); }, "keyword1"},
            {"narrowing", [](auto& s, auto& a) { return std::make_unique<CReseaDlg>(s, a); }, "keyword"},
            {"options", [](auto& s, auto& a) { return std::make_unique<COptionDlg>(s, a); }, "ignoreCase"},
            {"registration", [](auto& s, auto&) { return std::make_unique<CFileSelDlg>(s, "Dictionary"); },
             "directory"},
            {"directory", [](auto&, auto&) { return std::make_unique<CSelDirDlg>(QStringLiteral("/")); },
             "directory"},
            {"history",
             [](auto& s, auto& a) {
                 return std::make_unique<CHistoryDlg>(s, a.history, HistoryMode::Keyword1, QStringLiteral("apple"));
             },
             "text"},
            {"word groups", [](auto& s, auto&) { return std::make_unique<CEditGroupDlg>(s); }, "word"},
            {"quick letters", [](auto& s, auto&) { return std::make_unique<CQuickDlg>(s); }, "headings"},
            {"editor options", [](auto& s, auto&) { return std::make_unique<CEditOptDlg>(s); }, "resultFile"},
            {"print options", [](auto& s, auto&) { return std::make_unique<CPrintOptDlg>(s); }, "Line"},
            {"editor command", [](auto& s, auto&) { return std::make_unique<CSetEditDlg>(s); }, "commandLine"},
            {"copy",
             [&results](auto&, auto&) { return std::make_unique<CEditCopyDlg>(results, [] {}); },
             "text"},
        };
        for (const DialogCase& each : cases) {
            CModalDriver driver;  // answers the warning of a dialog that finds nothing registered
            CTestSettings settings;
            settings.Store().WriteString("Keyword", "Keyword1", "apple");
            settings.Store().WriteString("Resea", "Keyword", "pie");
            CAppState app;
            const std::unique_ptr<QDialog> dialog = each.make(settings.Store(), app);
            dialog->show();
            QCoreApplication::processEvents();
            // The control that gets the keys once the dialog is active (a warning
            // box at opening may hold the activation meanwhile).
            QWidget* focused = dialog->focusWidget();
            QVERIFY2(focused, each.name);
            QVERIFY2(focused->objectName() == QLatin1String(each.focused),
                     qPrintable(QStringLiteral("%1: %2").arg(each.name, focused->objectName())));
            if (auto* field = qobject_cast<QLineEdit*>(focused))
                QVERIFY2(field->selectedText() == field->text(), each.name);
            dialog->reject();
        }
    }

    void TypingAfterOpeningReplacesTheFirstKeyword()
    {
        CModalDriver driver;
        CTestSettings settings;
        settings.Store().WriteString("Keyword", "Keyword1", "apple");
        WriteRegistration(settings.Store(), Category::Main, {"/nowhere/", "*.*"});  // no warning at opening
        CAppState app;
        CSearchDlg dialog(settings.Store(), app);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("pear"));
        QCOMPARE(dialog.findChild<QLineEdit*>("keyword1")->text(), QStringLiteral("pear"));
    }

    void SearchDialogTabsInReadingOrder()
    {
        CModalDriver driver;
        CTestSettings settings;
        CAppState app;
        CSearchDlg dialog(settings.Store(), app);
        QStringList order;
        QWidget* each = dialog.findChild<QLineEdit*>("keyword1");
        for (int i = 0; i < 16; ++i) {
            order << each->objectName();
            do each = each->nextInFocusChain();
            while (each->focusPolicy() == Qt::NoFocus || each->objectName().isEmpty());
        }
        QCOMPARE(order.join(' '), QStringLiteral("keyword1 word1 group1 history1 keyword2 word2 group2 history2 and "
                                                 "not or sort entry example category_main category_proper-nouns"));
        QWidget* last = dialog.findChild<QPushButton*>("cancel");
        QCOMPARE(dialog.findChild<QPushButton*>("ok")->nextInFocusChain(), last);
    }
};

QTEST_MAIN(DialogFocusTest)
#include "dialog_focus_test.moc"
