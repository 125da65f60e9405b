#include "search/duplicate_check.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/char_case.h"

namespace quilsk {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;

// Eight bytes at once, every "A"-"Z" made "a"-"z". The high bits are cleared
// before the bounds are added, so that no byte carries into the next.
std::uint64_t FoldCapitals(std::uint64_t bytes)
{
    const std::uint64_t low = bytes & 0x7F * kEveryByte;
    const std::uint64_t fromA = low + (0x80 - 'A') * kEveryByte;      // high bit set from "A" on
    const std::uint64_t pastZ = low + (0x80 - 'Z' - 1) * kEveryByte;  // high bit set past "Z"
    const std::uint64_t capitals = fromA & ~pastZ & ~bytes & 0x80 * kEveryByte;
    return bytes | capitals >> 2;
}

// A hash under which keys equal to CompareIgnoreCaseA hash alike, eight bytes at
// a time. It folds second bytes in "A"-"Z" too, which CompareIgnoreCaseA does
// not: a few unequal keys then hash alike, and the table tells them apart.
std::uint64_t FoldedHash(std::string_view text)
{
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = text.size() * kMultiplier;
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + at, 8);
        hash = std::rotl((hash ^ FoldCapitals(bytes)) * kMultiplier, 29);
    }
    std::uint64_t tail = 0;
    // An empty line is held without any bytes, not even a pointer to copy from.
    if (at < text.size()) std::memcpy(&tail, text.data() + at, text.size() - at);
    hash = (hash ^ FoldCapitals(tail)) * kMultiplier;
    return hash ^ hash >> 32;
}

}  // namespace

bool CStringTree::FoldedLess::operator()(const CNode& a, const CNode& b) const
{
    return CompareIgnoreCaseA(a.text, b.text) < 0;
}

bool CStringTree::FoldedLess::operator()(const CNode& a, std::string_view b) const
{
    return CompareIgnoreCaseA(a.text, b) < 0;
}

bool CStringTree::FoldedLess::operator()(std::string_view a, const CNode& b) const
{
    return CompareIgnoreCaseA(a, b.text) < 0;
}

const CNode& CStringTree::Insert(std::string_view text)
{
    auto found = m_nodes.find(text);
    if (found != m_nodes.end()) {
        ++found->count;
        return *found;
    }
    return *m_nodes.insert(CNode{std::string(text), 1}).first;
}

std::string_view DuplicateKey(std::string_view line, bool tagForm)
{
    if (tagForm) {
        if (const size_t tagEnd = line.find(") "); tagEnd != std::string_view::npos) line.remove_prefix(tagEnd + 2);
    }
    return line;
}

std::optional<std::vector<bool>> FirstCopies(const CExStringList& lines, bool tagForm, const ListPace& pace)
{
    // Open addressing, at most two thirds full: each slot holds a line's index
    // + 1 (0 when free) and the upper half of its key's hash.
    struct Slot {
        std::uint32_t line = 0;
        std::uint32_t hash = 0;
    };
    // The table is far larger than the caches: the keys of a batch are hashed
    // first and each slot is asked for a few lines before it is needed.
    constexpr size_t kBatch = ListPace::kLinesPerStep;
    constexpr size_t kAhead = 16;
    const size_t count = lines.Count();
    std::vector<bool> first(count, false);
    std::vector<Slot> slots(std::bit_ceil(count + count / 2 + 2));
    const size_t mask = slots.size() - 1;
    std::vector<std::uint64_t> hashes(std::min(count, kBatch));
    for (size_t batch = 0; batch < count; batch += kBatch) {
        if (!pace.Step(batch)) return std::nullopt;
        const size_t end = std::min(count, batch + kBatch);
        for (size_t i = batch; i < end; ++i) hashes[i - batch] = FoldedHash(DuplicateKey(lines[i], tagForm));
        for (size_t i = batch; i < end; ++i) {
            if (i + kAhead < end) __builtin_prefetch(&slots[static_cast<size_t>(hashes[i + kAhead - batch]) & mask]);
            const std::uint64_t hash = hashes[i - batch];
            const auto tag = static_cast<std::uint32_t>(hash >> 32);
            const std::string_view key = DuplicateKey(lines[i], tagForm);
            for (size_t at = static_cast<size_t>(hash) & mask;; at = (at + 1) & mask) {
                Slot& slot = slots[at];
                if (slot.line == 0) {
                    slot = {static_cast<std::uint32_t>(i + 1), tag};
                    first[i] = true;
                    break;
                }
                if (slot.hash == tag && EqualsIgnoreCaseA(DuplicateKey(lines[slot.line - 1], tagForm), key)) break;
            }
        }
    }
    return first;
}

std::vector<bool> FirstCopiesByTree(const CExStringList& lines, bool tagForm)
{
    CStringTree seen;
    std::vector<bool> first;
    for (const std::string_view line : lines) first.push_back(seen.Insert(DuplicateKey(line, tagForm)).count == 1);
    return first;
}

bool RemoveDuplicateLines(CExStringList& lines, bool tagForm, const ListPace& pace)
{
    const std::optional<std::vector<bool>> first = FirstCopies(lines, tagForm, pace);
    if (!first) return false;
    lines.KeepOnly(*first);
    return true;
}

}  // namespace quilsk
