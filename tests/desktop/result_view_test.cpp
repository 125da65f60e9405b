#include <QClipboard>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "desktop/qt_host.h"
#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "results/ui/byte_at_x.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "support/ui/modal_driver.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;

bool IsRed(QColor c) { return c.rgb() == kRed; }
bool IsInk(QColor c) { return c.rgb() != kWhite && c.rgb() != kRed; }

}  // namespace

class ZelklexViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    std::unique_ptr<CAppState> app;
    std::unique_ptr<CQtHost> host;
    std::shared_ptr<CZelklexDoc> doc;
    std::unique_ptr<CZelklexView> view;

    void SetLines(const std::vector<std::string>& lines)
    {
        doc->Results().Clear();
        for (const std::string& line : lines) doc->Results().Append(line + "\r\n");
        doc->UpdateAllViews();
    }
    QImage Grab() { return view->viewport()->grab().toImage(); }
    int Pitch() const { return view->Metrics().LinePitch(); }

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        SetResultFont(settings->Store(), 14);
        app = std::make_unique<CAppState>();
        host = std::make_unique<CQtHost>();
        doc = std::make_shared<CZelklexDoc>(*app, settings->Store(), *host, "Zelkle1");
        view = std::make_unique<CZelklexView>(doc, host->Views());
        view->resize(400, 300);
        view->show();
    }

    void cleanup()
    {
        view.reset();
        doc.reset();
    }

    void LinePitchIsTheCellHeightAndAThirteenthPlusOne_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("cellHeight");
        QTest::addColumn<int>("pitch");
        QTest::newRow("cell 16") << 14 << 16 << 18;
        QTest::newRow("cell 11") << 10 << 11 << 12;
        QTest::newRow("cell 24") << 20 << 24 << 26;
    }

    void LinePitchIsTheCellHeightAndAThirteenthPlusOne()
    {
        QFETCH(int, pixels);
        QFETCH(int, cellHeight);
        QFETCH(int, pitch);
        SetResultFont(settings->Store(), pixels);
        view->RereadFont();
        QCOMPARE(QFontMetrics(view->font()).height(), cellHeight);
        QCOMPARE(view->Metrics().LinePitch(), pitch);
        SetLines({"one", "two", "three"});
        QCOMPARE(view->HitTest(QPoint(1, pitch))->line, size_t(0));  // the gap below line 0
        QCOMPARE(view->HitTest(QPoint(1, pitch + 1))->line, size_t(1));
        QCOMPARE(view->HitTest(QPoint(1, 2 * pitch + 1))->line, size_t(2));
        QVERIFY(!view->HitTest(QPoint(1, 3 * pitch + 1)));
    }

    void HighlightSpansAreDrawnInTheHighlightColours()
    {
        settings->Store().WriteInt("Color", "TxtColor", 0xFF0000);  // blue
        settings->Store().WriteInt("Color", "HlBkColor", 0x0000FF);  // red
        settings->Store().WriteInt("Color", "HlTxtColor", 0x00FFFF); // yellow
        SetLines({"x\x1by\x1bz", "\x1bwhole", "plain"});
        const QImage image = Grab();
        const QFontMetrics metrics(view->font());
        const int w = metrics.horizontalAdvance(QStringLiteral("x"));
        const int cell = metrics.height();
        auto cellOf = [&](int column, int line) { return QRect(column * w, 1 + line * Pitch(), w, cell); };

        QCOMPARE(CountPixels(image, cellOf(0, 0), IsRed), 0);
        QVERIFY(CountPixels(image, cellOf(0, 0), [](QColor c) { return c.blue() > c.red() + 100; }) > 0);
        QVERIFY(CountPixels(image, cellOf(1, 0), IsRed) > w * cell / 2);
        QVERIFY(CountPixels(image, cellOf(1, 0), [](QColor c) { return c.red() > 200 && c.green() > 200; }) > 0);
        QCOMPARE(CountPixels(image, cellOf(2, 0), IsRed), 0);
        QVERIFY(CountPixels(image, cellOf(2, 0), IsInk) > 0);
        // The ESC bytes take no room: nothing is drawn after z.
        QCOMPARE(CountPixels(image, cellOf(3, 0), IsInk), 0);

        for (int column = 0; column < 5; ++column)
            QVERIFY(CountPixels(image, cellOf(column, 1), IsRed) > w * cell / 2);
        // The gap below a line stays in the background colour.
        QCOMPARE(CountPixels(image, QRect(0, 1 + cell, 10 * w, Pitch() - cell), IsRed), 0);
        QCOMPARE(CountPixels(image, QRect(0, 1 + 2 * Pitch(), 10 * w, cell), IsRed), 0);
    }

    void WrapsALineLongerThanTheColumnsOnly_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("70 bytes") << 70 << false;
        QTest::newRow("71 bytes") << 71 << true;
    }

    void WrapsALineLongerThanTheColumnsOnly()
    {
        QFETCH(int, length);
        QFETCH(bool, wrapped);
        settings->Store().WriteInt("Options", "DrawText", 1);
        settings->Store().WriteString("Options", "Column", "70");
        view->RereadDrawTextMode();
        view->resize(800, 300);
        SetLines({std::string(static_cast<size_t>(length), 'a'), "b"});
        const QFontMetrics metrics(view->font());
        const int cell = metrics.height();

        // Below the first row and its gap: the second line, or the wrapped rest of the first.
        const auto secondRow = view->HitTest(QPoint(1, 1 + Pitch() + 1));
        QVERIFY(secondRow);
        QCOMPARE(secondRow->line, size_t(wrapped ? 0 : 1));
        if (wrapped) QCOMPARE(secondRow->byte, size_t(70));
        const auto firstRowEnd = view->HitTest(QPoint(metrics.horizontalAdvance(QString(69, QLatin1Char('a'))) + 1, 2));
        QCOMPARE(firstRowEnd->byte, size_t(69));
        const int inkOnSecondRow = CountPixels(Grab(), QRect(0, 1 + cell, 8 * metrics.averageCharWidth(), cell), IsInk);
        QVERIFY(inkOnSecondRow > 0);
        const QRect beyondOneLetter(metrics.horizontalAdvance(QStringLiteral("a")) + 1, 1 + cell, 200, cell);
        QCOMPARE(CountPixels(Grab(), beyondOneLetter, IsInk) > 0, false);
    }

    void ScrollsToTheLastOf50000Lines_data()
    {
        QTest::addColumn<int>("drawText");
        QTest::newRow("one row per line") << 0;
        QTest::newRow("wrapped") << 1;
    }

    void ScrollsToTheLastOf50000Lines()
    {
        QFETCH(int, drawText);
        settings->Store().WriteInt("Options", "DrawText", drawText);
        settings->Store().WriteString("Options", "Column", "40");
        settings->Store().WriteInt("Color", "HlBkColor", 0x0000FF);
        view->RereadDrawTextMode();
        std::vector<std::string> lines;
        for (int i = 0; i < 49999; ++i) {
            std::string line = "line " + std::to_string(i);
            if (i % 10 == 9)
                for (int word = 0; word < 20; ++word) line += " word";  // three rows when wrapped
            lines.push_back(line);
        }
        lines.push_back("\x1bLAST LINE OF THE LIST\x1b");
        SetLines(lines);

        QCOMPARE(CountPixels(Grab(), view->viewport()->rect(), IsRed), 0);
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QVERIFY(view->verticalScrollBar()->maximum() > 50000 * 12);
        const int bottom = view->viewport()->height() - 1;
        QCOMPARE(view->HitTest(QPoint(1, bottom))->line, size_t(49999));

        int top = bottom;
        while (top > 0 && view->HitTest(QPoint(1, top - 1))->line == 49999) --top;
        const QImage image = Grab();
        const QRect lastLine(0, top, view->viewport()->width(), bottom - top + 1);
        QVERIFY(CountPixels(image, lastLine, IsInk) > 0);
        if (drawText == 0) QVERIFY(CountPixels(image, lastLine, IsRed) > 0);
        QCOMPARE(CountPixels(image, QRect(0, 0, view->viewport()->width(), top), IsRed), 0);
    }

    void FindsTheByteUnderThePointer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("escHidden");
        QTest::addColumn<QString>("drawnBefore");  // the pointer is this far in,
        QTest::addColumn<int>("extra");            // plus this many pixels
        QTest::addColumn<int>("byte");
        const QString marked = QStringLiteral("ab\x1b" "cd\x1b") + QString::fromUtf8("あい");
        const QString drawn = QStringLiteral("abcd") + QString::fromUtf8("あい");
        QTest::newRow("left edge") << marked << true << QString() << 0 << 0;
        QTest::newRow("first") << marked << true << QString() << 1 << 0;
        QTest::newRow("second") << marked << true << QStringLiteral("a") << 1 << 1;
        QTest::newRow("after a hidden ESC") << marked << true << QStringLiteral("ab") << 1 << 3;
        QTest::newRow("two-byte character gives its first byte") << marked << true << drawn.left(5) << -1 << 6;
        QTest::newRow("beyond the end") << marked << true << drawn << 5 << 10;
        QTest::newRow("ESC drawn") << QStringLiteral("hello") << false << QStringLiteral("hel") << 1 << 3;
    }

    void FindsTheByteUnderThePointer()
    {
        QFETCH(QString, text);
        QFETCH(bool, escHidden);
        QFETCH(QString, drawnBefore);
        QFETCH(int, extra);
        QFETCH(int, byte);
        const QFontMetrics metrics(view->font());
        const int x = metrics.horizontalAdvance(drawnBefore) + extra;
        const std::string cp932 = *ToCp932(text);
        QCOMPARE(ByteAtX(metrics, cp932, x, escHidden ? EscBytes::Hidden : EscBytes::Drawn), size_t(byte));
    }

    void RightPressOpensTheMenuUnlessADoubleClickFollows()
    {
        QSignalSpy menu(view.get(), &CZelklexView::contextMenuRequested);
        QSignalSpy lookup(view.get(), &CZelklexView::wordLookupRequested);
        QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
        QTest::mouseRelease(view->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
        QVERIFY(menu.wait());
        QCOMPARE(menu.takeFirst().at(0).toPoint(), view->viewport()->mapToGlobal(QPoint(5, 6)));

        QTest::mouseDClick(view->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(7, 8));
        QCOMPARE(lookup.count(), 1);
        QCOMPARE(lookup.takeFirst().at(0).toPoint(), QPoint(7, 8));
        QVERIFY(!menu.wait(2 * QApplication::doubleClickInterval()));
    }

    void LeftDoubleClickIsRefusedWhileBusy()
    {
        QSignalSpy edit(view.get(), &CZelklexView::editRequested);
        app->busy = true;
        CModalDriver driver;
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(driver.MessageTexts(), QStringList{Ui("作業中です。もう少しお待ちください。")});
        QCOMPARE(edit.count(), 0);
        app->busy = false;
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(edit.count(), 1);
    }

    void ClickShiftClickAndDragSelectLines()
    {
        SetLines({"zero", "one", "two", "three", "four"});
        auto rowY = [this](int line) { return 1 + line * Pitch() + Pitch() / 2; };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, rowY(1)));
        QCOMPARE(view->Selection(), std::make_optional(std::make_pair(size_t(1), size_t(1))));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, rowY(3)));
        QCOMPARE(view->Selection(), std::make_optional(std::make_pair(size_t(1), size_t(3))));

        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, rowY(4)));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, rowY(2)), view->viewport()->mapToGlobal(QPointF(5, rowY(2))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, rowY(2)));
        QCOMPARE(view->Selection(), std::make_optional(std::make_pair(size_t(2), size_t(4))));
        // Below the last line the selection reaches the last line.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, rowY(40)));
        QCOMPARE(view->Selection(), std::make_optional(std::make_pair(size_t(4), size_t(4))));
    }

    void SelectedLinesAreDrawnInTheSelectionColours()
    {
        SetLines({"zero", "one"});
        const QColor selected = view->palette().color(QPalette::Highlight);
        auto isSelected = [selected](QColor c) { return c.rgb() == selected.rgb(); };
        const QRect secondLine(0, 1 + Pitch(), view->viewport()->width(), Pitch() - 1);
        QCOMPARE(CountPixels(Grab(), secondLine, isSelected), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 1 + Pitch() + 2));
        // The whole row, to the right edge.
        QVERIFY(CountPixels(Grab(), QRect(view->viewport()->width() - 20, 1 + Pitch() + 2, 10, 4), isSelected) == 40);
        QCOMPARE(CountPixels(Grab(), QRect(0, 1, view->viewport()->width(), Pitch() - 2), isSelected), 0);
    }

    void KeysMoveAndExtendTheSelection_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        const auto shift = Qt::ShiftModifier;
        QTest::newRow("down starts at the top line") << QList<QKeyCombination>{Qt::Key_Down} << 0 << 0;
        QTest::newRow("down moves") << QList<QKeyCombination>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 2 << 2;
        QTest::newRow("shift+down extends")
            << QList<QKeyCombination>{Qt::Key_Down, shift | Qt::Key_Down, shift | Qt::Key_Down} << 0 << 2;
        QTest::newRow("ctrl+end") << QList<QKeyCombination>{Qt::ControlModifier | Qt::Key_End} << 299 << 299;
        QTest::newRow("ctrl+shift+home from the last")
            << QList<QKeyCombination>{Qt::ControlModifier | Qt::Key_End, Qt::ControlModifier | shift | Qt::Key_Home}
            << 0 << 299;
        QTest::newRow("up stops at the first") << QList<QKeyCombination>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up} << 0 << 0;
        QTest::newRow("ctrl+a") << QList<QKeyCombination>{Qt::ControlModifier | Qt::Key_A} << 0 << 299;
    }

    void KeysMoveAndExtendTheSelection()
    {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, first);
        QFETCH(int, last);
        std::vector<std::string> lines;
        for (int i = 0; i < 300; ++i) lines.push_back("line " + std::to_string(i));
        SetLines(lines);
        for (const QKeyCombination key : keys) QTest::keyClick(view.get(), key.key(), key.keyboardModifiers());
        QCOMPARE(view->Selection(), std::make_optional(std::make_pair(size_t(first), size_t(last))));
        if (keys.back().key() == Qt::Key_A) return;  // selecting all leaves the view where it is
        // The moving end is in view, whole.
        const size_t moving = keys.back().key() == Qt::Key_Home ? size_t(first) : size_t(last);
        QCOMPARE(view->HitTest(QPoint(1, 1 + int(moving) * Pitch() - view->verticalScrollBar()->value()))->line, moving);
        QVERIFY(1 + int(moving + 1) * Pitch() - view->verticalScrollBar()->value() <= view->viewport()->height());
    }

    void HomeAndEndScrollTheRowsCtrlHomeAndCtrlEndTheList()
    {
        std::vector<std::string> lines(200, std::string(300, 'w'));
        SetLines(lines);
        QScrollBar* across = view->horizontalScrollBar();
        QScrollBar* down = view->verticalScrollBar();
        QTest::keyClick(view.get(), Qt::Key_End);
        QCOMPARE(across->value(), across->maximum());
        QVERIFY(across->maximum() > 0);
        QTest::keyClick(view.get(), Qt::Key_Home);
        QCOMPARE(across->value(), 0);
        QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(down->value(), down->maximum());
        QVERIFY(down->maximum() > 0);
        QTest::keyClick(view.get(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(down->value(), 0);
    }

    void CtrlCCopiesTheSelectionAsUnicodeWithoutEscBytesOrLimit()
    {
        // 2,000 lines of 60 bytes: far beyond the copy dialog's 32 KB.
        std::vector<std::string> lines;
        for (int i = 0; i < 2000; ++i) lines.push_back(Sjis("林檎") + "\x1b" "apple\x1b " + std::string(49, 'a'));
        SetLines(lines);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);  // nothing selected: left to the copy dialog
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
        const QString line = Ui("林檎") + QStringLiteral("apple ") + QString(49, QLatin1Char('a')) + "\n";
        QCOMPARE(QGuiApplication::clipboard()->text(), line.repeated(2000));
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QChar(0x1b)));

        QTest::keyClick(view.get(), Qt::Key_Down);
        QTest::keyClick(view.get(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
    }

    void ASelectionEndsWhenTheListLosesLines()
    {
        SetLines({"zero", "one", "two"});
        view->SelectAll();
        doc->Results().Append(std::string("three\r\n"));  // a search adding lines keeps it
        doc->UpdateAllViews();
        QVERIFY(view->Selection());
        SetLines({"other"});
        QVERIFY(!view->Selection());
    }

    void WrappedLinesShowHighlightedSpansWithoutTheEscByte()
    {
        settings->Store().WriteInt("Options", "DrawText", 1);
        settings->Store().WriteString("Options", "Column", "10");
        settings->Store().WriteInt("Color", "HlBkColor", 0x0000FF);
        view->RereadDrawTextMode();
        // The span starts on the first row and goes on over the break.
        SetLines({"aaaa \x1b" "bbbb cccc\x1b dd"});
        const QFontMetrics metrics(view->font());
        const int w = metrics.horizontalAdvance(QStringLiteral("a"));
        const int cell = metrics.height();
        const QImage image = Grab();
        QCOMPARE(CountPixels(image, QRect(0, 1, 4 * w, cell), IsRed), 0);
        // No glyph for the ESC byte: "bbbb" follows "aaaa " directly, highlighted.
        QVERIFY(CountPixels(image, QRect(5 * w, 1, 4 * w, cell), IsRed) > 2 * w * cell);
        QVERIFY(CountPixels(image, QRect(0, 1 + cell, 4 * w, cell), IsRed) > 2 * w * cell);
        QCOMPARE(CountPixels(image, QRect(6 * w, 1 + cell, 2 * w, cell), IsRed), 0);
    }

    void HitTestAddsTheScrollPosition()
    {
        SetLines({std::string(200, 'a') + "b"});
        view->horizontalScrollBar()->setValue(QFontMetrics(view->font()).horizontalAdvance(QString(100, QLatin1Char('a'))));
        QCOMPARE(view->HitTest(QPoint(1, 5))->byte, size_t(100));
    }
};

QTEST_MAIN(ZelklexViewTest)
#include "result_view_test.moc"
