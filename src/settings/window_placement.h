#pragma once

// The main window's placement, section "WindowSize": restored at start and
// stored when the window goes away, both only while "Save" is 1.

namespace quilsk {

class CSettingsStore;

enum ShowCommand { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

struct WindowPlacement {
    int flags = 1;
    int showCmd = kShowNormal;
    int minX = 0;
    int minY = 0;
    int maxX = -1;  // minus the width and height of a window border
    int maxY = -1;
    // The restored rectangle; right and bottom lie just outside it.
    int left = 0;
    int top = 0;
    int right = 500;
    int bottom = 350;
};

bool IsPlacementSaved(const CSettingsStore& store);
WindowPlacement ReadWindowPlacement(const CSettingsStore& store);
bool WriteWindowPlacement(CSettingsStore& store, const WindowPlacement& placement);

}  // namespace quilsk
