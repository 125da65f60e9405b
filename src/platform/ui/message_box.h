#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quilsk {

// The caption of the program's message boxes.
inline const char* const kMessageCaption = "Quillseek";

// A modal message box with the program's caption (or the one given).
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& caption = QString::fromUtf8(kMessageCaption));

}  // namespace quilsk
