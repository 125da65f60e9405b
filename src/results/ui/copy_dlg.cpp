#include "results/ui/copy_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/dialog_support.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "results/clipboard_text.h"
#include "results/copy_text.h"

namespace quilsk {

namespace {

const char* const kCopied = QT_TRANSLATE_NOOP("UiText", "転送完了(^_^)");
const char* const kNothingSelected =
    QT_TRANSLATE_NOOP("UiText", "転送するテキストが選択されていません(-_-ﾒ)ﾅﾒﾀﾗｲｶﾝｾﾞﾖ");

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CEditCopyDlg::CEditCopyDlg(const CExStringList& results, std::function<void()> saveIfModified, QWidget* parent)
    : QDialog(parent), m_saveIfModified(std::move(saveIfModified)), m_text(new QPlainTextEdit(this)),
      m_warning(new QLabel(this))
{
    setWindowTitle(UiText::tr("コピー"));
    const CopyText copy = BuildCopyText(results);
    // The edit keeps lines apart by itself; its copy gives them back with LF.
    // The ESC bytes of highlighted spans would reach other programs as control characters.
    m_text->setPlainText(ToQString(WithoutEscBytes(copy.text)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setMinimumSize(420, 240);
    m_warning->setObjectName(QStringLiteral("warning"));
    m_warning->setWordWrap(true);
    if (copy.linesLeftOut) m_warning->setText(ToQString(kCopyTextTooLongWarning));

    QPushButton* all = Button(QT_TRANSLATE_NOOP("UiText", "すべてｺﾋﾟｰ"), "copyAll", this);
    all->setDefault(true);
    QPushButton* part = Button(QT_TRANSLATE_NOOP("UiText", "一部ｺﾋﾟｰ"), "copyPart", this);
    QPushButton* toFile = Button(QT_TRANSLATE_NOOP("UiText", "ﾌｧｲﾙに"), "toFile", this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(part);
    buttons->addWidget(toFile);
    buttons->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_text, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(m_warning);

    connect(all, &QPushButton::clicked, this, &CEditCopyDlg::CopyAll);
    connect(part, &QPushButton::clicked, this, &CEditCopyDlg::CopyPart);
    connect(toFile, &QPushButton::clicked, this, [this] { m_saveIfModified(); });
    FocusFirstInput(this);
}

void CEditCopyDlg::CopyAll()
{
    m_text->selectAll();
    m_text->ensureCursorVisible();
    // An empty text selects nothing, and copying nothing leaves the clipboard as it was.
    m_text->copy();
    ShowMessage(this, UiText::tr(kCopied));
    accept();
}

void CEditCopyDlg::CopyPart()
{
    if (!m_text->textCursor().hasSelection()) {
        BeepAndShowMessage(this, UiText::tr(kNothingSelected));
        return;
    }
    m_text->copy();
    ShowMessage(this, UiText::tr(kCopied));
}

}  // namespace quilsk
