#include "settings/window_placement.h"

#include <string>

#include "settings/settings_store.h"

namespace quilsk {

bool IsPlacementSaved(const CSettingsStore& store) { return store.IsSet(setting::kSavePlacement); }

WindowPlacement ReadWindowPlacement(const CSettingsStore& store)
{
    using namespace setting;
    WindowPlacement p;
    p.flags = store.GetInt(kPlacementFlags);
    p.showCmd = store.GetInt(kPlacementShow);
    p.minX = store.GetInt(kPlacementMinX);
    p.minY = store.GetInt(kPlacementMinY);
    p.maxX = store.GetInt(kPlacementMaxX);
    p.maxY = store.GetInt(kPlacementMaxY);
    p.left = store.GetInt(kPlacementLeft);
    p.top = store.GetInt(kPlacementTop);
    p.right = store.GetInt(kPlacementRight);
    p.bottom = store.GetInt(kPlacementBottom);
    return p;
}

bool WriteWindowPlacement(CSettingsStore& store, const WindowPlacement& p)
{
    // One write, so the file never holds half a placement.
    using namespace setting;
    return store.Write({{kPlacementFlags, std::to_string(p.flags)},
                        {kPlacementShow, std::to_string(p.showCmd)},
                        {kPlacementMinX, std::to_string(p.minX)},
                        {kPlacementMinY, std::to_string(p.minY)},
                        {kPlacementMaxX, std::to_string(p.maxX)},
                        {kPlacementMaxY, std::to_string(p.maxY)},
                        {kPlacementLeft, std::to_string(p.left)},
                        {kPlacementTop, std::to_string(p.top)},
                        {kPlacementRight, std::to_string(p.right)},
                        {kPlacementBottom, std::to_string(p.bottom)}});
}

}  // namespace quilsk
