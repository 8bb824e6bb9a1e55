#include "render/screen_fade.h"

#include <algorithm>

#include "render/display.h"
#include "render/step_pacer.h"

namespace orvane {
namespace {

// Applies `channel` to the blue, green and red bytes of every pixel; returns whether any changed.
// Written without branches on the data so that the compiler can vectorise the loop.
template <typename Channel>
bool EachChannel(Surface& surface, const Surface* other, Channel channel) {
    const size_t count = surface.pixels.size();
    uint32_t* pixels = surface.pixels.data();
    const uint32_t* toward = other ? other->pixels.data() : pixels;
    uint32_t anyChange = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = pixels[i];
        const uint32_t t = toward[i];
        const uint32_t out = channel(p & 0xFF, t & 0xFF) |
                             (channel((p >> 8) & 0xFF, (t >> 8) & 0xFF) << 8) |
                             (channel((p >> 16) & 0xFF, (t >> 16) & 0xFF) << 16);
        const uint32_t changed = out ^ (p & 0x00FFFFFF);
        anyChange |= changed;
        // A pixel the pass writes becomes opaque; the others keep all their bytes.
        pixels[i] = changed ? out : p;
    }
    if (anyChange) surface.MarkChanged();
    return anyChange != 0;
}

// A channel holds 0..255: a limit outside it, or a step beyond it, would carry a channel into
// its neighbour (and step + limit could overflow).
int FadeStep(int step) { return std::clamp(step, 1, 255); }
int FadeLimit(int limit) { return std::clamp(limit, 0, 255); }

}  // namespace

bool ScreenFadePass(FadeKind kind, Surface& back, Surface* picture, int step, int limit) {
    step = FadeStep(step);
    limit = FadeLimit(limit);
    switch (kind) {
        case FadeKind::ToBlack:
            return EachChannel(back, nullptr, [=](uint32_t v, uint32_t) -> uint32_t {
                return static_cast<int>(v) >= step + limit ? v - step : v;
            });
        case FadeKind::ToWhite:
            return EachChannel(back, nullptr, [=](uint32_t v, uint32_t) -> uint32_t {
                const int raised = std::min(limit, static_cast<int>(v) + step);
                return static_cast<int>(v) < limit ? static_cast<uint32_t>(raised) : v;
            });
        case FadeKind::FromBlack:
            if (!picture || picture->pixels.size() != back.pixels.size()) return false;
            return EachChannel(*picture, &back, [=](uint32_t b, uint32_t t) -> uint32_t {
                const uint32_t raised = t - b < static_cast<uint32_t>(step) ? t : b + step;
                return b < t ? raised : b;
            });
        case FadeKind::FromWhite:
            if (!picture || picture->pixels.size() != back.pixels.size()) return false;
            return EachChannel(*picture, &back, [=](uint32_t w, uint32_t t) -> uint32_t {
                const uint32_t lowered = w - t < static_cast<uint32_t>(step) ? t : w - step;
                return w > t ? lowered : w;
            });
    }
    return false;
}

void ScreenFade(MediaSlots& slots, Platform& platform, PictureLoader& pictures, FadeKind kind,
                int step, int limit) {
    Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) return;
    step = FadeStep(step);
    limit = FadeLimit(limit);
    const bool towardBack = kind == FadeKind::FromBlack || kind == FadeKind::FromWhite;
    // A fade in shows the composed scene by itself; a fade out starts from what stands there.
    ReleasePresents(slots, platform, /*show=*/!towardBack);
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
    if (!towardBack) HoldPresents(slots);
    // The picture that was brought to the scene is made black or white again for the next one.
    if (picture) {
        pictures.LoadPicture(*picture, kind == FadeKind::FromBlack ? kBlackPicture : kWhitePicture);
        picture->MarkChanged();
    }
}

}  // namespace orvane
