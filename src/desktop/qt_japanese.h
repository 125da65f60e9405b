#pragma once

#include <QTranslator>
#include <memory>

// Qt's own texts (the standard buttons Yes/No/Cancel, the file, font, colour
// and printer dialogs) in Japanese, beside the program's Japanese messages.

namespace quilsk {

// Installs Qt's Japanese translations into the application whatever the
// locale; nullptr when they are not installed (the texts stay English).
std::unique_ptr<QTranslator> InstallQtJapanese();

}  // namespace quilsk
