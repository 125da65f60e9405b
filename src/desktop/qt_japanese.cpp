#include "desktop/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quilsk {

std::unique_ptr<QTranslator> InstallQtJapanese()
{
    auto translator = std::make_unique<QTranslator>();
    // "qt_ja" gathers the translations of every Qt module installed.
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"), QStringLiteral("_"),
                          directory))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace quilsk
