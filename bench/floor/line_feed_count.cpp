#include "line_feed_count.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace floor_bench {

namespace {

std::uint64_t CountScalar(const char* data, size_t size)
{
    std::uint64_t count = 0;
    for (size_t i = 0; i < size; ++i) count += data[i] == '\n';
    return count;
}

#if defined(__x86_64__)

__attribute__((target("avx2,popcnt"), always_inline)) inline std::uint64_t LineFeedsIn32(const char* data, __m256i lf)
{
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
    return static_cast<std::uint64_t>(
        __builtin_popcount(static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, lf)))));
}

// The scan's vector width: 32 bytes a load, four loads in flight.
__attribute__((target("avx2,popcnt"))) std::uint64_t CountAvx2(const char* data, size_t size)
{
    const __m256i lf = _mm256_set1_epi8('\n');
    std::uint64_t count = 0;
    size_t i = 0;
    for (; i + 128 <= size; i += 128)
        count += LineFeedsIn32(data + i, lf) + LineFeedsIn32(data + i + 32, lf) + LineFeedsIn32(data + i + 64, lf) +
                 LineFeedsIn32(data + i + 96, lf);
    for (; i + 32 <= size; i += 32) count += LineFeedsIn32(data + i, lf);
    return count + CountScalar(data + i, size - i);
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");

#endif

}  // namespace

std::uint64_t CountLineFeeds(const char* data, size_t size)
{
#if defined(__x86_64__)
    if (kHasAvx2) return CountAvx2(data, size);
#endif
    return CountScalar(data, size);
}

}  // namespace floor_bench
