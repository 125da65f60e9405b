#pragma once

#include <QColor>
#include <cstdint>

// Colours as the settings file keeps them (0x00BBGGRR) and as Qt draws them.

namespace quilsk {

inline QColor ToQColor(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>(colorRef >> 8 & 0xFF),
                  static_cast<int>(colorRef >> 16 & 0xFF));
}

inline std::uint32_t ToColorRef(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace quilsk
