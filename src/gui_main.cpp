#include <QApplication>

#include "app/ui/zelklex_app.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quilsk"));
    QApplication::setApplicationVersion(QStringLiteral(QUILSK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("quilsk"));

    quilsk::CZelklexApp app(quilsk::CZelklexApp::SettingsFileFromArguments(QApplication::arguments()));
    app.InitInstance();
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
