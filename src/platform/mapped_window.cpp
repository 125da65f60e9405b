#include "platform/mapped_window.h"

#include <csignal>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quilsk {

namespace {

// The windows being read; the bus-error handler only touches these ranges.
struct Guarded {
    char* volatile begin = nullptr;
    char* volatile end = nullptr;
    volatile std::sig_atomic_t lostPages = 0;
};

constexpr int kSlots = 8;
Guarded g_windows[kSlots];
struct sigaction g_previous {};
bool g_installed = false;

void OnBusError(int signal, siginfo_t* info, void* context)
{
    char* const address = static_cast<char*>(info->si_addr);
    for (Guarded& window : g_windows) {
        if (address < window.begin || address >= window.end) continue;
        const auto page = reinterpret_cast<std::uintptr_t>(address) & ~(static_cast<std::uintptr_t>(getpagesize()) - 1);
        void* zeros = mmap(reinterpret_cast<void*>(page), static_cast<size_t>(getpagesize()), PROT_READ,
                           MAP_PRIVATE | MAP_FIXED | MAP_ANONYMOUS, -1, 0);
        if (zeros != MAP_FAILED) {
            window.lostPages = 1;
            return;
        }
    }
    if (g_previous.sa_flags & SA_SIGINFO) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    sigaction(SIGBUS, &g_previous, nullptr);
    raise(SIGBUS);
}

void InstallHandler()
{
    if (g_installed) return;
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    g_installed = sigaction(SIGBUS, &action, &g_previous) == 0;
}

}  // namespace

CMappedWindow::CMappedWindow(int fd, std::uint64_t offset, size_t length, Load load)
{
    if (length == 0 && offset == 0) {
        struct stat st {};
        if (fstat(fd, &st) != 0) return;
        length = static_cast<size_t>(st.st_size);
    }
    if (length == 0) return;
    int slot = 0;
    while (slot < kSlots && g_windows[slot].begin) ++slot;
    if (slot == kSlots) return;
    InstallHandler();
    const int flags = MAP_PRIVATE | (load == Load::AtOnce ? MAP_POPULATE : 0);
    void* data = mmap(nullptr, length, PROT_READ, flags, fd, static_cast<off_t>(offset));
    if (data == MAP_FAILED) return;
    madvise(data, length, load == Load::AtOnce ? MADV_SEQUENTIAL : MADV_RANDOM);
    m_data = static_cast<const char*>(data);
    m_length = length;
    m_slot = slot;
    g_windows[slot].lostPages = 0;
    g_windows[slot].end = static_cast<char*>(data) + length;
    g_windows[slot].begin = static_cast<char*>(data);
}

CMappedWindow::~CMappedWindow()
{
    if (!m_data) return;
    g_windows[m_slot].begin = nullptr;
    g_windows[m_slot].end = nullptr;
    munmap(const_cast<char*>(m_data), m_length);
}

bool CMappedWindow::LostPages() const { return m_slot >= 0 && g_windows[m_slot].lostPages != 0; }

size_t CMappedWindow::PageSize() { return static_cast<size_t>(getpagesize()); }

}  // namespace quilsk
