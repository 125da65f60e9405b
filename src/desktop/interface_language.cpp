#include "desktop/interface_language.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "desktop/qt_japanese.h"
#include "platform/engine_text.h"

namespace quilsk {

namespace {

// Built into the program from translations/quilsk_en.ts.
std::unique_ptr<QTranslator> LoadProgramEnglish()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/quilsk_en.qm"))) return nullptr;
    return translator;
}

}  // namespace

bool IsEnglishLocale(const QLocale& locale)
{
    // uiLanguages() puts LANGUAGE's first choice first, else LC_ALL, LC_MESSAGES, LANG.
    const QStringList languages = locale.uiLanguages();
    return !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::English;
}

std::unique_ptr<QTranslator> InstallInterfaceLanguage(const QLocale& locale)
{
    if (!IsEnglishLocale(locale)) return InstallQtJapanese();
    std::unique_ptr<QTranslator> english = LoadProgramEnglish();
    if (!english) return nullptr;
    QCoreApplication::installTranslator(english.get());
    SetEngineTranslator([](const char* source) -> std::optional<std::string> {
        return QCoreApplication::translate("Engine", source).toStdString();
    });
    return english;
}

}  // namespace quilsk
