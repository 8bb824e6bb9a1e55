// The blit eight pixels at a time with AVX2; only called when the processor reports AVX2.
//
// Pixels are classified 64 at a time: a block that is all invisible is skipped and, at opacity
// 255, a block that is all opaque is copied. Everything else is blended without further
// branches, because in a picture of mixed transparency the branches mispredict more than the
// arithmetic they would save; blending an invisible pixel gives back its destination anyway.
//
// The arithmetic works on the even and the odd bytes of each pixel as 16-bit lanes holding
// byte << 8, so that the high half of the product with t (at most 256) is exactly byte * t >> 8,
// one product per byte as the blit rounds.
#include "render/blend_kernels.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace orvane {
namespace {

constexpr int kBlock = 64;

__m256i TMask() {
    return _mm256_set1_epi32(static_cast<int>(0xFF000000u));
}

// 255 - T of each pixel in both of its 16-bit halves.
__m256i Opacity(__m256i s) {
    const __m256i spreadT =
        _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1, 3, -1, 3, -1,
                         7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1);
    return _mm256_xor_si256(_mm256_shuffle_epi8(s, spreadT), _mm256_set1_epi16(255));
}

// t = c * (255 - T) / 255; the division is x * 0x8081 >> 23, exact for every 16-bit x.
__m256i Weights(__m256i s, __m256i c) {
    const __m256i scaled = _mm256_mullo_epi16(Opacity(s), c);
    return _mm256_srli_epi16(
        _mm256_mulhi_epu16(scaled, _mm256_set1_epi16(static_cast<int16_t>(0x8081))), 7);
}

__m256i Blend(__m256i s, __m256i d, __m256i t) {
    const __m256i low = _mm256_set1_epi16(0x00FF);
    const __m256i high = _mm256_set1_epi16(static_cast<int16_t>(0xFF00));
    // d - (d * t >> 8) is never negative and adding s * t >> 8 never passes 255, so the lanes
    // need no saturation and the two halves combine with a plain or.
    const __m256i even = _mm256_add_epi16(
        _mm256_sub_epi16(_mm256_and_si256(d, low), _mm256_mulhi_epu16(_mm256_slli_epi16(d, 8), t)),
        _mm256_mulhi_epu16(_mm256_slli_epi16(s, 8), t));
    const __m256i odd = _mm256_add_epi16(
        _mm256_sub_epi16(_mm256_srli_epi16(d, 8), _mm256_mulhi_epu16(_mm256_and_si256(d, high), t)),
        _mm256_mulhi_epu16(_mm256_and_si256(s, high), t));
    return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

// At opacity 255, t is 255 - T, and a pair with both pixels opaque is copied: that is a blend
// with t = 256, so those pixels get one more (the pair mask is -1 in their lanes).
template <bool kOpacity255>
__m256i BlendEight(__m256i s, __m256i d, __m256i c) {
    if constexpr (kOpacity255) {
        const __m256i bothT = _mm256_set1_epi64x(static_cast<int64_t>(0xFF000000FF000000ull));
        const __m256i opaquePair =
            _mm256_cmpeq_epi64(_mm256_and_si256(s, bothT), _mm256_setzero_si256());
        return Blend(s, d, _mm256_sub_epi16(Opacity(s), opaquePair));
    } else {
        return Blend(s, d, Weights(s, c));
    }
}

enum class Block { kInvisible, kOpaque, kMixed };

Block Classify(const uint32_t* in) {
    __m256i all = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    __m256i any = all;
    for (int k = 8; k < kBlock; k += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + k));
        all = _mm256_and_si256(all, s);
        any = _mm256_or_si256(any, s);
    }
    if (_mm256_testc_si256(all, TMask())) return Block::kInvisible;
    if (_mm256_testz_si256(any, TMask())) return Block::kOpaque;
    return Block::kMixed;
}

template <bool kOpacity255>
void BlendVector(uint32_t* out, const uint32_t* in, __m256i c) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    __m256i* at = reinterpret_cast<__m256i*>(out);
    _mm256_storeu_si256(at, BlendEight<kOpacity255>(s, _mm256_loadu_si256(at), c));
}

// An opaque block at opacity 255 is a copy; at any other opacity all its weights are c.
template <bool kOpacity255>
void BlendOpaqueBlock(uint32_t* out, const uint32_t* in, __m256i c) {
    for (int k = 0; k < kBlock; k += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + k));
        __m256i* at = reinterpret_cast<__m256i*>(out + k);
        _mm256_storeu_si256(at, kOpacity255 ? s : Blend(s, _mm256_loadu_si256(at), c));
    }
}

template <bool kOpacity255>
void Span(uint32_t* out, const uint32_t* in, int count, int c) {
    const __m256i cv = _mm256_set1_epi16(static_cast<int16_t>(c));
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Block block = Classify(in + i);
        if (block == Block::kInvisible) continue;
        if (block == Block::kOpaque) {
            BlendOpaqueBlock<kOpacity255>(out + i, in + i, cv);
            continue;
        }
        for (int k = i; k < i + kBlock; k += 8) BlendVector<kOpacity255>(out + k, in + k, cv);
    }
    for (; i + 8 <= count; i += 8) BlendVector<kOpacity255>(out + i, in + i, cv);
    if (i < count) {
        // Two, four or six pixels left. Lanes outside the mask load as zero and are not stored.
        const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
        const __m256i mask = _mm256_cmpgt_epi32(_mm256_set1_epi32(count - i), lane);
        int* to = reinterpret_cast<int*>(out + i);
        const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int*>(in + i), mask);
        const __m256i d = _mm256_maskload_epi32(to, mask);
        _mm256_maskstore_epi32(to, mask, BlendEight<kOpacity255>(s, d, cv));
    }
}

}  // namespace

void BlendSpanAvx2(uint32_t* out, const uint32_t* in, int count, int c) {
    if (c == 255) {
        Span<true>(out, in, count, c);
    } else {
        Span<false>(out, in, count, c);
    }
}

}  // namespace orvane
#endif
