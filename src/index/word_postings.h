#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "index/posting.h"

// The postings of one index word, held in four parallel arrays of equal
// capacity. The capacity grows by exactly kGrowth entries whenever it is full.

namespace quilsk {

class COffset {
public:
    static constexpr size_t kGrowth = 25;

    explicit COffset(size_t capacity = kGrowth);

    // Appends one posting, growing the arrays first when they are full.
    void Add(const IndexPosting& posting);

    size_t Count() const { return m_count; }
    size_t Capacity() const { return m_offsets.size(); }
    IndexPosting At(size_t index) const;  // index < Count()

private:
    void Reserve(size_t capacity);

    // Unused entries hold offset -1, line 0, file -1, type 0.
    std::vector<std::int32_t> m_offsets;
    std::vector<std::int32_t> m_lineNumbers;
    std::vector<std::int16_t> m_fileIds;
    std::vector<std::uint8_t> m_types;
    size_t m_count = 0;
};

}  // namespace quilsk
