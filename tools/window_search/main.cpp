#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/ui/qt_text.h"
#include "window_search/window_search.h"

using namespace quilsk;

namespace {

constexpr QSize kWindowSize(880, 520);

int Fail(const QString& message)
{
    std::fprintf(stderr, "window-search: %s\n", qPrintable(message));
    return 2;
}

QJsonObject Summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t middle = ms.size() / 2;
    const double median = ms.size() % 2 == 1 ? ms[middle] : (ms[middle - 1] + ms[middle]) / 2;
    return {{QStringLiteral("median"), median}, {QStringLiteral("min"), ms.front()}};
}

// Window and engine alone take turns, so that neither gets the quieter moments.
int PrintTimes(CWindowSearch& search, int runs, const QString& keyword)
{
    std::vector<double> window;
    std::vector<double> engine;
    const size_t lines = search.SearchInWindow().lines;
    for (int run = 0; run < runs; ++run) {
        const TimedSearch inWindow = search.SearchInWindow();
        const std::optional<TimedSearch> alone = search.SearchEngineOnly();
        if (!alone) return Fail(QStringLiteral("the search failed"));
        if (inWindow.lines != lines || alone->lines != lines)
            return Fail(QStringLiteral("the window found %1 lines, the engine alone %2")
                            .arg(inWindow.lines)
                            .arg(alone->lines));
        window.push_back(inWindow.ms);
        engine.push_back(alone->ms);
    }
    const QJsonObject report{{QStringLiteral("keyword"), keyword},
                             {QStringLiteral("lines"), static_cast<qint64>(lines)},
                             {QStringLiteral("runs"), runs},
                             {QStringLiteral("window_ms"), Summary(window)},
                             {QStringLiteral("engine_ms"), Summary(engine)}};
    std::printf("%s\n", QJsonDocument(report).toJson(QJsonDocument::Compact).constData());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a search in a result window of the desktop application as its search command does, then saves a "
        "picture of the main window or times the search against the engine alone."));
    parser.addHelpOption();
    const QCommandLineOption ini(QStringLiteral("ini"), QStringLiteral("The settings file; it is only read."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("Save the main window as a PNG file."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption time(QStringLiteral("time"),
                                  QStringLiteral("Time RUNS searches in the window and RUNS without; print JSON."),
                                  QStringLiteral("RUNS"));
    parser.addOptions({ini, png, time});
    parser.addPositionalArgument(QStringLiteral("keyword"),
                                 QStringLiteral("Keyword 1; every other option comes from the settings file."));
    parser.process(application);

    const int runs = parser.value(time).toInt();
    if (!parser.isSet(ini) || parser.isSet(png) == parser.isSet(time) || parser.positionalArguments().size() != 1 ||
        (parser.isSet(time) && runs < 1))
        parser.showHelp(2);
    const QString keywordText = parser.positionalArguments().front();
    const std::optional<std::string> keyword = ToCp932(keywordText);
    if (!keyword) return Fail(QStringLiteral("the keyword cannot be written in Shift-JIS"));

    const QByteArray settingsFile = QFile::encodeName(parser.value(ini));
    CWindowSearch search(std::string(settingsFile.constData(), static_cast<size_t>(settingsFile.size())), kWindowSize);
    search.SetKeyword(*keyword);
    // First without the window: a problem shows on stderr instead of in a
    // message box that nobody will click.
    const std::optional<TimedSearch> check = search.SearchEngineOnly();
    if (!check) return Fail(QStringLiteral("the search failed"));
    if (check->lines == 0) return Fail(QStringLiteral("the search found nothing"));

    if (parser.isSet(time)) return PrintTimes(search, runs, keywordText);
    search.SearchInWindow();
    if (!search.GrabMainWindow().save(parser.value(png), "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(parser.value(png)));
    return 0;
}
