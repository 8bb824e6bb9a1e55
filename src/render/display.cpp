#include "render/display.h"

#include "archive/bmp_writer.h"
#include "base/files.h"
#include "render/blend.h"

namespace orvane {
namespace {

struct SlotPicture {
    const char* name;
    int slot;
};

// The pictures the two mini-game screens keep in their slots.
constexpr SlotPicture kNecroPictures[] = {
    {"phone.bmp", 12},      {"phone_pressed.bmp", 13}, {"main_menu_necro.bmp", 15},
    {"necro_if.bmp", 16},   {"necrofont1.bmp", 22},    {"necrofont2.bmp", 23},
    {"necrofont3.bmp", 24}, {"foreground.bmp", 20},
};
constexpr SlotPicture kCardPicturesBeforeTable[] = {
    {"play.bmp", 22}, {"play_y.bmp", 23}, {"play_n.bmp", 24}, {"deck.bmp", 13}};
constexpr SlotPicture kCardPicturesAfterTable[] = {
    {"cards_all.bmp", 14},      {"coat.bmp", 15},          {"kozyr_icons.bmp", 16},
    {"avatar_left.jpg", 17},    {"avatar_right.jpg", 18},  {"cards_left.bmp", 19},
    {"your_turn.bmp", 20},      {"numerals.bmp", 21},      {"kozyr.bmp", 26},
    {"cards_commands.bmp", 27}, {"cards_plashka.bmp", 28}, {"you_win.bmp", 29},
    {"you_lose.bmp", 30},       {"take_green.bmp", 31},
};
constexpr int kNecroScreen = 4;
constexpr int kCardScreen = 3;

void Reload(MediaSlots& slots, PictureLoader& loader, const SlotPicture& picture) {
    if (Surface* surface = slots.Get(picture.slot)) {
        loader.LoadPicture(*surface, picture.name);
        surface->MarkChanged();
    }
}

}  // namespace

bool SetUpDisplay(MediaSlots& slots, Platform& platform) {
    ReleaseAll(slots);
    if (!slots.deviceCreated) {
        if (!platform.OpenWindow()) {
            platform.ShowMessage(kDisplayErrorMessage);
            return false;
        }
        slots.deviceCreated = true;
    }
    slots.Create(kSlotPrimary, kScreenWidth, kScreenHeight);
    slots.Create(kSlotBackBuffer, kScreenWidth, kScreenHeight);
    return true;
}

void CreateFixedSurfaces(MediaSlots& slots) {
    slots.Create(kSlotBlack, kScreenWidth, kScreenHeight);
    slots.Create(kSlotWhite, kScreenWidth, kScreenHeight);
    slots.Create(kSlotRedBox, 20, 20);
}

void LoadFixedPictures(MediaSlots& slots, PictureLoader& loader) {
    Reload(slots, loader, {kBlackPicture, kSlotBlack});
    Reload(slots, loader, {kWhitePicture, kSlotWhite});
    Reload(slots, loader, {kRedBoxPicture, kSlotRedBox});
}

FixedPictures StartupPictures() {
    return {{kBlackPicture, PictureNeed::Optional},
            {kWhitePicture, PictureNeed::Optional},
            {kRedBoxPicture, PictureNeed::Optional}};
}

void ReleaseAll(MediaSlots& slots) {
    slots.Release(kSlotPrimary);
    slots.Release(kSlotBackBuffer);
    for (int slot = kSlotPoolFirst; slot <= kSlotPoolLast; ++slot) slots.Release(slot);
    slots.ClearPoolFlags();
    for (int slot : {kSlotThumbnail, kSlotBlack, kSlotRedBox, kSlotWhite, 12, 13, 14, 15, 16}) {
        slots.Release(slot);
    }
}

void Present(MediaSlots& slots, Platform& platform, int sourceSlot) {
    const Surface* source = slots.Get(sourceSlot);
    // The window shows the frame itself; the primary surface only marks that a screen exists.
    if (!source || !slots.Get(kSlotPrimary) || slots.presentsHeld) return;
    platform.Present(*source);
}

void HoldPresents(MediaSlots& slots) {
    slots.presentsHeld = true;
}

void ReleasePresents(MediaSlots& slots, Platform& platform, bool show) {
    if (!slots.presentsHeld) return;
    slots.presentsHeld = false;
    if (show) Present(slots, platform);
}

void RestoreSurfaces(MediaSlots& slots, PictureLoader& loader, Platform& platform, int screenMode) {
    if (!slots.deviceCreated) return;
    LoadFixedPictures(slots, loader);
    if (screenMode == kNecroScreen) {
        for (const SlotPicture& picture : kNecroPictures) Reload(slots, loader, picture);
    } else if (screenMode == kCardScreen) {
        for (const SlotPicture& picture : kCardPicturesBeforeTable) Reload(slots, loader, picture);
        Surface* table = slots.Get(12);
        const Surface* deck = slots.Get(13);
        if (table && deck) {
            const Rect deckRect{0, 0, 1024, 298};
            BlendBlit(*table, *deck, 0, 250, &deckRect, 255);
        }
        for (const SlotPicture& picture : kCardPicturesAfterTable) Reload(slots, loader, picture);
    }
    Present(slots, platform);
}

bool CaptureThumbnail(MediaSlots& slots, const std::filesystem::path& file, std::string& error) {
    const Surface* back = slots.Get(kSlotBackBuffer);
    if (!back) {
        error = "no picture to capture";
        return false;
    }
    Surface& thumbnail = slots.Create(kSlotThumbnail, 400, 300);
    ScaleDownByArea(*back, thumbnail);
    return WriteFileAtomic(file, EncodeBmp24(thumbnail), error);
}

}  // namespace orvane
