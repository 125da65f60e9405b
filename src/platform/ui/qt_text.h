#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The Qt edge of the engine's cp932 strings. Always through the engine's own
// converter: Qt's Shift-JIS codec keeps state between calls and writes FC FC for
// characters it cannot encode.

namespace quilsk {

QString ToQString(std::string_view cp932);
// nullopt when the text holds a character cp932 cannot write.
std::optional<std::string> ToCp932(const QString& text);
// The program's own UTF-8 texts for widgets.
inline QString Ui(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace quilsk
