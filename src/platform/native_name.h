#pragma once

#include <optional>
#include <string>
#include <string_view>

// Names on disk. Most are UTF-8, but files unpacked from archives made on other
// systems keep their names as cp932 bytes. A name that is valid UTF-8 is taken as
// UTF-8; any other is taken as cp932 when it is valid cp932. A name that is
// neither cannot be shown or searched for and is left alone.

namespace quilsk {

bool IsValidUtf8(std::string_view text);

// The name as the engine's cp932 text; nullopt when it is neither valid UTF-8
// that cp932 can write nor valid cp932.
std::optional<std::string> NativeNameToCp932(std::string_view name);

// The name as UTF-8 text, for display and for matching against a path the
// engine gives; nullopt when it is neither valid UTF-8 nor valid cp932.
std::optional<std::string> NativeNameToUtf8(std::string_view name);

}  // namespace quilsk
