#include "desktop/help_window.h"

#include "desktop/app_resources.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    LoadAppResources();
    setWindowFlag(Qt::Window);
    setWindowTitle(UiText::tr("Quillseek ヘルプ"));
    setOpenExternalLinks(false);
    // Each language has its own page; the translation names it.
    setSource(QUrl(UiText::tr("qrc:/help/index.html")));
    resize(640, 560);
}

}  // namespace quilsk
