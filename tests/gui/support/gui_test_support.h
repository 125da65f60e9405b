#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "app/settings_store.h"

class QWidget;

namespace quilsk::test {

// A UTF-8 literal as the cp932 bytes the engine works on.
std::string Sjis(const char* utf8);

// A settings file in a fresh temporary directory.
struct CTempSettings {
    CTempSettings();
    std::filesystem::path Path(const char* name) const;

    QTemporaryDir dir;
    std::filesystem::path file;
    CSettingsStore store;
};

// Writes `lines` (cp932, each ended by CR LF) as one dictionary file and
// registers it as the main dictionary.
void RegisterMainDictionary(CTempSettings& settings, const char* fileName, const std::vector<std::string>& lines);

// The result view's font: DejaVu Sans Mono at `pixels`.
void SetResultFont(CSettingsStore& store, int pixels);

// Runs `handle` on the first modal window that opens while it lives.
class CModalCatcher : public QObject {
public:
    explicit CModalCatcher(std::function<void(QWidget*)> handle);
    bool Caught() const { return m_caught; }

private:
    QTimer m_poll;
    bool m_caught = false;
};

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test);

}  // namespace quilsk::test
