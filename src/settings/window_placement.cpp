#include "settings/window_placement.h"

#include <string>

#include "settings/settings_store.h"

namespace quilsk {

namespace {

constexpr const char* kSection = "WindowSize";

}  // namespace

bool IsPlacementSaved(const CSettingsStore& store) { return store.GetInt(kSection, "Save", 0) == 1; }

WindowPlacement ReadWindowPlacement(const CSettingsStore& store)
{
    const WindowPlacement d;
    WindowPlacement p;
    p.flags = store.GetInt(kSection, "Flags", d.flags);
    p.showCmd = store.GetInt(kSection, "showCmd", d.showCmd);
    p.minX = store.GetInt(kSection, "MinPosX", d.minX);
    p.minY = store.GetInt(kSection, "MinPosY", d.minY);
    p.maxX = store.GetInt(kSection, "MaxPosX", d.maxX);
    p.maxY = store.GetInt(kSection, "MaxPosY", d.maxY);
    p.left = store.GetInt(kSection, "NormPosL", d.left);
    p.top = store.GetInt(kSection, "NormPosT", d.top);
    p.right = store.GetInt(kSection, "NormPosR", d.right);
    p.bottom = store.GetInt(kSection, "NormPosB", d.bottom);
    return p;
}

bool WriteWindowPlacement(CSettingsStore& store, const WindowPlacement& p)
{
    // One write, so the file never holds half a placement.
    return store.WriteStrings(kSection, {{"Flags", std::to_string(p.flags)},
                                         {"showCmd", std::to_string(p.showCmd)},
                                         {"MinPosX", std::to_string(p.minX)},
                                         {"MinPosY", std::to_string(p.minY)},
                                         {"MaxPosX", std::to_string(p.maxX)},
                                         {"MaxPosY", std::to_string(p.maxY)},
                                         {"NormPosL", std::to_string(p.left)},
                                         {"NormPosT", std::to_string(p.top)},
                                         {"NormPosR", std::to_string(p.right)},
                                         {"NormPosB", std::to_string(p.bottom)}});
}

}  // namespace quilsk
