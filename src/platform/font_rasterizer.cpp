#include "platform/font_rasterizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <unordered_map>

#include "base/log.h"
#include "base/text.h"
#include "platform/font_library.h"
#include "platform/font_matcher.h"
#include "platform/glyph_cache.h"

namespace orvane {
namespace {

// Beyond this the em would not fit the screen anyway; it also keeps FreeType's sizes sane.
constexpr int kMaxPixelEm = 1024;
// Scripts use a handful of fonts; an unbounded stream of new ones only refills the table.
constexpr size_t kMaxResolvedFonts = 256;
constexpr size_t kMaxCachedGlyphs = 4096;
constexpr size_t kMaxCachedGlyphBytes = size_t{16} << 20;

int PixelEm(int size) {
    const int em = -FontRasterizer::HeightValue(size);
    return std::clamp(em == 0 ? -FontRasterizer::HeightValue(FontSpec{}.size) : std::abs(em), 1,
                      kMaxPixelEm);
}

// Control characters borrow nothing from other fonts: whatever the face itself has for them
// (usually its missing-glyph box) stands for them.
bool MayFallBack(char32_t codePoint) {
    return codePoint >= 0x20 && !(codePoint >= 0x7F && codePoint <= 0x9F);
}

struct FontSpecHash {
    size_t operator()(const FontSpec& fontSpec) const {
        size_t h = std::hash<std::string>()(fontSpec.face);
        const unsigned flags = (fontSpec.bold ? 1u : 0u) | (fontSpec.italic ? 2u : 0u) |
                               (fontSpec.underline ? 4u : 0u) | (fontSpec.strikeout ? 8u : 0u);
        return h ^ ((static_cast<size_t>(fontSpec.size) << 4 | flags) * 0x9E3779B97F4A7C15ull);
    }
};

// A FontSpec bound to a loaded face.
struct ResolvedFont {
    int face = -1;  // -1: nothing could be loaded; the font draws nothing
    std::string file;
    std::string family;  // of the matched face, which also picks faces for missing characters
    int pixelEm = 1;
    bool bold = false;
    bool italic = false;
    Synthesis synthesis;
    FaceMetrics metrics;
};

}  // namespace

class FontRasterizer::Impl {
public:
    bool Register(const std::filesystem::path& file, std::string& error) {
        if (!library_.Probe(file, error)) return false;
        if (!matcher_.Register(file, error)) return false;
        // Fonts looked up before, and characters borrowed from other fonts, may come from the
        // new file now.
        fonts_.clear();
        glyphs_.Clear();
        return true;
    }

    const ResolvedFont& Resolve(const FontSpec& fontSpec) {
        if (const auto it = fonts_.find(fontSpec); it != fonts_.end()) return it->second;
        if (fonts_.size() >= kMaxResolvedFonts) fonts_.clear();
        return fonts_.emplace(fontSpec, Load(fontSpec)).first->second;
    }

    const GlyphBitmap& Glyph(const ResolvedFont& font, char cp1251) {
        const char32_t codePoint = Cp1251ToCodePoint(cp1251);
        const GlyphKey key{font.face, font.pixelEm, font.bold, font.italic, codePoint};
        if (const GlyphBitmap* hit = glyphs_.Find(key)) return *hit;
        return glyphs_.Insert(key, RenderGlyph(font, codePoint));
    }

private:
    ResolvedFont Load(const FontSpec& fontSpec) {
        ResolvedFont font;
        font.pixelEm = PixelEm(fontSpec.size);
        font.bold = fontSpec.bold;
        font.italic = fontSpec.italic;
        const FontRequest request{Cp1251ToUtf8(fontSpec.face), fontSpec.bold, fontSpec.italic, font.pixelEm};
        std::string error;
        auto match = matcher_.Match(request);
        if (match) font.face = library_.Open(match->file, match->index, error);
        if (font.face < 0) {
            // The matched file may have gone or be broken; the default font still writes.
            if (match) Warn(fontSpec.face, "cannot load " + match->file + ": " + error);
            match = matcher_.Match(FontRequest{"", fontSpec.bold, fontSpec.italic, font.pixelEm});
            if (match) font.face = library_.Open(match->file, match->index, error);
        } else if (!match->familyFound && !fontSpec.face.empty()) {
            Warn(fontSpec.face, "not installed; drawn with \"" + match->family + "\"");
        }
        if (match && font.face >= 0) {
            font.file = match->file;
            font.family = match->family;
            font.synthesis = SynthesisFor(fontSpec.bold, fontSpec.italic, font.face);
        } else {
            Warn(fontSpec.face, "no font at all could be loaded");
        }
        font.metrics = library_.Metrics(font.face, font.pixelEm);
        return font;
    }

