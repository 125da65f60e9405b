#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "search/search_request.h"

// The command-line options that change a search request, shared by
// "quilsk-cli search" and "quilsk --search" so that both read them alike.

namespace quilsk {

// An option without a value, such as "--or" or "--no-tag".
struct RequestSwitch {
    std::string_view name;
    void (*apply)(SearchRequest&);
};

// Null when `name` is no such switch.
const RequestSwitch* FindRequestSwitch(std::string_view name);

// The flags of a match mode name ("word", "prefix", "suffix", "substring"):
// whole word, prefix, suffix.
std::optional<std::array<bool, 3>> MatchFlagsOf(std::string_view mode);
// `keyword` is 0 for the first keyword, 1 for the second.
void SetMatchFlags(SearchRequest& request, int keyword, const std::array<bool, 3>& flags);

// The stored scan mode of "normal", "quick" or "superquick".
std::optional<int> ScanModeSettingOf(std::string_view name);

}  // namespace quilsk
