#include "platform/file_system.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "platform/char_case.h"
#include "platform/cp932.h"
#include "platform/native_name.h"
#include "platform/sjis_bytes.h"

namespace fs = std::filesystem;

namespace quilsk {

namespace {

bool EqualsIgnoreAsciiCaseUtf8(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(static_cast<unsigned char>(a[i])) != AsciiLower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool Exists(const fs::path& p)
{
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// Length in bytes of the character that starts at `i`.
size_t CharLength(std::string_view s, size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

bool SameChar(std::string_view name, size_t i, std::string_view mask, size_t j, size_t len)
{
    if (len == 1) return AsciiLower(static_cast<unsigned char>(name[i])) == AsciiLower(static_cast<unsigned char>(mask[j]));
    return name.compare(i, len, mask.substr(j, len)) == 0;
}

// Glob match over characters, iterative with one backtrack point for '*'.
bool GlobMatch(std::string_view name, std::string_view mask)
{
    size_t i = 0, j = 0;
    size_t starMask = std::string_view::npos, starName = 0;
    while (i < name.size()) {
        if (j < mask.size() && mask[j] == '*') {
            starMask = ++j;
            starName = i;
            continue;
        }
        if (j < mask.size()) {
            const size_t nameLen = CharLength(name, i);
            if (mask[j] == '?') {
                i += nameLen;
                ++j;
                continue;
            }
            const size_t maskLen = CharLength(mask, j);
            if (maskLen == nameLen && SameChar(name, i, mask, j, nameLen)) {
                i += nameLen;
                j += maskLen;
                continue;
            }
        }
        if (starMask == std::string_view::npos) return false;
        starName += CharLength(name, starName);
        i = starName;
        j = starMask;
    }
    while (j < mask.size() && mask[j] == '*') ++j;
    return j == mask.size();
}

bool ListingLess(const std::string& a, const std::string& b)
{
    const int c = CompareIgnoreCaseA(a, b);
    return c != 0 ? c < 0 : a < b;
}

DirectoryListing ListEntries(std::string_view cp932Dir, bool wantDirectories, std::string_view mask)
{
    DirectoryListing listing;
    fs::path dir = cp932Dir.empty() ? fs::path(".") : ToNativePath(cp932Dir);
    auto resolved = ResolveCaseInsensitive(dir);
    if (!resolved) return listing;
    std::error_code ec;
    if (!fs::is_directory(*resolved, ec)) return listing;
    fs::directory_iterator it(*resolved, ec);
    if (ec) {
        listing.readable = false;
        return listing;
    }
    // Advanced with an error code: a read error in the middle of the listing
    // ends it as unreadable, never with an exception.
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string native = entry.path().filename().string();
        if (native.empty() || native[0] == '.') continue;
        std::error_code typeError;
        const bool isDirectory = entry.is_directory(typeError);
        const bool isRegular = entry.is_regular_file(typeError);
        if (wantDirectories ? !isDirectory : !isRegular) continue;
        auto name = NativeNameToCp932(native);
        if (!name) continue;
        if (!wantDirectories && !MatchesMask(*name, mask)) continue;
        listing.names.push_back(std::move(*name));
        listing.nativePaths.push_back(entry.path());
    }
    if (ec) listing.readable = false;
    std::vector<size_t> order(listing.names.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return ListingLess(listing.names[a], listing.names[b]); });
    DirectoryListing sorted{listing.readable, {}, {}};
    for (size_t i : order) {
        sorted.names.push_back(std::move(listing.names[i]));
        sorted.nativePaths.push_back(std::move(listing.nativePaths[i]));
    }
    return sorted;
}

}  // namespace

fs::path ToNativePath(std::string_view cp932Path) { return fs::path(Cp932ToUtf8(cp932Path)); }

std::optional<std::string> FromNativePath(const fs::path& path)
{
    // Component by component: a directory named in cp932 may hold files named in UTF-8.
    const std::string& text = path.native();
    std::string cp932;
    size_t begin = 0;
    for (;;) {
        const size_t slash = std::min(text.find('/', begin), text.size());
        auto component = NativeNameToCp932(std::string_view(text).substr(begin, slash - begin));
        if (!component) return std::nullopt;
        cp932 += *component;
        if (slash == text.size()) return cp932;
        cp932 += '/';
        begin = slash + 1;
    }
}

namespace {

// Directories already resolved, by their requested spelling: a search opens many
// files of one directory, and resolving it again would list its parents each time.
std::optional<fs::path> ResolveDirectory(const fs::path& requested);

// The entry `name` (UTF-8) of the existing directory `dir`: the exact spelling,
// else an entry whose name reads as `name` (a name stored as cp932 bytes reads
// as its UTF-8 text), else one that differs only in ASCII case; the first in
// byte order among equals.
std::optional<fs::path> ResolveChild(const fs::path& dir, const fs::path& component)
{
    const std::string name = component.string();
    fs::path exact = dir / component;
    if (name == "." || name == ".." || Exists(exact)) return exact;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> match;
    bool matchReadsExactly = false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        const auto text = NativeNameToUtf8(candidate);
        if (!text || !EqualsIgnoreAsciiCaseUtf8(*text, name)) continue;
        const bool readsExactly = *text == name;
        if (!match || (readsExactly && !matchReadsExactly) || (readsExactly == matchReadsExactly && candidate < *match)) {
            match = candidate;
            matchReadsExactly = readsExactly;
        }
    }
    if (!match) return std::nullopt;
    return dir / *match;
}

std::optional<fs::path> ResolveComponents(const fs::path& path)
{
    fs::path current = path.has_root_directory() ? path.root_path() : fs::path();
    for (const fs::path& component : path.relative_path()) {
        if (component.empty()) continue;
        auto next = ResolveChild(current, component);
        if (!next) return std::nullopt;
        current = std::move(*next);
    }
    return current;
}

std::optional<fs::path> ResolveDirectory(const fs::path& requested)
{
    thread_local std::map<std::string, fs::path> cache;
    const std::string key = requested.string();
    std::error_code ec;
    if (auto hit = cache.find(key); hit != cache.end()) {
        if (fs::is_directory(hit->second, ec)) return hit->second;
        cache.erase(hit);
    }
    auto resolved = ResolveComponents(requested);
    if (resolved && fs::is_directory(*resolved, ec)) {
        if (cache.size() >= 64) cache.clear();
        cache.emplace(key, *resolved);
    }
    return resolved;
}

}  // namespace

std::optional<fs::path> ResolveCaseInsensitive(const fs::path& path)
{
    if (path.empty()) return std::nullopt;
    if (Exists(path)) return path;
    const fs::path name = path.filename();
    if (name.empty() || !path.has_parent_path() || name == "." || name == "..") return ResolveComponents(path);
    const auto parent = ResolveDirectory(path.parent_path());
    if (!parent) return std::nullopt;
    return ResolveChild(*parent, name);
}

std::string RealSpelling(std::string_view cp932Path)
{
    std::string spelt(cp932Path);
    if (cp932Path.empty()) return spelt;
    const auto resolved = ResolveCaseInsensitive(ToNativePath(cp932Path));
    if (!resolved) return spelt;
    auto text = FromNativePath(*resolved);
    if (!text || text->empty()) return spelt;
    if (cp932Path.back() == '/' && text->back() != '/') *text += '/';
    return *text;
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*") return true;
    if (GlobMatch(name, mask)) return true;
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos)
        return GlobMatch(name, mask.substr(0, mask.size() - 2));
    return false;
}

DirectoryListing ListFiles(std::string_view cp932Dir, std::string_view cp932Mask)
{
    return ListEntries(cp932Dir, false, cp932Mask);
}

DirectoryListing ListDirectories(std::string_view cp932Dir) { return ListEntries(cp932Dir, true, {}); }

std::string CurrentDirectoryCp932()
{
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (ec) return {};
    auto text = FromNativePath(cwd);
    if (!text) return {};
    if (text->empty() || text->back() != '/') *text += '/';
    return *text;
}

void SortNamesForListing(std::vector<std::string>& names) { std::sort(names.begin(), names.end(), ListingLess); }

}  // namespace quilsk
