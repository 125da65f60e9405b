#include "desktop/print_commands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "desktop/result_view.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "results/print_layout.h"
#include "results/ui/result_font.h"
#include "results/ui/result_page_printer.h"
#include "search/result_document.h"

namespace quilsk {

namespace {

int PrintDocument(QPrinter& printer, CZelklexDoc& doc)
{
    // Read at every job, as the print options may have changed since the last.
    return PrintResultPages(printer, doc.Results(), ReadPrintOptions(doc.Store()), ReadResultFont(doc.Store()));
}

}  // namespace

CPrintCommands::CPrintCommands() = default;

CPrintCommands::~CPrintCommands() = default;

QPrinter& CPrintCommands::Printer()
{
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CPrintCommands::Print(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    QPrinter& printer = Printer();
    printer.setDocName(ToQString(doc.Title()));
    QPrintDialog dialog(&printer, view.window());
    dialog.setWindowTitle(UiText::tr("印刷"));
    dialog.setMinMax(1, std::max(1, ReadPrintOptions(doc.Store()).maxPages));
    if (dialog.exec() != QDialog::Accepted) return;
    if (PrintDocument(printer, doc) == 0) ShowMessage(view.window(), UiText::tr("印刷できませんでした。"));
}

void CPrintCommands::Preview(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    QPrinter& printer = Printer();
    printer.setDocName(ToQString(doc.Title()));
    // The preview shows every page once, whatever the last print asked for.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    QPrintPreviewDialog preview(&printer, view.window());
    preview.setWindowTitle(UiText::tr("印刷プレビュー"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&doc](QPrinter* target) { PrintDocument(*target, doc); });
    preview.exec();
}

void CPrintCommands::PageSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(UiText::tr("プリンタの設定"));
    dialog.exec();
}

}  // namespace quilsk
