#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "desktop/application.h"
#include "desktop/start_options.h"

int main(int argc, char** argv)
{
    // Answered before QApplication exists: it needs a display, these do not.
    const quilsk::StartRequest request = quilsk::ReadStartArguments(argc, argv);
    switch (request.action) {
    case quilsk::StartAction::PrintHelp:
        std::fputs(quilsk::StartHelpText().c_str(), stdout);
        return 0;
    case quilsk::StartAction::PrintVersion:
        std::printf("quilsk %s\n", QUILSK_VERSION);
        return 0;
    case quilsk::StartAction::BadArguments:
        std::fprintf(stderr, "quilsk: %s (see quilsk --help)\n", request.problem.c_str());
        return 2;
    case quilsk::StartAction::OpenWindow:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quilsk"));
    QApplication::setApplicationVersion(QStringLiteral(QUILSK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("quilsk"));

    quilsk::CZelklexApp app(quilsk::CZelklexApp::SettingsFileFromArguments(QApplication::arguments()));
    app.InitInstance();
    // Once the window is on the screen, so that the search shows its progress.
    if (request.search.requested) QTimer::singleShot(0, [&app, &request] { app.SearchAtStart(request.search); });
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
