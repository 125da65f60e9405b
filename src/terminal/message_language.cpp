#include "terminal/message_language.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>

#include "platform/engine_text.h"

namespace quilsk {

namespace {

struct EngineTextPair {
    std::string_view source;
    const char* english;
};

// Sorted by source (generated from the translation file).
constexpr EngineTextPair kEnglishEngineTexts[] = {
#include "english_engine_texts.inc"
};

std::string_view Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

bool NamesEnglish(std::string_view locale)
{
    if (!locale.starts_with("en")) return false;
    return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@' || locale[2] == '-';
}

}  // namespace

MessageLocale MessageLocaleFromEnvironment()
{
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

bool WantsEnglishMessages(const MessageLocale& locale)
{
    if (!locale.language.empty()) return NamesEnglish(locale.language.substr(0, locale.language.find(':')));
    for (std::string_view value : {locale.lcAll, locale.lcMessages, locale.lang})
        if (!value.empty()) return NamesEnglish(value);
    return false;
}

const char* EnglishEngineText(std::string_view source)
{
    const auto* end = std::end(kEnglishEngineTexts);
    const auto* found = std::lower_bound(std::begin(kEnglishEngineTexts), end, source,
                                         [](const EngineTextPair& pair, std::string_view s) { return pair.source < s; });
    return found != end && found->source == source ? found->english : nullptr;
}

void InstallMessageLanguage()
{
    if (!WantsEnglishMessages(MessageLocaleFromEnvironment())) return;
    SetEngineTranslator([](const char* source) -> std::optional<std::string> {
        if (const char* english = EnglishEngineText(source)) return std::string(english);
        return std::nullopt;
    });
}

}  // namespace quilsk
