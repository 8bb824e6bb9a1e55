// Rendered glyphs kept for reuse: the typewriter redraws a whole line every tick, one character
// at a time, so nearly every draw is a repeat. Bounded by glyph count and by bytes, dropping the
// least recently used first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>

#include "platform/glyph_bitmap.h"

namespace orvane {

struct GlyphKey {
    int face = 0;  // the rasterizer's number for a loaded face
    int pixelEm = 0;
    bool bold = false;  // as asked for; whether it is synthesised follows from the face
    bool italic = false;
    char32_t codePoint = 0;
    bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
    size_t operator()(const GlyphKey& key) const;
};

class GlyphCache {
public:
    GlyphCache(size_t maxGlyphs, size_t maxBytes);

    // Null when absent; a hit becomes the most recently used.
    const GlyphBitmap* Find(const GlyphKey& key);
    // Stores (or replaces) the glyph and returns the stored copy, which stays valid until the
    // next Insert or Clear.
    const GlyphBitmap& Insert(const GlyphKey& key, GlyphBitmap glyph);
    void Clear();

    size_t size() const { return index_.size(); }
    size_t bytes() const { return bytes_; }

private:
    struct Entry {
        GlyphKey key;
        GlyphBitmap glyph;
    };
    static size_t Cost(const GlyphBitmap& glyph);
    void Evict();

    size_t maxGlyphs_;
    size_t maxBytes_;
    size_t bytes_ = 0;
    std::list<Entry> order_;  // most recently used first
    std::unordered_map<GlyphKey, std::list<Entry>::iterator, GlyphKeyHash> index_;
};

}  // namespace orvane
