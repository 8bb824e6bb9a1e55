// The blit four pixels at a time with SSE2, which every x86-64 processor has. It follows the
// AVX2 version (see there for why blocks are classified and the rest blends without branches),
// with shifts where SSE2 lacks the byte shuffle.
#include "render/blend_kernels.h"

#if defined(__x86_64__)
#include <emmintrin.h>

namespace orvane {
namespace {

constexpr int kBlock = 64;

__m128i TMask() {
    return _mm_set1_epi32(static_cast<int>(0xFF000000u));
}

// 255 - T of each pixel in both of its 16-bit halves.
__m128i Opacity(__m128i s) {
    const __m128i t = _mm_srli_epi32(s, 24);
    return _mm_xor_si128(_mm_or_si128(t, _mm_slli_epi32(t, 16)), _mm_set1_epi16(255));
}

// t = c * (255 - T) / 255; the division is x * 0x8081 >> 23, exact for every 16-bit x.
__m128i Weights(__m128i s, __m128i c) {
    const __m128i scaled = _mm_mullo_epi16(Opacity(s), c);
    return _mm_srli_epi16(_mm_mulhi_epu16(scaled, _mm_set1_epi16(static_cast<int16_t>(0x8081))), 7);
}

__m128i Blend(__m128i s, __m128i d, __m128i t) {
    const __m128i low = _mm_set1_epi16(0x00FF);
    const __m128i high = _mm_set1_epi16(static_cast<int16_t>(0xFF00));
    const __m128i even = _mm_add_epi16(
        _mm_sub_epi16(_mm_and_si128(d, low), _mm_mulhi_epu16(_mm_slli_epi16(d, 8), t)),
        _mm_mulhi_epu16(_mm_slli_epi16(s, 8), t));
    const __m128i odd = _mm_add_epi16(
        _mm_sub_epi16(_mm_srli_epi16(d, 8), _mm_mulhi_epu16(_mm_and_si128(d, high), t)),
        _mm_mulhi_epu16(_mm_and_si128(s, high), t));
    return _mm_or_si128(even, _mm_slli_epi16(odd, 8));
}

template <bool kOpacity255>
__m128i BlendFour(__m128i s, __m128i d, __m128i c) {
    if constexpr (kOpacity255) {
        // A copied pair is a blend with t = 256, as in the AVX2 version.
        const __m128i ts = _mm_and_si128(s, TMask());
        const __m128i opaquePair = _mm_cmpeq_epi32(
            _mm_or_si128(ts, _mm_shuffle_epi32(ts, _MM_SHUFFLE(2, 3, 0, 1))), _mm_setzero_si128());
        return Blend(s, d, _mm_sub_epi16(Opacity(s), opaquePair));
    } else {
        return Blend(s, d, Weights(s, c));
    }
}

enum class Block { kInvisible, kOpaque, kMixed };

Block Classify(const uint32_t* in) {
    __m128i all = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    __m128i any = all;
    for (int k = 4; k < kBlock; k += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        all = _mm_and_si128(all, s);
        any = _mm_or_si128(any, s);
    }
    const __m128i tAll = _mm_and_si128(all, TMask());
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(tAll, TMask())) == 0xFFFF) return Block::kInvisible;
    const __m128i tAny = _mm_and_si128(any, TMask());
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(tAny, _mm_setzero_si128())) == 0xFFFF) {
        return Block::kOpaque;
    }
    return Block::kMixed;
}

template <bool kOpacity255>
void BlendVector(uint32_t* out, const uint32_t* in, __m128i c) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    __m128i* at = reinterpret_cast<__m128i*>(out);
    _mm_storeu_si128(at, BlendFour<kOpacity255>(s, _mm_loadu_si128(at), c));
}

// An opaque block at opacity 255 is a copy; at any other opacity all its weights are c.
template <bool kOpacity255>
void BlendOpaqueBlock(uint32_t* out, const uint32_t* in, __m128i c) {
    for (int k = 0; k < kBlock; k += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        __m128i* at = reinterpret_cast<__m128i*>(out + k);
        _mm_storeu_si128(at, kOpacity255 ? s : Blend(s, _mm_loadu_si128(at), c));
    }
}

template <bool kOpacity255>
void Span(uint32_t* out, const uint32_t* in, int count, int c) {
    const __m128i cv = _mm_set1_epi16(static_cast<int16_t>(c));
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Block block = Classify(in + i);
        if (block == Block::kInvisible) continue;
        if (block == Block::kOpaque) {
            BlendOpaqueBlock<kOpacity255>(out + i, in + i, cv);
            continue;
        }
        for (int k = i; k < i + kBlock; k += 4) BlendVector<kOpacity255>(out + k, in + k, cv);
    }
    for (; i + 4 <= count; i += 4) BlendVector<kOpacity255>(out + i, in + i, cv);
    if (i < count) {
        // One pair left: the upper two lanes load as zero and are not stored.
        const __m128i s = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i));
        __m128i* at = reinterpret_cast<__m128i*>(out + i);
        _mm_storel_epi64(at, BlendFour<kOpacity255>(s, _mm_loadl_epi64(at), cv));
    }
}

}  // namespace

void BlendSpanSse2(uint32_t* out, const uint32_t* in, int count, int c) {
    if (c == 255) {
        Span<true>(out, in, count, c);
    } else {
        Span<false>(out, in, count, c);
    }
}

}  // namespace orvane
#endif
