#include "platform/mapped_memory.h"

#include <new>
#include <sys/mman.h>

namespace quilsk {

CMappedMemory::CMappedMemory(size_t bytes) : m_bytes(bytes)
{
    void* data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (data == MAP_FAILED) throw std::bad_alloc();
    m_data = static_cast<char*>(data);
}

CMappedMemory::~CMappedMemory()
{
    if (m_data) ::munmap(m_data, m_bytes);
}

}  // namespace quilsk
