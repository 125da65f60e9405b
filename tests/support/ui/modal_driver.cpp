#include "support/ui/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace quilsk::test {

CModalDriver::CModalDriver() { qApp->installEventFilter(this); }

CModalDriver::~CModalDriver() { qApp->removeEventFilter(this); }

QString CModalDriver::ClassOfDialogOpenedBy(QAbstractButton* button)
{
    QString opened;
    OnNextDialog([&](QDialog* dialog) {
        opened = QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
    });
    button->click();
    return opened;
}

void CModalDriver::OnNextDialog(std::function<void(QDialog*)> handler) { m_handlers.push_back(std::move(handler)); }

void CModalDriver::AnswerNextMessage(QMessageBox::StandardButton button) { m_answers.push_back(button); }

QStringList CModalDriver::MessageTexts() const
{
    QStringList texts;
    for (const Message& m : m_messages) texts << m.text;
    return texts;
}

bool CModalDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->isModal()) {
            QPointer<QDialog> guarded(dialog);
            QMetaObject::invokeMethod(
                this, [this, guarded] { if (guarded) Handle(guarded); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void CModalDriver::Handle(QDialog* dialog)
{
    QPointer<QDialog> guarded(dialog);
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        m_messages.push_back({box->windowTitle(), box->text()});
        const QMessageBox::StandardButton answer = m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
        QAbstractButton* button = box->button(answer);
        if (!button) button = box->buttons().value(0);
        button->click();
        return;
    }
    if (m_handlers.isEmpty()) {
        m_unexpected << QString::fromLatin1(dialog->metaObject()->className());
    } else {
        m_handlers.takeFirst()(dialog);
    }
    // A handler that left its dialog open must not hang the test.
    if (guarded && guarded->isVisible()) guarded->reject();
}

}  // namespace quilsk::test
