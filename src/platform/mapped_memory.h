#pragma once

#include <cstddef>

// Memory taken straight from the system in one piece, every page mapped at
// once, and given back when destroyed: memory touched page by page costs a page
// fault a page, and freed heap memory may wait in the allocator instead of
// leaving the process.

namespace quilsk {

class CMappedMemory {
public:
    // Throws std::bad_alloc when the system has no memory to give.
    explicit CMappedMemory(size_t bytes);
    ~CMappedMemory();
    CMappedMemory(CMappedMemory&& other) noexcept : m_data(other.m_data), m_bytes(other.m_bytes)
    {
        other.m_data = nullptr;
    }
    CMappedMemory& operator=(CMappedMemory&&) = delete;
    CMappedMemory(const CMappedMemory&) = delete;
    CMappedMemory& operator=(const CMappedMemory&) = delete;

    char* Data() const { return m_data; }
    size_t Bytes() const { return m_bytes; }

private:
    char* m_data;
    size_t m_bytes;
};

}  // namespace quilsk
