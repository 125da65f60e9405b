#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "read_ways.h"

// read-floor: reads the files given the way the options say and prints the
// number of LF bytes in them. Timed by bench/run, it is the floor a scan that
// reads the same way can approach but not pass.

using floor_bench::ReadWay;

namespace {

constexpr const char* kUsage =
    "usage: read-floor [--call mmap|read|pread] [--block BYTES[K|M]] [--populate] [--sequential]\n"
    "                  [--threads N] [--split files|blocks|ranges] FILE...\n";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "read-floor: %s\n", message.c_str());
    return 2;
}

std::optional<size_t> ParseBytes(std::string_view text)
{
    size_t scale = 1;
    if (!text.empty() && (text.back() == 'K' || text.back() == 'M')) {
        scale = text.back() == 'K' ? 1024 : 1024 * 1024;
        text.remove_suffix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos || text.size() > 12)
        return std::nullopt;
    return std::stoull(std::string(text)) * scale;
}

// The option's value: after '=' or in the next argument.
std::optional<std::string_view> ValueOf(std::string_view name, int argc, char** argv, int& i)
{
    const std::string_view arg = argv[i];
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    if (arg == name && i + 1 < argc) return std::string_view(argv[++i]);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    ReadWay way;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--populate") {
            way.populate = true;
        } else if (arg == "--sequential") {
            way.sequential = true;
        } else if (const auto call = ValueOf("--call", argc, argv, i)) {
            if (*call == "mmap") way.call = ReadWay::Call::Mmap;
            else if (*call == "read") way.call = ReadWay::Call::Read;
            else if (*call == "pread") way.call = ReadWay::Call::Pread;
            else return Fail("--call takes mmap, read or pread");
        } else if (const auto block = ValueOf("--block", argc, argv, i)) {
            const std::optional<size_t> bytes = ParseBytes(*block);
            if (!bytes) return Fail("--block takes a number of bytes, with K or M for KiB or MiB");
            way.blockBytes = *bytes;
        } else if (const auto threads = ValueOf("--threads", argc, argv, i)) {
            const std::optional<size_t> n = ParseBytes(*threads);
            if (!n || *n < 1 || *n > 256) return Fail("--threads takes a number from 1 to 256");
            way.threads = static_cast<unsigned>(*n);
        } else if (const auto split = ValueOf("--split", argc, argv, i)) {
            if (*split == "files") way.split = ReadWay::Split::Files;
            else if (*split == "blocks") way.split = ReadWay::Split::Blocks;
            else if (*split == "ranges") way.split = ReadWay::Split::Ranges;
            else return Fail("--split takes files, blocks or ranges");
        } else if (arg.starts_with("-")) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    if (way.call == ReadWay::Call::Mmap && way.blockBytes % page != 0)
        return Fail("a mapped window is a multiple of the page size");
    if (way.call != ReadWay::Call::Mmap && way.blockBytes == 0) return Fail("a buffer needs at least one byte");
    if (way.split == ReadWay::Split::Blocks && (way.call == ReadWay::Call::Read || way.blockBytes == 0))
        return Fail("blocks are read with pread or mapped in windows, never with read or whole files");
    if (way.split == ReadWay::Split::Ranges && way.call != ReadWay::Call::Pread)
        return Fail("ranges are read with pread");

    const floor_bench::ReadResult result = floor_bench::ReadFiles(way, files);
    if (!result.error.empty()) return Fail(result.error);
    std::printf("%llu\n", static_cast<unsigned long long>(result.lineFeeds));
    return 0;
}
