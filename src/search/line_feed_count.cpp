#include "search/line_feed_count.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace quilsk {

namespace {

size_t CountLineFeedsScalar(const char* data, size_t size)
{
    size_t count = 0;
    for (size_t i = 0; i < size; ++i) count += data[i] == '\n';
    return count;
}

#if defined(__x86_64__)

__attribute__((target("avx2,popcnt"))) size_t CountLineFeedsAvx2(const char* data, size_t size)
{
    const __m256i lf = _mm256_set1_epi8('\n');
    size_t count = 0;
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
        count += static_cast<size_t>(__builtin_popcount(static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x, lf)))));
    }
    return count + CountLineFeedsScalar(data + i, size - i);
}

bool HasAvx2() { return __builtin_cpu_supports("avx2"); }

#endif

}  // namespace

size_t CountLineFeeds(const char* data, size_t size)
{
#if defined(__x86_64__)
    if (HasAvx2()) return CountLineFeedsAvx2(data, size);
#endif
    return CountLineFeedsScalar(data, size);
}

}  // namespace quilsk
