#include "support/gui_test_support.h"

#include <QApplication>
#include <fstream>

#include "app/file_sets.h"
#include "platform/cp932.h"

namespace quilsk::test {

std::string Sjis(const char* utf8) { return Cp932Literal(utf8); }

CTempSettings::CTempSettings() : file(Path("quilsk.ini")), store(file) {}

std::filesystem::path CTempSettings::Path(const char* name) const
{
    return std::filesystem::path(dir.path().toStdString()) / name;
}

void RegisterMainDictionary(CTempSettings& settings, const char* fileName, const std::vector<std::string>& lines)
{
    std::ofstream out(settings.Path(fileName), std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    out.close();
    WriteRegistration(settings.store, Category::Main, {settings.dir.path().toStdString() + "/", fileName});
}

void SetResultFont(CSettingsStore& store, int pixels)
{
    store.WriteStrings("Font", {{"TextFont", "-" + std::to_string(pixels) + " 0 0 0 400 0 0 0 128 1 2 1 1 0 0 0"},
                                {"TextFontFace", "DejaVu Sans Mono"}});
}

CModalCatcher::CModalCatcher(std::function<void(QWidget*)> handle)
{
    m_poll.setInterval(0);
    connect(&m_poll, &QTimer::timeout, this, [this, handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        m_poll.stop();
        m_caught = true;
        handle(modal);
    });
    m_poll.start();
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(image.pixelColor(x, y))) ++count;
    return count;
}

}  // namespace quilsk::test
