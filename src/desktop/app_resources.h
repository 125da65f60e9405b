#pragma once

class QIcon;

namespace quilsk {

// The files built into the program: its help text and its icon.
void LoadAppResources();
QIcon AppIcon();

}  // namespace quilsk
