#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>

// The result list of a document: cp932 lines, each ending in CR LF, in the order
// they were appended, walked forward and backward, with removal at a walked
// position and the length of the longest line.

namespace quilsk {

class CExStringList {
public:
    using Position = std::list<std::string>::iterator;
    using ConstPosition = std::list<std::string>::const_iterator;

    void Append(std::string line)
    {
        NoteLength(line.size());
        m_lines.push_back(std::move(line));
    }
    void Append(std::string_view line)
    {
        NoteLength(line.size());
        m_lines.emplace_back(line);
    }
    void Clear();
    size_t Count() const { return m_lines.size(); }
    bool IsEmpty() const { return m_lines.empty(); }

    // Forward walk: Head() .. End(); backward: from Tail(), stepping with --.
    Position Head() { return m_lines.begin(); }
    Position End() { return m_lines.end(); }
    Position Tail() { return IsEmpty() ? m_lines.end() : std::prev(m_lines.end()); }
    ConstPosition begin() const { return m_lines.begin(); }
    ConstPosition end() const { return m_lines.end(); }

    // Removes the line at `at`; the walk goes on with the line that followed it.
    Position Remove(Position at)
    {
        m_removedSinceClear = true;
        ++m_generation;
        return m_lines.erase(at);
    }

    // Changes with every Clear and Remove, never with Append: a reader that kept
    // it and Count() knows whether the list has only grown since.
    uint64_t Generation() const { return m_generation; }

    // Raises the longest length to the longest byte length found; -1 when empty.
    int UpdateLongestLength();
    int GetLongestLength();

private:
    void NoteLength(size_t length)
    {
        const int n = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
        if (n > m_longestAppended) m_longestAppended = n;
    }

    std::list<std::string> m_lines;
    int m_longestLength = -1;
    // The longest line appended since the last Clear; while nothing has been
    // removed it is the longest line held, so no walk is needed to know it.
    int m_longestAppended = -1;
    bool m_removedSinceClear = false;
    uint64_t m_generation = 0;
};

}  // namespace quilsk
