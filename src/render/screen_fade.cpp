#include "render/screen_fade.h"

#include <algorithm>

#include "render/display.h"
#include "render/step_pacer.h"

namespace orvane {
namespace {

// Applies `channel` to the blue, green and red bytes of every pixel; returns whether any changed.
template <typename Channel>
bool EachChannel(Surface& surface, const Surface* other, Channel channel) {
    bool changed = false;
    const size_t count = surface.pixels.size();
    uint32_t* pixels = surface.pixels.data();
    const uint32_t* toward = other ? other->pixels.data() : nullptr;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = pixels[i];
        const uint32_t t = toward ? toward[i] : 0;
        uint32_t out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int v = static_cast<int>((p >> shift) & 0xFF);
            const int target = static_cast<int>((t >> shift) & 0xFF);
            out |= static_cast<uint32_t>(channel(v, target)) << shift;
        }
        if (out != (p & 0x00FFFFFF)) {
            pixels[i] = out;  // a written pixel is opaque
            changed = true;
        }
    }
    if (changed) surface.MarkChanged();
    return changed;
}

}  // namespace

bool ScreenFadePass(FadeKind kind, Surface& back, Surface* picture, int step, int limit) {
    switch (kind) {
        case FadeKind::ToBlack:
            return EachChannel(back, nullptr,
                               [=](int v, int) { return v >= step + limit ? v - step : v; });
        case FadeKind::ToWhite:
            return EachChannel(back, nullptr,
                               [=](int v, int) { return v < limit ? std::min(limit, v + step) : v; });
        case FadeKind::FromBlack:
            if (!picture || picture->pixels.size() != back.pixels.size()) return false;
            return EachChannel(*picture, &back, [=](int b, int t) {
                return b < t ? (t - b < step ? t : b + step) : b;
            });
        case FadeKind::FromWhite:
            if (!picture || picture->pixels.size() != back.pixels.size()) return false;
            return EachChannel(*picture, &back, [=](int w, int t) {
                return w > t ? (w - t < step ? t : w - step) : w;
            });
    }
    return false;
}

void ScreenFade(MediaSlots& slots, Platform& platform, PictureLoader& pictures, FadeKind kind,
                int step, int limit) {
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    step = std::max(step, 1);
    const bool towardBack = kind == FadeKind::FromBlack || kind == FadeKind::FromWhite;
    const int pictureSlot = kind == FadeKind::FromWhite ? kSlotWhite : kSlotBlack;
    Surface* picture = towardBack ? slots.Get(pictureSlot) : nullptr;
    StepPacer pacer(platform);
    // Every pass changes at least one channel by a step, so 256 passes always finish; the bound
    // only guards against surfaces that are not what they should be.
    for (int pass = 0; pass <= 256; ++pass) {
        const bool changed = ScreenFadePass(kind, *back, picture, step, limit);
        if (!changed) break;
        Present(slots, platform, towardBack ? pictureSlot : kSlotBackBuffer);
        pacer.Wait(0);
    }
    if (kind == FadeKind::ToBlack && limit == 0) {
        if (const Surface* black = slots.Get(kSlotBlack)) CopyRect(*back, 0, 0, *black);
    }
    Present(slots, platform);
    // The picture that was brought to the scene is made black or white again for the next one.
    if (picture) {
        pictures.LoadPicture(*picture, kind == FadeKind::FromBlack ? "blackscreen.jpg" : "whitescreen.jpg");
        picture->MarkChanged();
    }
}

}  // namespace orvane
