#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QWidget;

// What the program's dialogs share: placement, warnings and the cp932 check of
// what the user typed.

namespace quilsk {

// Centres the window on the screen of its parent (the primary screen without one).
void CentreOnScreen(QWidget* window);

// A beep, then a message box with the program's caption.
void BeepAndShowMessage(QWidget* parent, const QString& text);

// The text as cp932; when it holds a character cp932 cannot write, beeps, names
// the field in a message box and returns nullopt.
std::optional<std::string> FieldToCp932(QWidget* parent, const QString& text, const QString& fieldName);

// A check box labelled with the program text `text` (its Japanese source,
// marked for translation, shown in the user's language) and with the object
// name the tests find it by.
QCheckBox* NewCheckBox(QWidget* parent, const char* text, const QString& name);

// Puts the keyboard focus on the first control in the dialog's tab order that
// takes input (not a push button), its text selected when it is a line edit,
// so that typing starts at once. Called once the dialog is built.
void FocusFirstInput(QWidget* dialog);

// The row of OK (the default button) and "ｷｬﾝｾﾙ" at the foot of a dialog,
// OK calling `onOk`, ｷｬﾝｾﾙ rejecting the dialog.
QHBoxLayout* OkCancelRow(QDialog* dialog, const std::function<void()>& onOk);

template <typename Dialog>
QHBoxLayout* OkCancelRow(Dialog* dialog, void (Dialog::*onOk)())
{
    return OkCancelRow(dialog, [dialog, onOk] { (dialog->*onOk)(); });
}

}  // namespace quilsk
