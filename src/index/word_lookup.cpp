#include "index/word_lookup.h"

#include "index/index_key.h"
#include "index/index_location.h"
#include "index/index_search.h"
#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

bool BelongsToWord(unsigned char c) { return !IsAsciiSpace(c) && !IsAsciiPunct(c) && c >= 0x20 && c != 0x7F; }

}  // namespace

std::string_view WordAround(std::string_view line, size_t byteIndex)
{
    const auto at = [&](size_t i) { return static_cast<unsigned char>(line[i]); };
    if (byteIndex >= line.size() || !BelongsToWord(at(byteIndex))) return {};
    size_t begin = byteIndex;
    while (begin > 0 && BelongsToWord(at(begin - 1))) --begin;
    size_t end = byteIndex + 1;
    while (end < line.size() && BelongsToWord(at(end))) ++end;
    return line.substr(begin, end - begin);
}

bool CZelklexDoc::LookUpWord(std::string_view line, size_t byteIndex)
{
    const std::string_view word = WordAround(line, byteIndex);
    if (word.empty() || IsLeadByte(static_cast<unsigned char>(word.front()))) return false;
    const std::string indexDir = m_store.Get(setting::kIndexDir);

    IndexQuery query;
    query.primary = {ToLowerA(word)};
    query.ignoreCase = true;
    query.skipExamples = m_store.IsSet(setting::kSkipExamples);
    query.tagForm = m_store.IsSet(setting::kTagForm);
    m_results.Clear();
    m_sorted = false;
    m_lastTagForm = query.tagForm;
    // Runs as a search does: stoppable, and no second search starts inside it.
    m_app.stopRequested = false;
    m_app.busy = true;
    if (const std::optional<IndexKey> key = IndexKeyFor(query.primary.front(), query.mode)) {
        query.walkWord = key->word;
        query.walkByPrefix = key->byPrefix;
        RunIndexSearch(*this, query, indexDir);
    }
    m_app.busy = false;
    m_app.stopRequested = false;
    m_modified = !m_results.IsEmpty();
    UpdateAllViews();
    return true;
}

}  // namespace quilsk
