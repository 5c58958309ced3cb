#pragma once

// Bytes looked at sixteen at a time, on processors with SSE2 (every
// x86-64): which of them hold a digit or equal a byte, one bit each.
#if defined(__SSE2__)

#include <QtGlobal>

#include <emmintrin.h>

namespace ByteLanes {

// The lanes of `c` that hold a digit.
Q_ALWAYS_INLINE __m128i digitLanes(__m128i c)
{
    return _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(c, _mm_set1_epi8('9' + 1)));
}

// The lanes set in `lanes`, one bit each, as the `chunk`-th sixteen bytes of
// 64.
Q_ALWAYS_INLINE quint64 bitsOf(__m128i lanes, int chunk)
{
    return quint64(quint16(_mm_movemask_epi8(lanes))) << (16 * chunk);
}

// The bytes of the 64 in `b` equal to `c`, one bit each.
Q_ALWAYS_INLINE quint64 bytesEqual(const __m128i (&b)[4], char c)
{
    const __m128i v = _mm_set1_epi8(c);
    quint64 m = 0;
    for (int i = 0; i < 4; ++i)
        m |= bitsOf(_mm_cmpeq_epi8(b[i], v), i);
    return m;
}

// The 64 bytes at `p`.
Q_ALWAYS_INLINE void load64(const char *p, __m128i (&b)[4])
{
    for (int i = 0; i < 4; ++i)
        b[i] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * i));
}

} // namespace ByteLanes

#endif
