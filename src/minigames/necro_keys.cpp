#include "minigames/necro_keys.h"

namespace orvane {
namespace {

// Some keys have several places: the keypad's arrows and the joystick in the middle.
constexpr NecroKeyArea kKeys[] = {
    {1, {95, 510, 160, 530}},
    {kNecroUp, {163, 510, 235, 530}},
    {kNecroRight, {239, 510, 304, 530}},
    {kNecroLeft, {95, 543, 160, 570}},
    {kNecroSelect, {163, 543, 235, 570}},
    {kNecroRight, {239, 543, 304, 570}},
    {kNecroSelect, {95, 580, 160, 605}},
    {kNecroDown, {163, 580, 235, 605}},
    {9, {239, 580, 304, 605}},
    {11, {95, 615, 160, 640}},
    {10, {163, 615, 235, 640}},
    {12, {239, 615, 304, 640}},
    {13, {95, 405, 172, 455}},
    {14, {224, 405, 303, 455}},
    {15, {95, 459, 162, 492}},
    {16, {234, 460, 303, 492}},
    {kNecroSelect, {191, 471, 208, 485}},
    {kNecroLeft, {172, 471, 192, 485}},
    {kNecroRight, {206, 471, 228, 485}},
    {kNecroUp, {187, 451, 210, 471}},
    {kNecroDown, {187, 486, 210, 505}},
};

}  // namespace

NecroKeyArea NecroKeyAt(int x, int y) {
    const int px = x - kPhoneX;
    const int py = y - kPhoneY;
    for (const NecroKeyArea& key : kKeys) {
        const Rect& r = key.area;
        if (r.left < px && px < r.right && r.top < py && py < r.bottom) return key;
    }
    return {kNecroNoKey, {}};
}

}  // namespace orvane
