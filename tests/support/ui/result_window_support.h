#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "support/ui/gui_support.h"

namespace quilsk::test {

// Writes `lines` (cp932, each ended by CR LF) as a dictionary file in the
// settings' directory.
void WriteDictionary(CTestSettings& settings, const std::string& fileName, const std::vector<std::string>& lines);
// Registers the files of the settings' directory that match `mask` as the main dictionary.
void RegisterMainDictionary(CTestSettings& settings, const std::string& mask);

// The result windows' font: DejaVu Sans Mono at `pixels`.
void SetResultFont(CSettingsStore& store, int pixels);

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test);

}  // namespace quilsk::test
