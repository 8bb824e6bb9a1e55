#include "phone_scenery.h"

namespace orvane::demo {

void DrawLighthouse(Canvas& c, float x, float baseY, float height, bool lit) {
    const float w = height * 0.16f;
    const float lampY = baseY - height * 0.86f;
    c.Fill(Polygon({{x - w, baseY}, {x - w * 0.6f, lampY}, {x + w * 0.6f, lampY}, {x + w, baseY}}),
           [&](float, float y) {
               const int band = static_cast<int>((baseY - y) / (height * 0.17f));
               return band % 2 ? Hex(0xE8E4DA) : Hex(0xA8352C);
           });
    c.Fill(RoundRect(x - w * 0.75f, lampY - height * 0.12f, x + w * 0.75f, lampY, 1),
           lit ? kLampLight : Hex(0x2A3550));
    c.Fill(Polygon({{x - w * 0.9f, lampY - height * 0.12f},
                    {x, lampY - height * 0.2f},
                    {x + w * 0.9f, lampY - height * 0.12f}}),
           Hex(0x20242C));
    if (lit) c.Glow(x, lampY - height * 0.06f, height * 0.5f, kLampLight, 0.5f);
}

void DrawStars(Canvas& c, int count, float bottom, uint32_t seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const float x = random.Between(0, static_cast<float>(c.width()));
        const float y = random.Between(0, bottom);
        c.Disc({x, y, random.Between(0.4f, 0.9f)}, Hex(0xDDE6FF), random.Between(0.4f, 1));
    }
}

void DrawRain(Canvas& c, int count, uint32_t seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const float x = random.Between(-20, static_cast<float>(c.width()));
        const float y = random.Between(-10, static_cast<float>(c.height()));
        const float length = random.Between(5, 10);
        c.Fill(Capsule({x, y}, {x + length * 0.35f, y + length}, 0.35f), Hex(0xA8B8D8),
               random.Between(0.2f, 0.5f));
    }
}

}  // namespace orvane::demo
