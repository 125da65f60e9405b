#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "platform/mapped_memory.h"

// The result list of a document: cp932 lines, each ending in CR LF, in the order
// they were appended, walked forward and backward or reached by their index,
// with removal of any set of lines and the length of the longest line. The bytes
// of the lines lie one after another in large blocks and each line costs one
// view of 16 bytes more, so millions of lines fit; clearing the list gives its
// memory back to the system.

namespace quilsk {

class CExStringList {
public:
    class ConstPosition {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = const std::string_view&;

        ConstPosition() = default;
        reference operator*() const { return (*m_list)[m_index]; }
        pointer operator->() const { return &(*m_list)[m_index]; }
        reference operator[](difference_type n) const { return (*m_list)[m_index + static_cast<size_t>(n)]; }
        ConstPosition& operator++() { return ++m_index, *this; }
        ConstPosition operator++(int) { return {m_list, m_index++}; }
        ConstPosition& operator--() { return --m_index, *this; }
        ConstPosition operator--(int) { return {m_list, m_index--}; }
        ConstPosition& operator+=(difference_type n) { return m_index += static_cast<size_t>(n), *this; }
        ConstPosition& operator-=(difference_type n) { return m_index -= static_cast<size_t>(n), *this; }
        friend ConstPosition operator+(ConstPosition at, difference_type n) { return at += n; }
        friend ConstPosition operator+(difference_type n, ConstPosition at) { return at += n; }
        friend ConstPosition operator-(ConstPosition at, difference_type n) { return at -= n; }
        friend difference_type operator-(ConstPosition a, ConstPosition b)
        {
            return static_cast<difference_type>(a.m_index) - static_cast<difference_type>(b.m_index);
        }
        friend bool operator==(ConstPosition a, ConstPosition b) { return a.m_index == b.m_index; }
        friend auto operator<=>(ConstPosition a, ConstPosition b) { return a.m_index <=> b.m_index; }
        size_t Index() const { return m_index; }

    private:
        friend class CExStringList;
        ConstPosition(const CExStringList* list, size_t index) : m_list(list), m_index(index) {}
        const CExStringList* m_list = nullptr;
        size_t m_index = 0;
    };

    CExStringList() = default;
    CExStringList(CExStringList&&) noexcept;
    CExStringList& operator=(CExStringList&&) noexcept;
    CExStringList(const CExStringList&) = delete;
    CExStringList& operator=(const CExStringList&) = delete;
    ~CExStringList();

    void Append(std::string_view line);
    void Clear();
    size_t Count() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    const std::string_view& operator[](size_t index) const
    {
        return reinterpret_cast<const std::string_view*>(m_views[index / kViewsPerBlock].Data())[index % kViewsPerBlock];
    }
    ConstPosition begin() const { return {this, 0}; }
    ConstPosition end() const { return {this, m_count}; }

    // Keeps the lines whose `keep` entry is true, in their order; `keep` has one
    // entry a line.
    void KeepOnly(const std::vector<bool>& keep);
    // Puts the lines in the order of `order`, a permutation of 0 .. Count()-1.
    void Reorder(const std::vector<std::uint32_t>& order);

    // Changes with every Clear and removal, never with Append: a reader that kept
    // it and Count() knows whether the list has only grown since.
    uint64_t Generation() const { return m_generation; }

    // Raises the longest length to the longest byte length found; -1 when empty.
    int UpdateLongestLength();
    int GetLongestLength();

    // The memory the list holds from the system, in bytes.
    size_t BytesHeld() const;

private:
    static constexpr size_t kBlockBytes = 1 << 20;
    static constexpr size_t kViewsPerBlock = kBlockBytes / sizeof(std::string_view);

    std::string_view& ViewAt(size_t index)
    {
        return reinterpret_cast<std::string_view*>(m_views[index / kViewsPerBlock].Data())[index % kViewsPerBlock];
    }
    // Copies `line` into the byte blocks and returns where it lies.
    std::string_view Store(std::string_view line);
    void Release();
    void NoteLength(size_t length)
    {
        const int n = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
        if (n > m_longestAppended) m_longestAppended = n;
    }

    std::vector<CMappedMemory> m_bytes;   // the lines' bytes; the last block is being filled
    size_t m_bytesUsed = 0;        // of the last byte block
    std::vector<CMappedMemory> m_views;   // one view a line, kViewsPerBlock a block
    size_t m_count = 0;
    size_t m_lineBytes = 0;        // the bytes of the lines held
    int m_longestLength = -1;
    // The longest line appended since the last Clear; while nothing has been
    // removed it is the longest line held, so no walk is needed to know it.
    int m_longestAppended = -1;
    bool m_removedSinceClear = false;
    uint64_t m_generation = 0;
};

}  // namespace quilsk
