#include "platform/engine_text.h"

#include <utility>

#include "platform/cp932.h"

namespace quilsk {

namespace {

EngineTranslator& InstalledTranslator()
{
    static EngineTranslator translator;
    return translator;
}

}  // namespace

std::string Engine::tr(const char* source)
{
    if (const EngineTranslator& translator = InstalledTranslator()) {
        // A translation cp932 cannot write falls back to the source text.
        if (const std::optional<std::string> translated = translator(source))
            if (std::optional<std::string> cp932 = Utf8ToCp932(*translated)) return *cp932;
    }
    return Cp932Literal(source);
}

void SetEngineTranslator(EngineTranslator translator) { InstalledTranslator() = std::move(translator); }

}  // namespace quilsk
