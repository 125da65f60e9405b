#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "terminal/json_lines.h"
#include "results/result_list.h"
#include "search/search_request.h"

// search --json: the results of a search run in tag form, so that each line
// knows its file and line number, shown as the form the user asked for would
// show them.

namespace quilsk {
class CSettingsStore;
}

namespace quilsk::cli {

// Words whose places in a line are reported as its matches.
struct MatchWords {
    std::vector<std::string> words;  // cp932; folded when `ignoreCase`
    MatchMode mode = MatchMode::Substring;
    bool ignoreCase = false;
};

class CJsonResults {
public:
    // Takes the lines of `taggedLines`, the results of a search in tag form;
    // `tagForm`: whether the user asked for tag form, which narrowing and
    // saving then follow.
    CJsonResults(CExStringList& taggedLines, bool tagForm);

    // Keeps the lines that the narrowing of section "ReSea" keeps, reading each
    // line as the form asked for holds it.
    void Narrow(const NarrowRequest& request, const CSettingsStore& store);
    // The lines in the form asked for, as a result file holds them.
    CExStringList Lines() const;
    size_t Count() const { return m_hits.size(); }

    // One object per line, then the summary; returns the errno of a failed
    // write, 0 when everything was written.
    int Write(std::FILE* out, const std::vector<MatchWords>& matchWords, JsonSummary summary) const;

private:
    struct Hit {
        std::string line;  // as it came, in tag form
        std::optional<std::string> path;
        long lineNumber = 0;
        // The dictionary line inside `line`, kept as offsets as the hit moves.
        size_t textBegin = 0;
        size_t textLength = 0;
        std::string_view Text() const { return std::string_view(line).substr(textBegin, textLength); }
    };
    std::string FormAsked(const Hit& hit) const;

    std::vector<Hit> m_hits;
    bool m_tagForm;
};

}  // namespace quilsk::cli
