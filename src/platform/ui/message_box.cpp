#include "platform/ui/message_box.h"

namespace quilsk {

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace quilsk
