// The inner loops of the translucent blit, one per instruction set. Each blends `count` pixels
// (an even number, at least 2) of `in` onto `out`, pair by pair from the first pixel, with an
// opacity `c` already clamped to 1..256. The odd last column and the rectangle checks belong to
// the caller.
//
// This header is shared by files built with different instruction sets, so it must stay free of
// inline code: a shared inline function could be linked in its AVX2 form for every caller.
#pragma once

#include <cstdint>

namespace orvane {

using BlendSpanFn = void (*)(uint32_t* out, const uint32_t* in, int count, int c);

void BlendSpanScalar(uint32_t* out, const uint32_t* in, int count, int c);
#if defined(__x86_64__)
void BlendSpanSse2(uint32_t* out, const uint32_t* in, int count, int c);
void BlendSpanAvx2(uint32_t* out, const uint32_t* in, int count, int c);
#endif

}  // namespace orvane
