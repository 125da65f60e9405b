#pragma once

#include <QFont>
#include <optional>

#include "results/font_setting.h"

// The stored font description as a Qt font and back. A negative height is the
// character height in pixels (a positive one is taken as the same), weight 700
// is bold; italic, underline and strike-out carry over. "FixedSys" and faces
// this machine lacks become the system's fixed-pitch font.

namespace quilsk {

QFont ToQFont(const CFontSetting& setting);

// `base` with the font's face, size, weight and styles; the fields Qt has no
// counterpart for keep their values. nullopt when the face name cannot be
// written in cp932.
std::optional<CFontSetting> FromQFont(const QFont& font, const CFontSetting& base);

}  // namespace quilsk
