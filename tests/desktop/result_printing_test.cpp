#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "desktop/application.h"
#include "desktop/main_frame.h"
#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "results/print_layout.h"
#include "results/ui/result_font.h"
#include "results/ui/result_page_printer.h"
#include "search/result_document.h"
#include "support/ui/modal_driver.h"
#include "support/ui/result_window_support.h"

using namespace quilsk;
using namespace quilsk::test;

namespace {

// "L000", "L001", ...
std::string Numbered(int i) { return QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0')).toStdString(); }

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0) return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

int PdfPageCount(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The words of one page, in reading order.
QStringList PdfPageWords(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf,
                                                 QStringLiteral("-")})
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

}  // namespace

class ResultPrintingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestSettings> settings;
    QTemporaryDir output;

    // `fullPage`: positions count from the paper's corner rather than the printable area's.
    QString PrintToPdf(const CExStringList& results, const char* name, bool fullPage = false)
    {
        const QString pdf = output.filePath(QString::fromLatin1(name));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFullPage(fullPage);
        printer.setOutputFileName(pdf);
        const int printed =
            PrintResultPages(printer, results, ReadPrintOptions(settings->Store()), ReadResultFont(settings->Store()));
        return printed > 0 ? pdf : QString();
    }

private slots:
    void init()
    {
        settings = std::make_unique<CTestSettings>();
        SetResultFont(settings->Store(), 13);
    }

    void PagesAsTheRealPrinterLaysThemOut_data()
    {
        QTest::addColumn<std::vector<std::string>>("lines");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("pages");
        // Per page: its first and last words after the header.
        QTest::addColumn<QStringList>("bounds");

        std::vector<std::string> hundred;
        for (int i = 0; i < 100; ++i) hundred.push_back(Numbered(i));
        QTest::newRow("100 lines, 10 pages at most") << hundred << "10" << "70" << 4
                                                     << QStringList{"L000 L028", "L029 L057", "L058 L086", "L087 L099"};
        QTest::newRow("100 lines, 3 pages at most") << hundred << "3" << "70" << 3
                                                    << QStringList{"L000 L028", "L029 L057", "L058 L086"};

        // 30 characters at 20 per row: two rows each, 14 lines a page.
        std::vector<std::string> twoRows;
        for (int i = 0; i < 30; ++i) twoRows.push_back(Numbered(i) + " aaaaaaaaaaaa bbbbbbbbbbbbb");
        QTest::newRow("lines of two rows") << twoRows << "10" << "20" << 3
                                           << QStringList{"L000 bbbbbbbbbbbbb", "L014 bbbbbbbbbbbbb",
                                                          "L028 bbbbbbbbbbbbb"};
    }

    void PagesAsTheRealPrinterLaysThemOut()
    {
        QFETCH(std::vector<std::string>, lines);
        QFETCH(QString, page);
        QFETCH(QString, column);
        QFETCH(int, pages);
        QFETCH(QStringList, bounds);
        settings->Store().WriteStrings("PrintOpt", {{"Line", "30"}, {"Page", page.toStdString()},
                                                   {"Column", column.toStdString()}, {"Top", "50"}, {"Left", "75"}});
        CExStringList results;
        for (const std::string& line : lines) results.Append(line + "\r\n");
        const QString pdf = PrintToPdf(results, "pages.pdf");
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PdfPageCount(pdf), pages);
        for (int p = 1; p <= pages; ++p) {
            const QStringList words = PdfPageWords(pdf, p);
            QVERIFY2(words.size() >= 4, qPrintable(words.join(' ')));
            QCOMPARE(words.mid(0, 3), (QStringList{"Page", ":", QString::number(p)}));
            const QStringList expected = bounds[p - 1].split(' ');
            QCOMPARE(words[3], expected[0]);
            QCOMPARE(words.last(), expected[1]);
        }
    }

    void ALineLongerThanAPageGetsAPageOfItsOwn()
    {
        settings->Store().WriteStrings("PrintOpt", {{"Line", "10"}, {"Column", "20"}});
        std::string oversize;
        for (int i = 0; i < 60; ++i) oversize += QStringLiteral("w%1 ").arg(i, 2, 10, QLatin1Char('0')).toStdString();
        CExStringList results;
        for (const std::string& line : {std::string("L000"), oversize, std::string("L002")})
            results.Append(line + "\r\n");
        const QString pdf = PrintToPdf(results, "cut.pdf");
        QCOMPARE(PdfPageCount(pdf), 3);
        QCOMPARE(PdfPageWords(pdf, 1).mid(3), QStringList{"L000"});
        // Nine rows of five words: the page's rows, and no more.
        const QStringList cut = PdfPageWords(pdf, 2).mid(3);
        QCOMPARE(cut.size(), 45);
        QCOMPARE(cut.last(), QStringLiteral("w44"));
        QCOMPARE(PdfPageWords(pdf, 3).mid(3), QStringList{"L002"});
    }

    void MarginsAreHundredthsOfAnInch()
    {
        settings->Store().WriteStrings("PrintOpt", {{"Top", "100"}, {"Left", "250"}});
        CExStringList results;
        results.Append(std::string_view("L000\r\n"));
        const QString pdf = PrintToPdf(results, "margins.pdf", true);
        // Word boxes in points, 0.72 to the hundredth of an inch.
        const QString boxes = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]+)<"));
        QMap<QString, QPointF> at;
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
            at[m.captured(3)] = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
        QVERIFY2(at.contains(QStringLiteral("Page")) && at.contains(QStringLiteral("L000")), qPrintable(boxes));
        QVERIFY(qAbs(at["Page"].x() - 180) < 2);
        QVERIFY(qAbs(at["Page"].y() - 72) < 4);
        QVERIFY(qAbs(at["L000"].x() - 180) < 2);
        QVERIFY(at["L000"].y() > at["Page"].y() + 15);  // two rows of about 10 points below
    }

    void EscBytesPrintAsNothing()
    {
        CExStringList results;
        results.Append(Sjis("x\x1by\x1bz : 林檎\r\n"));
        const QString pdf = PrintToPdf(results, "esc.pdf");
        QCOMPARE(PdfPageWords(pdf, 1).mid(3), (QStringList{"xyz", ":", Ui("林檎")}));
    }

    void PrintPreviewAndSetupCommands()
    {
        settings->Store().WriteStrings("PrintOpt", {{"Page", "7"}});
        CZelklexApp app(settings->Store().Path());
        app.InitInstance();
        CMainFrame& frame = *app.MainFrame();
        QVERIFY(!frame.Action(CommandId::FilePrint)->isEnabled());
        CZelklexDoc& doc = frame.ActiveView()->Document();
        for (int i = 0; i < 100; ++i) doc.Results().Append(Numbered(i) + "\r\n");
        doc.UpdateAllViews();
        QCoreApplication::processEvents();
        QVERIFY(frame.Action(CommandId::FilePrint)->isEnabled());

        CModalDriver driver;
        // Through the print dialog into a file, pages 2 and 3 of the four.
        const QString pdf = output.filePath(QStringLiteral("command.pdf"));
        int minPage = 0;
        int maxPage = 0;
        driver.OnNextDialog([&](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            QVERIFY(print);
            minPage = print->minPage();
            maxPage = print->maxPage();
            dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
            dialog->findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
            dialog->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
            dialog->findChild<QSpinBox*>(QStringLiteral("to"))->setValue(3);
            dialog->accept();
        });
        frame.Action(CommandId::FilePrint)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(minPage, 1);
        QCOMPARE(maxPage, 7);
        QCOMPARE(PdfPageCount(pdf), 2);
        QCOMPARE(PdfPageWords(pdf, 1).mid(2, 2), (QStringList{"2", "L029"}));
        QCOMPARE(PdfPageWords(pdf, 2).mid(2, 2), (QStringList{"3", "L058"}));

        // The preview shows every page again.
        int previewPages = -1;
        driver.OnNextDialog([&](QDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            preview->updatePreview();
            previewPages = preview->pageCount();
            dialog->reject();
        });
        frame.Action(CommandId::FilePrintPreview)->trigger();
        QCOMPARE(driver.PendingHandlers(), 0);
        QCOMPARE(previewPages, 4);

        bool pageSetup = false;
        driver.OnNextDialog([&](QDialog* dialog) {
            pageSetup = qobject_cast<QPageSetupDialog*>(dialog) != nullptr;
            dialog->reject();
        });
        frame.Action(CommandId::FilePrintSetup)->trigger();
        QVERIFY(pageSetup);
        QVERIFY(driver.UnexpectedDialogs().isEmpty());
        QVERIFY(driver.Messages().isEmpty());
    }
};

QTEST_MAIN(ResultPrintingTest)
#include "result_printing_test.moc"
