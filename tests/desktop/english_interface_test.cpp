#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "desktop/application.h"
#include "desktop/help_window.h"
#include "desktop/interface_language.h"
#include "desktop/main_frame.h"
#include "desktop/qt_japanese.h"
#include "desktop/search_dlg.h"
#include "platform/engine_text.h"
#include "search/app_state.h"
#include "support/ui/gui_support.h"

// The desktop application under an English locale (the test runs with
// LANG=en_US.UTF-8): its menus, dialogs, help, the engine's messages and Qt's
// own texts are English.

using namespace quilsk;
using namespace quilsk::test;

class EnglishInterfaceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CZelklexApp> app;

private slots:
    void initTestCase()
    {
        QVERIFY2(IsEnglishLocale(QLocale::system()), "run this test with LANG=en_US.UTF-8");
        settings = std::make_unique<CTestSettings>();
        app = std::make_unique<CZelklexApp>(settings->Store().Path());
        app->InitInstance();
    }
    void cleanupTestCase() { app.reset(); }

    void TheLocaleDecidesTheLanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("english");
        QTest::newRow("en_US") << "en_US" << true;
        QTest::newRow("en_GB") << "en_GB" << true;
        QTest::newRow("ja_JP") << "ja_JP" << false;
        QTest::newRow("C") << "C" << false;
        QTest::newRow("de_DE") << "de_DE" << false;
    }
    void TheLocaleDecidesTheLanguage()
    {
        QFETCH(QString, name);
        QFETCH(bool, english);
        QCOMPARE(IsEnglishLocale(QLocale(name)), english);
    }

    void TheMainWindowIsEnglish()
    {
        CMainFrame& frame = *app->MainFrame();
        QStringList menus;
        for (QAction* action : frame.menuBar()->actions())
            if (action->isVisible()) menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Search", "Narrow Down", "&Options", "&View", "&Window",
                                     "&Help"}));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Let's do our best! ZIVO"));
        QCOMPARE(frame.Action(CommandId::FileSaveAs)->text(), QStringLiteral("Save &As..."));
        QCOMPARE(frame.Action(CommandId::FileSaveAs)->statusTip(), QStringLiteral("Save the active file under a new name"));
    }

    void TheSearchDialogIsEnglish()
    {
        CAppState state;
        CSearchDlg dialog(settings->Store(), state);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Let's search the ZELK dictionaries (^.^)"));
        QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("and"))->text(), QStringLiteral("AND search"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->text(), QStringLiteral("Cancel"));
    }

    void TheHelpIsTheEnglishPage()
    {
        CHelpWindow help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Quillseek Help"));
        QVERIFY(help.toPlainText().contains(QStringLiteral("How to search")));
        QVERIFY(!help.toPlainText().contains(QString::fromUtf8("検索のしかた")));
    }

    void EngineMessagesAreEnglish()
    {
        QCOMPARE(Engine::tr("キーワードの初期化に失敗しました(;_;)"), std::string("Couldn't prepare the keywords (;_;)"));
        QCOMPARE(Engine::tr(" <<検索中 "), std::string(" <<searching "));
    }

    void QtsOwnTextsStayEnglish()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // What the check above catches: Qt's Japanese catalogue, where installed, translates it.
        if (const std::unique_ptr<QTranslator> japanese = InstallQtJapanese()) {
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QStringLiteral("Cancel"));
            QCoreApplication::removeTranslator(japanese.get());
        }
    }
};

QTEST_MAIN(EnglishInterfaceTest)
#include "english_interface_test.moc"
