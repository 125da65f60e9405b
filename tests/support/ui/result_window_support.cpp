#include "support/ui/result_window_support.h"

#include <fstream>

#include "settings/dictionary_categories.h"

namespace quilsk::test {

void WriteDictionary(CTestSettings& settings, const std::string& fileName, const std::vector<std::string>& lines)
{
    std::ofstream out(settings.Dir() / fileName, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
}

void RegisterMainDictionary(CTestSettings& settings, const std::string& mask)
{
    WriteRegistration(settings.Store(), Category::Main, {settings.Dir().string() + "/", mask});
}

void SetResultFont(CSettingsStore& store, int pixels)
{
    store.WriteStrings("Font", {{"TextFont", "-" + std::to_string(pixels) + " 0 0 0 400 0 0 0 128 1 2 1 1 0 0 0"},
                                {"TextFontFace", "DejaVu Sans Mono"}});
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
