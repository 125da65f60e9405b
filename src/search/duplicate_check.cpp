#include "search/duplicate_check.h"

#include "platform/char_case.h"

namespace quilsk {

bool CStringTree::FoldedLess::operator()(const CNode& a, const CNode& b) const
{
    return CompareIgnoreCaseA(a.text, b.text) < 0;
}

bool CStringTree::FoldedLess::operator()(const CNode& a, std::string_view b) const
{
    return CompareIgnoreCaseA(a.text, b) < 0;
}

bool CStringTree::FoldedLess::operator()(std::string_view a, const CNode& b) const
{
    return CompareIgnoreCaseA(a, b.text) < 0;
}

const CNode& CStringTree::Insert(std::string_view text)
{
    auto found = m_nodes.find(text);
    if (found != m_nodes.end()) {
        ++found->count;
        return *found;
    }
    return *m_nodes.insert(CNode{std::string(text), 1}).first;
}

void RemoveDuplicateLines(CExStringList& lines, bool tagForm)
{
    CStringTree seen;
    for (auto line = lines.Head(); line != lines.End();) {
        std::string_view key = *line;
        if (tagForm) {
            if (const size_t tagEnd = key.find(") "); tagEnd != std::string_view::npos) key.remove_prefix(tagEnd + 2);
        }
        if (seen.Insert(key).count >= 2)
            line = lines.Remove(line);
        else
            ++line;
    }
}

}  // namespace quilsk
