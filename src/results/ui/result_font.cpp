#include "results/ui/result_font.h"

#include "results/font_setting.h"
#include "results/ui/font_mapping.h"

namespace quilsk {

QFont ReadResultFont(const CSettingsStore& store)
{
    CFontSetting setting;
    setting.Load(store);
    return ToQFont(setting);
}

}  // namespace quilsk
