#pragma once

#include <QFont>

namespace quilsk {

class CSettingsStore;

// The font of the result windows: section "Font", keys "TextFont" and
// "TextFontFace".
QFont ReadResultFont(const CSettingsStore& store);

}  // namespace quilsk
