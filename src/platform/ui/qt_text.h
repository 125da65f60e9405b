#pragma once

#include <QCoreApplication>
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
// A UTF-8 text as it is, untranslated.
inline QString Ui(const char* utf8) { return QString::fromUtf8(utf8); }

// The program's own texts for widgets, written in Japanese (UTF-8) and shown in
// the user's language: UiText::tr("…") where the text is spelt, or, where a table
// or constant keeps it, QT_TRANSLATE_NOOP("UiText", "…") there and
// UiText::tr(text) where it is shown. lupdate collects both.
class UiText {
    Q_DECLARE_TR_FUNCTIONS(UiText)
};

}  // namespace quilsk
