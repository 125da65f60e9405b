#include "app/ui/help_window.h"

#include "platform/ui/qt_text.h"

// The resources live in a static library: the linker keeps them only when
// something names them.
static void LoadHelpResources() { Q_INIT_RESOURCE(quilsk); }

namespace quilsk {

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    LoadHelpResources();
    setWindowFlag(Qt::Window);
    setWindowTitle(Ui("Quillseek ヘルプ"));
    setOpenExternalLinks(false);
    setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    resize(640, 560);
}

}  // namespace quilsk
