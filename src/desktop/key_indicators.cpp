#include "desktop/key_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace quilsk {

CKeyIndicators::CKeyIndicators(QStatusBar* bar) : QObject(bar)
{
    const char* const names[] = {"KANA", "CAP", "NUM", "SCRL"};
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new QLabel(QString::fromLatin1(names[i]), bar);
        m_panes[i]->setFrameShape(QFrame::Panel);
        m_panes[i]->setFrameShadow(QFrame::Sunken);
        m_panes[i]->setEnabled(false);
        bar->addPermanentWidget(m_panes[i]);
    }
    qApp->installEventFilter(this);
}

bool CKeyIndicators::IsOn(Pane pane) const { return m_panes[pane]->isEnabled(); }

void CKeyIndicators::Set(Pane pane, bool on) { m_panes[pane]->setEnabled(on); }

bool CKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (key->modifiers() & Qt::KeypadModifier) {
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) Set(Num, true);
        if (key->key() >= Qt::Key_Home && key->key() <= Qt::Key_PageDown) Set(Num, false);
    } else if (text.size() == 1 && text[0].unicode() < 0x80 && text[0].isLetter()) {
        Set(Cap, text[0].isUpper() != shift);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quilsk
