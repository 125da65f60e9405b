#include "app/ui/result_window.h"

#include <QCloseEvent>

#include "app/app_state.h"

namespace quilsk {

CResultWindow::CResultWindow(const CAppState& app, QWidget* parent) : QMdiSubWindow(parent), m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void CResultWindow::closeEvent(QCloseEvent* event)
{
    if (m_app.busy) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace quilsk
