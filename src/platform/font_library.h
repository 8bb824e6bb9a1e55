// FreeType faces loaded from font files, and glyphs rendered from them as coverage bitmaps,
// with bold and italic made up when a face lacks them.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/glyph_bitmap.h"

namespace orvane {

// Distances in pixels at one em size; rows count from the baseline down (negative: above it).
struct FaceMetrics {
    int ascent = 0;
    int descent = 0;
    int underlineTop = 1;
    int underlineThickness = 1;
    int strikeoutTop = -4;
    int strikeoutThickness = 1;
};

struct Synthesis {
    bool bold = false;
    bool italic = false;
};

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // Whether FreeType takes the file as a font; says why not.
    bool Probe(const std::filesystem::path& file, std::string& error);
    // Loads a face once; later calls for the same face give the same number. -1 on failure.
    int Open(const std::string& file, int index, std::string& error);

    bool IsBold(int face) const;
    bool IsItalic(int face) const;
    bool HasChar(int face, char32_t codePoint) const;
    FaceMetrics Metrics(int face, int pixelEm);
    // An empty bitmap (possibly still with an advance) when the glyph cannot be made.
    GlyphBitmap Render(int face, int pixelEm, Synthesis synthesis, char32_t codePoint);

private:
    struct Library;
    struct Face;
    Face* Get(int face) const;
    bool SetSize(Face& face, int pixelEm);

    std::unique_ptr<Library> library_;
    std::vector<std::unique_ptr<Face>> faces_;
    std::map<std::pair<std::string, int>, int> opened_;
};

}  // namespace orvane
