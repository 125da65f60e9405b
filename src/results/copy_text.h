#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text the copy dialog offers for the clipboard: the result lines with their
// CR LF, in list order, as long as they stay below the clipboard limit. Larger
// results go through a saved file instead.

namespace quilsk {

class CExStringList;

// The copy text is always shorter than this many bytes.
inline constexpr size_t kCopyTextLimit = 32767;

// "32KBを越えました。クリップボード経由ではすべてのデータの転送は不可能です。ファイル経由をご利用ください。"
// (cp932): shown with a copy text that leaves lines out.
inline constexpr std::string_view kCopyTextTooLongWarning =
    "32KB\x82\xF0\x89z\x82\xA6\x82\xDC\x82\xB5\x82\xBD\x81" "B\x83N\x83\x8A\x83" "b\x83v\x83{\x81[\x83h\x8Co\x97R"
    "\x82\xC5\x82\xCD\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83" "f\x81[\x83^\x82\xCC\x93]\x91\x97\x82\xCD\x95s\x89\xC2"
    "\x94\\\x82\xC5\x82\xB7\x81" "B\x83t\x83@\x83" "C\x83\x8B\x8Co\x97R\x82\xF0\x82\xB2\x97\x98\x97p\x82\xAD\x82\xBE"
    "\x82\xB3\x82\xA2\x81" "B";

struct CopyText {
    std::string text;
    bool linesLeftOut = false;  // show kCopyTextTooLongWarning
};

// Stops before the first line that would make the text kCopyTextLimit bytes or
// longer; no line is ever cut.
CopyText BuildCopyText(const CExStringList& results);

}  // namespace quilsk
