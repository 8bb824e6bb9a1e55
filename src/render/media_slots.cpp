#include "render/media_slots.h"

namespace orvane {
namespace {
bool InRange(int slot) { return slot >= 0 && slot < kSlotCount; }
bool InPool(int slot) { return slot >= kSlotPoolFirst && slot <= kSlotPoolLast; }
}  // namespace

Surface* MediaSlots::Get(int slot) { return InRange(slot) ? surfaces_[slot].get() : nullptr; }

const Surface* MediaSlots::Get(int slot) const {
    return InRange(slot) ? surfaces_[slot].get() : nullptr;
}

Surface& MediaSlots::Create(int slot, int width, int height) {
    surfaces_.at(static_cast<size_t>(slot)) = std::make_unique<Surface>(width, height);
    return *surfaces_[slot];
}

void MediaSlots::Release(int slot) {
    if (InRange(slot)) surfaces_[slot].reset();
}

bool MediaSlots::PoolInUse(int slot) const {
    return InPool(slot) && poolInUse_[slot - kSlotPoolFirst];
}

void MediaSlots::SetPoolInUse(int slot, bool inUse) {
    if (InPool(slot)) poolInUse_[slot - kSlotPoolFirst] = inUse;
}

void MediaSlots::ClearPoolFlags() { poolInUse_.fill(false); }

int MediaSlots::FirstFreePoolSlot() const {
    for (int i = 0; i < kPoolSize; ++i) {
        if (!poolInUse_[i]) return kSlotPoolFirst + i;
    }
    return -1;
}

}  // namespace orvane
