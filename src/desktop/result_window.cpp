#include "desktop/result_window.h"

#include <QCloseEvent>

#include "search/app_state.h"

namespace quilsk {

CResultWindow::CResultWindow(const CAppState& app, QWidget* parent) : QMdiSubWindow(parent), m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void CResultWindow::CloseChecked()
{
    m_checked = true;
    close();
    m_checked = false;
}

void CResultWindow::closeEvent(QCloseEvent* event)
{
    if (m_app.busy || (!m_checked && m_closeCheck && !m_closeCheck())) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace quilsk
