#include "platform/ui/dialog_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

void CentreOnScreen(QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void BeepAndShowMessage(QWidget* parent, const QString& text)
{
    QApplication::beep();
    ShowMessage(parent, text);
}

std::optional<std::string> FieldToCp932(QWidget* parent, const QString& text, const QString& fieldName)
{
    auto cp932 = ToCp932(text);
    if (!cp932)
        BeepAndShowMessage(
            parent,
            UiText::tr("「%1」に、設定ファイルに書けない文字(Shift-JISにない文字)が含まれています。").arg(fieldName));
    return cp932;
}

void FocusFirstInput(QWidget* dialog)
{
    for (QWidget* each = dialog->nextInFocusChain(); each != dialog; each = each->nextInFocusChain()) {
        const bool takesInput = (each->focusPolicy() & Qt::TabFocus) && each->isEnabled() &&
                                each->isVisibleTo(dialog) && !qobject_cast<QPushButton*>(each);
        if (!takesInput) continue;
        each->setFocus(Qt::TabFocusReason);
        if (auto* field = qobject_cast<QLineEdit*>(each)) field->selectAll();
        return;
    }
}

QCheckBox* NewCheckBox(QWidget* parent, const char* text, const QString& name)
{
    auto* box = new QCheckBox(UiText::tr(text), parent);
    box->setObjectName(name);
    return box;
}

QHBoxLayout* OkCancelRow(QDialog* dialog, const std::function<void()>& onOk)
{
    auto* ok = new QPushButton(UiText::tr("OK"), dialog);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(UiText::tr("ｷｬﾝｾﾙ"), dialog);
    cancel->setObjectName("cancel");
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace quilsk
