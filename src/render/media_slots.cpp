#include "render/media_slots.h"

#include <utility>

namespace orvane {
namespace {
bool InRange(int slot) { return slot >= 0 && slot < kSlotCount; }
bool InPool(int slot) { return slot >= kSlotPoolFirst && slot <= kSlotPoolLast; }

size_t BytesOf(const Image* image) {
    return image ? image->pixels.size() * sizeof(uint32_t) : 0;
}

std::string Megabytes(size_t bytes) { return std::to_string((bytes + (1u << 20) - 1) >> 20); }
}  // namespace

Surface* MediaSlots::Get(int slot) { return InRange(slot) ? surfaces_[slot].get() : nullptr; }

const Surface* MediaSlots::Get(int slot) const {
    return InRange(slot) ? surfaces_[slot].get() : nullptr;
}

Surface& MediaSlots::Create(int slot, int width, int height) {
    surfaces_.at(static_cast<size_t>(slot)) = std::make_unique<Surface>(width, height);
    return *surfaces_[slot];
}

Surface* MediaSlots::CreateFromPicture(int slot, Image picture, std::string& error) {
    if (!InRange(slot)) {
        error = "there is no surface slot " + std::to_string(slot);
        return nullptr;
    }
    const size_t others = BytesInUse() - BytesOf(surfaces_[slot].get());
    const size_t wanted = BytesOf(&picture);
    if (wanted > budgetBytes || others > budgetBytes - wanted) {
        error = "a picture of " + std::to_string(picture.width) + "x" +
                std::to_string(picture.height) + " would take the pictures in memory to " +
                Megabytes(others + wanted) + " MiB, over the limit of " + Megabytes(budgetBytes) +
                " MiB";
        return nullptr;
    }
    auto surface = std::make_unique<Surface>();
    static_cast<Image&>(*surface) = std::move(picture);
    surfaces_[slot] = std::move(surface);
    return surfaces_[slot].get();
}

size_t MediaSlots::BytesInUse() const {
    size_t total = 0;
    for (const auto& surface : surfaces_) total += BytesOf(surface.get());
    return total;
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
