#include "platform/glyph_cache.h"

#include <utility>

namespace orvane {

size_t GlyphKeyHash::operator()(const GlyphKey& key) const {
    uint64_t h = static_cast<uint32_t>(key.face);
    h = h * 0x9E3779B97F4A7C15ull + static_cast<uint32_t>(key.pixelEm);
    h = h * 0x9E3779B97F4A7C15ull + ((key.bold ? 2u : 0u) | (key.italic ? 1u : 0u));
    h = h * 0x9E3779B97F4A7C15ull + key.codePoint;
    return static_cast<size_t>(h ^ (h >> 29));
}

GlyphCache::GlyphCache(size_t maxGlyphs, size_t maxBytes)
    : maxGlyphs_(maxGlyphs > 0 ? maxGlyphs : 1), maxBytes_(maxBytes) {}

const GlyphBitmap* GlyphCache::Find(const GlyphKey& key) {
    const auto it = index_.find(key);
    if (it == index_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return &it->second->glyph;
}

const GlyphBitmap& GlyphCache::Insert(const GlyphKey& key, GlyphBitmap glyph) {
    if (const auto it = index_.find(key); it != index_.end()) {
        bytes_ -= Cost(it->second->glyph);
        order_.erase(it->second);
        index_.erase(it);
    }
    bytes_ += Cost(glyph);
    order_.push_front(Entry{key, std::move(glyph)});
    index_.emplace(key, order_.begin());
    Evict();
    return order_.front().glyph;
}

void GlyphCache::Clear() {
    index_.clear();
    order_.clear();
    bytes_ = 0;
}

size_t GlyphCache::Cost(const GlyphBitmap& glyph) {
    return sizeof(Entry) + glyph.coverage.size();
}

// The newest entry always stays, so that the reference Insert returns is good even for a glyph
// larger than the whole budget.
void GlyphCache::Evict() {
    while (order_.size() > 1 && (order_.size() > maxGlyphs_ || bytes_ > maxBytes_)) {
        bytes_ -= Cost(order_.back().glyph);
        index_.erase(order_.back().key);
        order_.pop_back();
    }
}

}  // namespace orvane
