#include "results/ui/font_mapping.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

bool IsAvailable(const QString& face)
{
    return face.compare(QStringLiteral("FixedSys"), Qt::CaseInsensitive) != 0 &&
           QFontDatabase::families().contains(face, Qt::CaseInsensitive);
}

}  // namespace

QFont ToQFont(const CFontSetting& setting)
{
    const FontDescription& d = setting.font;
    const QString face = ToQString(d.faceName);
    QFont font = IsAvailable(face) ? QFont(face) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (d.height != 0) font.setPixelSize(std::max(1, std::abs(d.height)));
    if (d.weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(d.weight, 1, 1000)));
    font.setItalic(d.italic != 0);
    font.setUnderline(d.underline != 0);
    font.setStrikeOut(d.strikeOut != 0);
    return font;
}

std::optional<CFontSetting> FromQFont(const QFont& font, const CFontSetting& base)
{
    auto face = ToCp932(font.family());
    if (!face) return std::nullopt;
    CFontSetting setting = base;
    FontDescription& d = setting.font;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    d.height = -std::max(1, pixels);
    d.weight = font.weight();
    d.italic = font.italic() ? 1 : 0;
    d.underline = font.underline() ? 1 : 0;
    d.strikeOut = font.strikeOut() ? 1 : 0;
    d.faceName = std::move(*face);
    return setting;
}

}  // namespace quilsk
