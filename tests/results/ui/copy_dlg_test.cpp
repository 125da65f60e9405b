#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QtTest>

#include "platform/ui/qt_text.h"
#include "results/result_list.h"
#include "results/ui/copy_dlg.h"
#include "support/ui/gui_support.h"
#include "support/ui/modal_driver.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

const char* const kCopied = "転送完了(^_^)";

CExStringList ListOf(const std::vector<std::string>& lines)
{
    CExStringList list;
    for (const std::string& line : lines) list.Append(line + "\r\n");
    return list;
}

QPlainTextEdit* TextOf(CEditCopyDlg& dlg) { return dlg.findChild<QPlainTextEdit*>(QStringLiteral("text")); }
void Click(CEditCopyDlg& dlg, const char* button) { dlg.findChild<QPushButton*>(QString::fromLatin1(button))->click(); }

}  // namespace

class EditCopyDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("before")); }

    void TextStopsBelowTheClipboardLimit_data()
    {
        QTest::addColumn<int>("lastLineBytes");
        QTest::addColumn<bool>("lastLineShown");
        // The first line and its CR LF take 30,000 bytes.
        QTest::newRow("32,766 bytes in all") << 2766 << true;
        QTest::newRow("one byte more") << 2767 << false;
    }

    void TextStopsBelowTheClipboardLimit()
    {
        QFETCH(int, lastLineBytes);
        QFETCH(bool, lastLineShown);
        const std::string first = Sjis("林檎") + std::string(29994, 'a');
        const std::string last(static_cast<size_t>(lastLineBytes) - 2, 'z');
        const CExStringList list = ListOf({first, last});
        CEditCopyDlg dlg(list, [] {});

        const QString firstShown = Ui("林檎") + QString(29994, QLatin1Char('a'));
        const QString expected =
            lastLineShown ? firstShown + "\n" + QString::fromStdString(last) + "\n" : firstShown + "\n";
        QCOMPARE(TextOf(dlg)->toPlainText(), expected);
        QVERIFY(TextOf(dlg)->isReadOnly());
        const QString warning = dlg.findChild<QLabel*>(QStringLiteral("warning"))->text();
        QCOMPARE(warning, lastLineShown ? QString() : Ui("32KBを越えました。クリップボード経由ではすべてのデータの転送は不可能です。ファイル経由をご利用ください。"));
    }

    void CopyAllPutsTheWholeTextOnTheClipboardAndCloses_data()
    {
        QTest::addColumn<std::vector<std::string>>("lines");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("two lines") << std::vector<std::string>{Sjis("林檎 : apple"), "\x1bpear\x1b : 2"}
                                   << Ui("林檎 : apple\npear : 2\n");  // the highlight marks stay behind
        // Copying nothing leaves the clipboard as it was, and still reports.
        QTest::newRow("no results") << std::vector<std::string>{} << "before";
    }

    void CopyAllPutsTheWholeTextOnTheClipboardAndCloses()
    {
        QFETCH(std::vector<std::string>, lines);
        QFETCH(QString, clipboard);
        const CExStringList list = ListOf(lines);
        CEditCopyDlg dlg(list, [] {});
        dlg.show();
        QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("copyAll"))->isDefault());
        CModalDriver driver;
        Click(dlg, "copyAll");
        QCOMPARE(driver.MessageTexts(), QStringList{Ui(kCopied)});
        QCOMPARE(driver.Messages()[0].caption, QStringLiteral("Quillseek"));
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void CopyPartCopiesTheSelectionOnly_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("nothing selected") << 3 << 3 << Ui("転送するテキストが選択されていません(-_-ﾒ)ﾅﾒﾀﾗｲｶﾝｾﾞﾖ") << "before";
        QTest::newRow("a word") << 0 << 2 << Ui(kCopied) << Ui("林檎");
        QTest::newRow("across a line end") << 5 << 15 << Ui(kCopied) << Ui("apple\npear");
    }

    void CopyPartCopiesTheSelectionOnly()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, message);
        QFETCH(QString, clipboard);
        const CExStringList list = ListOf({Sjis("林檎 : apple"), "pear : 2"});
        CEditCopyDlg dlg(list, [] {});
        dlg.show();
        QTextCursor cursor = TextOf(dlg)->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        TextOf(dlg)->setTextCursor(cursor);
        CModalDriver driver;
        Click(dlg, "copyPart");
        QCOMPARE(driver.MessageTexts(), QStringList{message});
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QVERIFY(dlg.isVisible());
    }

    void ToFileRunsTheSaveStepAndStaysOpen()
    {
        const CExStringList list = ListOf({"apple"});
        int saves = 0;
        CEditCopyDlg dlg(list, [&saves] { ++saves; });
        dlg.show();
        Click(dlg, "toFile");
        QCOMPARE(saves, 1);
        QVERIFY(dlg.isVisible());
    }
};

QTEST_MAIN(EditCopyDlgTest)
#include "copy_dlg_test.moc"
