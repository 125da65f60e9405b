#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "search/search_request.h"

// Runs searches in the desktop application's result window as its search
// command does once the dialog is confirmed, for the README's picture and for
// the benchmark of the window's overhead. The settings file is only read.

namespace quilsk {

class CZelklexApp;

struct TimedSearch {
    size_t lines;
    double ms;
};

class CWindowSearch {
public:
    // The application started on the settings file, its main window at `size`
    // with the one result window filling it.
    CWindowSearch(const std::filesystem::path& settingsFile, QSize size);
    ~CWindowSearch();

    // Keyword 1 for the following searches (cp932), with no keyword 2; every
    // other option comes from the settings file as it is now.
    void SetKeyword(const std::string& keyword);

    // The search in the result window, through the application's host; the
    // window catches up with the result afterwards, outside the time.
    TimedSearch SearchInWindow();
    // The same search in a document of its own through a host that pumps and
    // draws nothing, like the command-line tool's. nullopt when the search had
    // something to say (written to stderr): in the window it would wait for a
    // click in a message box.
    std::optional<TimedSearch> SearchEngineOnly();

    // The main window as it is drawn now.
    QImage GrabMainWindow();

private:
    std::unique_ptr<CZelklexApp> m_app;
    SearchRequest m_request;
};

}  // namespace quilsk
