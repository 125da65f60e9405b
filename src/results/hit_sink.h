#pragma once

#include <string_view>

// Where a search puts the lines it finds. The scan and the index search hand
// their hits to the same sink, which makes result lines of them and decides
// when the views catch up.

namespace quilsk {

class CHitSink {
public:
    virtual ~CHitSink() = default;

    // A dictionary line that is a hit (as read, without its line break), the
    // file it is in as result lines name it, and its number in that file.
    virtual void Hit(std::string_view path, long lineNumber, std::string_view line) = 0;
    // The hits so far may be shown.
    virtual void Refresh() = 0;
    // The search added its last line.
    virtual void Finish() = 0;
    // Whether the user asked the search to stop.
    virtual bool StopRequested() const = 0;
};

}  // namespace quilsk
