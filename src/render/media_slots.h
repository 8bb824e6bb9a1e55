// The table of media objects, addressed by fixed slot numbers that the whole engine uses.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "render/surface.h"

namespace orvane {

inline constexpr int kSlotCount = 33;
// Slots 1 (music buffer) and 3 (music file reader) belong to the music player.
inline constexpr int kSlotMusicBuffer = 1;
inline constexpr int kSlotMusicFile = 3;
inline constexpr int kSlotPrimary = 5;
inline constexpr int kSlotBackBuffer = 6;
inline constexpr int kSlotThumbnail = 7;
inline constexpr int kSlotBlack = 8;
inline constexpr int kSlotWhite = 9;
inline constexpr int kSlotRedBox = 10;
inline constexpr int kSlotScreenFirst = 12;  // five pictures of the current screen, 12..16
inline constexpr int kSlotScreenLast = 16;
inline constexpr int kSlotPoolFirst = 17;  // fifteen stage objects, 17..31
inline constexpr int kSlotPoolLast = 31;
inline constexpr int kPoolSize = kSlotPoolLast - kSlotPoolFirst + 1;
inline constexpr int kSlotDevice = 32;

// All surfaces together may hold at most this many bytes. Each picture of the game data is
// limited on its own, but the stage keeps fifteen of them beside the screen pictures.
inline constexpr size_t kSurfaceBudgetBytes = size_t{1} << 30;

// Stage records number their pool surface 1..15; this is its slot.
constexpr int PoolSlotOf(int surface) { return kSlotPoolFirst - 1 + surface; }

class MediaSlots {
public:
    // The surface in `slot`, or null when the slot is empty or out of range.
    Surface* Get(int slot);
    const Surface* Get(int slot) const;
    // Replaces whatever the slot held with a new black surface. For the engine's own sizes;
    // a surface sized by the game data goes through CreateFromPicture.
    Surface& Create(int slot, int width, int height);
    // Replaces whatever the slot held with a surface holding `picture`, unless all surfaces
    // together (the replaced one not counted) would then pass `budgetBytes`: then null, the slot
    // keeps what it had, and `error` says why.
    Surface* CreateFromPicture(int slot, Image picture, std::string& error);
    // The pixel bytes of every surface in the table.
    size_t BytesInUse() const;
    void Release(int slot);

    bool PoolInUse(int slot) const;
    void SetPoolInUse(int slot, bool inUse);
    void ClearPoolFlags();
    // The lowest pool slot whose flag is clear; -1 when all fifteen are taken.
    int FirstFreePoolSlot() const;

    // Slot 32: whether the display device has been set up.
    bool deviceCreated = false;
    size_t budgetBytes = kSurfaceBudgetBytes;
    // While the screen stands faded out, frames are drawn but not shown (see HoldPresents).
    bool presentsHeld = false;

private:
    std::array<std::unique_ptr<Surface>, kSlotCount> surfaces_;
    std::array<bool, kPoolSize> poolInUse_{};
};

}  // namespace orvane
