#pragma once

#include <functional>
#include <optional>
#include <string>

// The engine's own texts (its messages and captions) in the user's language.
// They are written in Japanese (UTF-8) as `Engine::tr("…")`; lupdate collects
// them into the translation file under the context "Engine", reading
// QUILSK_TRANSLATION_CONTEXT as Qt's Q_DECLARE_TR_FUNCTIONS. A program installs
// the translator for its language once at start, before the engine makes any of
// its texts (some are made once and kept); without one the Japanese text is used.

// Names the translation context of a class's texts for lupdate; empty to the compiler.
#define QUILSK_TRANSLATION_CONTEXT(context)

namespace quilsk {

// Takes a source text (UTF-8 Japanese) and gives its translation as UTF-8, or
// nullopt when it has none.
using EngineTranslator = std::function<std::optional<std::string>(const char* source)>;

struct Engine {
    QUILSK_TRANSLATION_CONTEXT(Engine)

    // The text as cp932: the installed translation, else the source text.
    static std::string tr(const char* source);
};

// Replaces the translator (an empty one restores the Japanese texts).
void SetEngineTranslator(EngineTranslator translator);

}  // namespace quilsk
