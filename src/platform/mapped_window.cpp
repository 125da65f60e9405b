#include "platform/mapped_window.h"

#include <csignal>
#include <sys/mman.h>
#include <unistd.h>

namespace quilsk {

namespace {

// The mapped window being read; the bus-error handler only touches this range.
char* volatile g_windowBegin = nullptr;
char* volatile g_windowEnd = nullptr;
volatile std::sig_atomic_t g_lostPages = 0;
struct sigaction g_previous {};
bool g_installed = false;

void OnBusError(int signal, siginfo_t* info, void* context)
{
    char* const address = static_cast<char*>(info->si_addr);
    if (address >= g_windowBegin && address < g_windowEnd) {
        const auto page = reinterpret_cast<std::uintptr_t>(address) & ~(static_cast<std::uintptr_t>(getpagesize()) - 1);
        void* zeros = mmap(reinterpret_cast<void*>(page), static_cast<size_t>(getpagesize()), PROT_READ,
                           MAP_PRIVATE | MAP_FIXED | MAP_ANONYMOUS, -1, 0);
        if (zeros != MAP_FAILED) {
            g_lostPages = 1;
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

CMappedWindow::CMappedWindow(int fd, std::uint64_t offset, size_t length)
{
    if (length == 0) return;
    InstallHandler();
    void* data = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, static_cast<off_t>(offset));
    if (data == MAP_FAILED) return;
    madvise(data, length, MADV_SEQUENTIAL);
    m_data = static_cast<const char*>(data);
    m_length = length;
    g_lostPages = 0;
    g_windowBegin = static_cast<char*>(data);
    g_windowEnd = static_cast<char*>(data) + length;
}

CMappedWindow::~CMappedWindow()
{
    if (!m_data) return;
    g_windowBegin = nullptr;
    g_windowEnd = nullptr;
    munmap(const_cast<char*>(m_data), m_length);
}

bool CMappedWindow::LostPages() const { return g_lostPages != 0; }

size_t CMappedWindow::PageSize() { return static_cast<size_t>(getpagesize()); }

}  // namespace quilsk
