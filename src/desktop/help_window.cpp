#include "desktop/help_window.h"

#include "desktop/app_resources.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    LoadAppResources();
    setWindowFlag(Qt::Window);
    setWindowTitle(Ui("Quillseek ヘルプ"));
    setOpenExternalLinks(false);
    setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    resize(640, 560);
}

}  // namespace quilsk
