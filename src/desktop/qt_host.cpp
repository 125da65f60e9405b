#include "desktop/qt_host.h"

#include <QApplication>

#include "desktop/status_texts.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromQtButton(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

}  // namespace

CQtHost::CQtHost(std::function<int64_t()> elapsedMs) : m_throttle(std::move(elapsedMs)) {}

void CQtHost::Beep() { QApplication::beep(); }

MessageAnswer CQtHost::MessageBox(std::string_view text, MessageButtons buttons, std::string_view caption)
{
    QWidget* parent = QApplication::activeWindow();
    // Closing the box without a button gives its Cancel, No or only button.
    return FromQtButton(caption.empty()
                            ? ShowMessage(parent, ToQString(text), ToQtButtons(buttons))
                            : ShowMessage(parent, ToQString(text), ToQtButtons(buttons), ToQString(caption)));
}

void CQtHost::PumpOneMessage()
{
    if (m_throttle.Due()) QCoreApplication::processEvents();
}

void CQtHost::SetCaption(CZelklexDoc& doc, std::string_view caption) { m_views.SetCaption(doc, ToQString(caption)); }

void CQtHost::RefreshViews(CZelklexDoc& doc) { m_views.Refresh(doc); }

void CQtHost::ReportScanProgress(CZelklexDoc& doc, const ScanProgress& progress)
{
    m_views.ReportProgress(doc, ScanProgressText(progress));
}

}  // namespace quilsk
