#pragma once

#include <cstddef>
#include <cstdint>

// A read-only view of part of a file, mapped rather than copied. If the file
// shrinks while it is mapped, the vanished pages read as zero bytes instead of
// killing the process with SIGBUS. A few windows may be mapped at a time.

namespace quilsk {

class CMappedWindow {
public:
    enum class Load { WhenTouched, AtOnce };

    // Maps `length` bytes from `offset` (a multiple of PageSize()) of `fd`. The
    // whole file when `length` is 0 and `offset` 0.
    CMappedWindow(int fd, std::uint64_t offset, size_t length, Load load = Load::AtOnce);
    ~CMappedWindow();
    CMappedWindow(const CMappedWindow&) = delete;
    CMappedWindow& operator=(const CMappedWindow&) = delete;

    bool IsMapped() const { return m_data != nullptr; }
    const char* Data() const { return m_data; }
    size_t Length() const { return m_length; }
    // Whether part of the window vanished while mapped (the file shrank).
    bool LostPages() const;

    static size_t PageSize();

private:
    const char* m_data = nullptr;
    size_t m_length = 0;
    int m_slot = -1;
};

}  // namespace quilsk
