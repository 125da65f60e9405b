#pragma once

#include <string_view>

// The language of the engine's messages on the command line: English when the
// locale asks for it, else the Japanese they are written in. The English texts
// come from the translation file the desktop application uses, made into a
// table at build time.

namespace quilsk {

// The locale variables that name the language of messages, as the environment
// gives them (empty when unset).
struct MessageLocale {
    std::string_view language;    // LANGUAGE: a list, first choice first
    std::string_view lcAll;       // LC_ALL
    std::string_view lcMessages;  // LC_MESSAGES
    std::string_view lang;        // LANG
};

MessageLocale MessageLocaleFromEnvironment();

// Whether the locale's first choice of language is English (en, en_US.UTF-8, ...).
// The first of LANGUAGE's list, else LC_ALL, LC_MESSAGES and LANG, the first
// set one: the same order in which the desktop application picks its language.
bool WantsEnglishMessages(const MessageLocale& locale);

// The English translation of an engine text (its Japanese source, UTF-8), or
// nullptr when the table has none.
const char* EnglishEngineText(std::string_view source);

// Installs the English engine texts when the environment's locale asks for
// them. Called once at start.
void InstallMessageLanguage();

}  // namespace quilsk
