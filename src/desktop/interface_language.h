#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

// The language of the whole interface: the program's texts, the engine's
// messages and Qt's own dialogs. Japanese, the language the texts are written
// in, unless the locale's first choice is English.

namespace quilsk {

bool IsEnglishLocale(const QLocale& locale);

// Installs what the locale's language needs and returns the translator to keep
// alive while the program runs (nullptr when none is needed or found). Under
// English: the program's English texts, for its widgets and the engine's
// messages, and Qt's own texts as they are. Otherwise: Qt's Japanese texts.
std::unique_ptr<QTranslator> InstallInterfaceLanguage(const QLocale& locale = QLocale::system());

}  // namespace quilsk
