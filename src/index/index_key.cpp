#include "index/index_key.h"

#include <algorithm>

#include "index/index_layout.h"
#include "platform/sjis_bytes.h"
#include "text/sjis_text.h"

namespace quilsk {

std::optional<IndexKey> IndexKeyFor(std::string_view keyword, MatchMode mode)
{
    if (mode != MatchMode::WholeWord && mode != MatchMode::Prefix) return std::nullopt;
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(keyword[i]); };
    for (size_t i = 0; i < keyword.size(); ++i)
        if (IsLeadByte(byteAt(i))) return std::nullopt;

    std::optional<IndexKey> key;
    for (size_t run = 0; run < keyword.size();) {
        const int charClass = ClassOfByte(byteAt(run));
        size_t end = run + 1;
        while (end < keyword.size() && ClassOfByte(byteAt(end)) == charClass) ++end;
        if (IsIndexedRunClass(charClass)) {
            const std::string_view word = keyword.substr(run, std::min(end - run, kMaxIndexWordBytes));
            // Every occurrence begins a word; its runs end one where the keyword
            // goes on, and the last run where a whole word is asked for.
            const bool endsAWord = end < keyword.size() || mode == MatchMode::WholeWord;
            if (endsAWord && (!key || word.size() > key->word.size()))
                key = IndexKey{std::string(word), false};
            else if (!endsAWord && !key)
                key = IndexKey{std::string(word), true};
        }
        run = end;
    }
    return key;
}

}  // namespace quilsk
