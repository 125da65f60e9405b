#include <QApplication>
#include <cstdio>

#include "desktop/application.h"
#include "desktop/start_options.h"

int main(int argc, char** argv)
{
    // Answered before QApplication exists: it needs a display, these do not.
    switch (quilsk::StartActionFromArguments(argc, argv)) {
    case quilsk::StartAction::PrintHelp:
        std::fputs(quilsk::StartHelpText().c_str(), stdout);
        return 0;
    case quilsk::StartAction::PrintVersion:
        std::printf("quilsk %s\n", QUILSK_VERSION);
        return 0;
    case quilsk::StartAction::OpenWindow:
        break;
    }

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
