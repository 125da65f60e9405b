#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <functional>

namespace quilsk::test {

// Answers the modal dialogs that the code under test opens. Message boxes are
// recorded and answered (OK unless told otherwise); any other modal dialog goes
// to the next queued handler, or is rejected and noted as unexpected. Each
// dialog is handled from inside its own event loop, once it is shown.
class CModalDriver : public QObject {
public:
    struct Message {
        QString caption;
        QString text;
    };

    CModalDriver();
    ~CModalDriver() override;

    void OnNextDialog(std::function<void(QDialog*)> handler);
    // Clicks the button and returns the class name of the dialog it opened
    // (rejected at once), or an empty string when none opened.
    QString ClassOfDialogOpenedBy(QAbstractButton* button);
    void AnswerNextMessage(QMessageBox::StandardButton button);

    const QList<Message>& Messages() const { return m_messages; }
    QStringList MessageTexts() const;
    void ClearMessages() { m_messages.clear(); }
    const QStringList& UnexpectedDialogs() const { return m_unexpected; }
    qsizetype PendingHandlers() const { return m_handlers.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Handle(QDialog* dialog);

    QList<std::function<void(QDialog*)>> m_handlers;
    QList<QMessageBox::StandardButton> m_answers;
    QList<Message> m_messages;
    QStringList m_unexpected;
};

}  // namespace quilsk::test