    Synthesis SynthesisFor(bool bold, bool italic, int face) const {
        return Synthesis{bold && !library_.IsBold(face), italic && !library_.IsItalic(face)};
    }

    GlyphBitmap RenderGlyph(const ResolvedFont& font, char32_t codePoint) {
        int face = font.face;
        Synthesis synthesis = font.synthesis;
        if (face >= 0 && !library_.HasChar(face, codePoint) && MayFallBack(codePoint)) {
            const FontRequest request{font.family, font.bold, font.italic, font.pixelEm};
            if (const auto match = matcher_.MatchCovering(request, codePoint)) {
                std::string error;
                const int other = library_.Open(match->file, match->index, error);
                if (other >= 0) {
                    face = other;
                    synthesis = SynthesisFor(font.bold, font.italic, other);
                }
            }
        }
        return library_.Render(face, font.pixelEm, synthesis, codePoint);
    }

    // Once per family name, so that a script full of one missing font says so once.
    void Warn(const std::string& cp1251Face, const std::string& what) {
        if (!warned_.insert(cp1251Face).second) return;
        LogWarning("font \"" + Cp1251ToUtf8(cp1251Face) + "\" " + what);
    }

    FontLibrary library_;
    FontMatcher matcher_;
    GlyphCache glyphs_{kMaxCachedGlyphs, kMaxCachedGlyphBytes};
    std::unordered_map<FontSpec, ResolvedFont, FontSpecHash> fonts_;
    std::set<std::string> warned_;
};

FontRasterizer::FontRasterizer() : impl_(std::make_unique<Impl>()) {}
FontRasterizer::~FontRasterizer() = default;

bool FontRasterizer::RegisterFontFile(const std::filesystem::path& file, std::string& error) {
    return impl_->Register(file, error);
}

int FontRasterizer::HeightValue(int size) {
    const int64_t em = static_cast<int64_t>(size) * 96 / 72;
    return static_cast<int>(-std::clamp<int64_t>(em, -std::numeric_limits<int>::max(),
                                                 std::numeric_limits<int>::max()));
}

int FontRasterizer::CharWidth(const FontSpec& font, char cp1251) {
    return impl_->Glyph(impl_->Resolve(font), cp1251).advance;
}

int FontRasterizer::CellHeight(const FontSpec& font) {
    const FaceMetrics& m = impl_->Resolve(font).metrics;
    return m.ascent + m.descent;
}

int FontRasterizer::Ascent(const FontSpec& font) {
    return impl_->Resolve(font).metrics.ascent;
}

int FontRasterizer::DrawChar(Image& target, int x, int top, const FontSpec& font, uint32_t rgb,
                             char cp1251, std::optional<uint32_t> background) {
    const ResolvedFont& resolved = impl_->Resolve(font);
    const GlyphBitmap& glyph = impl_->Glyph(resolved, cp1251);
    const FaceMetrics& m = resolved.metrics;
    const int64_t baseline = int64_t{top} + m.ascent;
    if (background) FillSolid(target, x, top, glyph.advance, m.ascent + m.descent, *background);
    PaintCoverage(target, int64_t{x} + glyph.left, baseline - glyph.top, glyph, rgb);
    if (font.underline) {
        FillSolid(target, x, baseline + m.underlineTop, glyph.advance, m.underlineThickness, rgb);
    }
    if (font.strikeout) {
        FillSolid(target, x, baseline + m.strikeoutTop, glyph.advance, m.strikeoutThickness, rgb);
    }
    return glyph.advance;
}

std::filesystem::path FontRasterizer::FontFile(const FontSpec& font) {
    return impl_->Resolve(font).file;
}

}  // namespace orvane
