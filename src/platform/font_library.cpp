#include "platform/font_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/files.h"

namespace orvane {
namespace {

// Fonts are small; a file far larger than any real one is refused before it is read.
constexpr size_t kMaxFontFileBytes = size_t{64} << 20;
// A hostile outline may ask for an enormous bitmap; such a glyph draws nothing.
constexpr int64_t kMaxGlyphPixels = int64_t{2048} * 2048;
// The slant of the made-up italic: tan(12 degrees), about what printers used for oblique type.
constexpr FT_Fixed kItalicShear = 0x0366A;

std::string FreeTypeMessage(FT_Error error) {
#undef FTERRORS_H_
#define FT_ERROR_START_LIST switch (FT_ERROR_BASE(error)) {
#define FT_ERRORDEF(e, v, s) \
    case v:                  \
        return s;
#define FT_ERROR_END_LIST }
#include FT_ERRORS_H
    return "FreeType error " + std::to_string(error);
}

int64_t RoundScaled(int64_t units, int pixelEm, int unitsPerEm) {
    return std::llround(static_cast<double>(units) * pixelEm / unitsPerEm);
}

// Kept so that far-off values from a broken font cannot make cells or lines absurd.
int ClampToEm(int64_t value, int pixelEm, int low) {
    return static_cast<int>(std::clamp<int64_t>(value, low, int64_t{4} * pixelEm + 64));
}

// Coverage 0..255 of one row of any FreeType bitmap that FT_Bitmap_Convert has made 8-bit.
uint8_t Level(unsigned value, int grays) {
    if (grays <= 1 || grays == 256) return static_cast<uint8_t>(value);
    return static_cast<uint8_t>(std::min(255u, value * 255u / static_cast<unsigned>(grays - 1)));
}

const unsigned char* TopRow(const FT_Bitmap& bitmap) {
    // A negative pitch means the rows run upwards from the buffer's start.
    return bitmap.pitch >= 0 ? bitmap.buffer
                             : bitmap.buffer + static_cast<ptrdiff_t>(-bitmap.pitch) *
                                                   (static_cast<ptrdiff_t>(bitmap.rows) - 1);
}

void CopyCoverage(FT_Library library, const FT_Bitmap& bitmap, GlyphBitmap& out) {
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.coverage.assign(static_cast<size_t>(out.width) * out.height, 0);
    if (bitmap.pixel_mode == FT_PIXEL_MODE_BGRA) {
        const unsigned char* row = TopRow(bitmap);
        for (int y = 0; y < out.height; ++y, row += bitmap.pitch) {
            for (int x = 0; x < out.width; ++x) {
                out.coverage[static_cast<size_t>(y) * out.width + x] = row[x * 4 + 3];
            }
        }
        return;
    }
    FT_Bitmap gray;
    FT_Bitmap_Init(&gray);
    const FT_Bitmap* source = &bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        if (FT_Bitmap_Convert(library, &bitmap, &gray, 1) != 0) {
            FT_Bitmap_Done(library, &gray);
            out.width = out.height = 0;
            out.coverage.clear();
            return;
        }
        source = &gray;
    }
    const unsigned char* row = TopRow(*source);
    const int width = std::min(out.width, static_cast<int>(source->width));
    const int height = std::min(out.height, static_cast<int>(source->rows));
    for (int y = 0; y < height; ++y, row += source->pitch) {
        for (int x = 0; x < width; ++x) {
            out.coverage[static_cast<size_t>(y) * out.width + x] = Level(row[x], source->num_grays);
        }
    }
    FT_Bitmap_Done(library, &gray);
}

}  // namespace

struct FontLibrary::Library {
    FT_Library library = nullptr;
    std::string error;
    Library() {
        if (const FT_Error e = FT_Init_FreeType(&library)) {
            library = nullptr;
            error = "FreeType did not start: " + FreeTypeMessage(e);
        }
    }
    ~Library() {
        if (library) FT_Done_FreeType(library);
    }
};

struct FontLibrary::Face {
    std::string bytes;  // FreeType reads the face from here for as long as it lives
    FT_Face face = nullptr;
    int pixelEm = 0;      // the size last set, to skip setting it again
    bool symbol = false;  // a symbol-encoded face keeps its glyphs at U+F000 + byte
    ~Face() {
        if (face) FT_Done_Face(face);
    }
};

FontLibrary::FontLibrary() : library_(std::make_unique<Library>()) {}
FontLibrary::~FontLibrary() {
    // The faces go before the library that made them.
    faces_.clear();
}

bool FontLibrary::Probe(const std::filesystem::path& file, std::string& error) {
    if (!library_->library) {
        error = library_->error;
        return false;
    }
    std::string bytes;
    if (!ReadFileBounded(file, kMaxFontFileBytes, bytes, error)) return false;
    FT_Face face = nullptr;
    const FT_Error e =
        FT_New_Memory_Face(library_->library, reinterpret_cast<const FT_Byte*>(bytes.data()),
                           static_cast<FT_Long>(bytes.size()), 0, &face);
    if (e) {
        error = file.string() + " is not a font FreeType can read: " + FreeTypeMessage(e);
        return false;
    }
    const bool usable = face->num_glyphs > 0 && (FT_IS_SCALABLE(face) || face->num_fixed_sizes > 0);
    FT_Done_Face(face);
    if (!usable) error = file.string() + " holds no usable glyphs";
    return usable;
}

int FontLibrary::Open(const std::string& file, int index, std::string& error) {
    if (const auto it = opened_.find({file, index}); it != opened_.end()) return it->second;
    if (!library_->library) {
        error = library_->error;
        return -1;
    }
    auto face = std::make_unique<Face>();
    if (!ReadFileBounded(file, kMaxFontFileBytes, face->bytes, error)) return -1;
    const FT_Error e =
        FT_New_Memory_Face(library_->library, reinterpret_cast<const FT_Byte*>(face->bytes.data()),
                           static_cast<FT_Long>(face->bytes.size()), index, &face->face);
    if (e) {
        face->face = nullptr;
        error = file + ": " + FreeTypeMessage(e);
        return -1;
    }
    if (!face->face->charmap || face->face->charmap->encoding != FT_ENCODING_UNICODE) {
        face->symbol = FT_Select_Charmap(face->face, FT_ENCODING_MS_SYMBOL) == 0;
    }
    faces_.push_back(std::move(face));
    const int id = static_cast<int>(faces_.size()) - 1;
    opened_[{file, index}] = id;
    return id;
}

FontLibrary::Face* FontLibrary::Get(int face) const {
    return face >= 0 && face < static_cast<int>(faces_.size()) ? faces_[face].get() : nullptr;
}

namespace {

FT_UInt GlyphIndex(FT_Face face, bool symbol, char32_t codePoint) {
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0 && symbol && codePoint < 0x100) {
        index = FT_Get_Char_Index(face, 0xF000 + codePoint);
    }
    return index;
}

}  // namespace

// The face's own word, not fontconfig's: its rules for synthetic styles rewrite the weight and
// slant of the matched pattern to what was asked for.
bool FontLibrary::IsBold(int face) const {
    const Face* f = Get(face);
    if (!f) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f->face, FT_SFNT_OS2));
    constexpr FT_UShort kSemiBold = 600;
    return (f->face->style_flags & FT_STYLE_FLAG_BOLD) ||
           (os2 && os2->version != 0xFFFF && os2->usWeightClass >= kSemiBold);
}

bool FontLibrary::IsItalic(int face) const {
    const Face* f = Get(face);
    if (!f) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f->face, FT_SFNT_OS2));
    constexpr FT_UShort kObliqueBit = 1 << 9;
    return (f->face->style_flags & FT_STYLE_FLAG_ITALIC) ||
           (os2 && os2->version != 0xFFFF && (os2->fsSelection & kObliqueBit));
}

bool FontLibrary::HasChar(int face, char32_t codePoint) const {
    const Face* f = Get(face);
    return f && GlyphIndex(f->face, f->symbol, codePoint) != 0;
}

bool FontLibrary::SetSize(Face& face, int pixelEm) {
    if (face.pixelEm == pixelEm) return true;
    FT_Face ft = face.face;
    FT_Error e = 0;
    if (FT_IS_SCALABLE(ft)) {
        e = FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(pixelEm));
    } else if (ft->num_fixed_sizes > 0) {
        // A bitmap-only face draws at its nearest strike.
        int best = 0;
        for (int i = 1; i < ft->num_fixed_sizes; ++i) {
            if (std::abs(ft->available_sizes[i].height - pixelEm) <
                std::abs(ft->available_sizes[best].height - pixelEm)) {
                best = i;
            }
        }
        e = FT_Select_Size(ft, best);
    } else {
        e = FT_Err_Invalid_Pixel_Size;
    }
    face.pixelEm = e ? 0 : pixelEm;
    return e == 0;
}

FaceMetrics FontLibrary::Metrics(int face, int pixelEm) {
    FaceMetrics m;
    // What any face falls back on when it gives no usable figures.
    m.ascent = (pixelEm * 4 + 4) / 5;
    m.descent = pixelEm / 5;
    m.underlineTop = std::max(1, m.descent / 2);
    m.underlineThickness = std::max(1, pixelEm / 14);
    m.strikeoutThickness = m.underlineThickness;
    m.strikeoutTop = -(pixelEm / 4) - m.strikeoutThickness / 2;

    Face* f = Get(face);
    if (!f || !SetSize(*f, pixelEm)) return m;
    FT_Face ft = f->face;
    const int upem = ft->units_per_EM;
    if (!FT_IS_SCALABLE(ft) || upem <= 0) {
        const FT_Size_Metrics& sm = ft->size->metrics;
        m.ascent = ClampToEm((sm.ascender + 63) / 64, pixelEm, 0);
        m.descent = ClampToEm((-sm.descender + 32) / 64, pixelEm, 0);
        m.underlineTop = std::max(1, m.descent / 2);
        m.strikeoutTop = -(m.ascent / 3) - m.strikeoutThickness / 2;
        return m;
    }

    // The cell is what the Windows metrics of the face say (the OS/2 table), as the canvas
    // measured it; fonts without them give their typographic extent.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    int64_t ascender = ft->ascender;
    int64_t descender = -static_cast<int64_t>(ft->descender);
    if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
        ascender = os2->usWinAscent;
        descender = os2->usWinDescent;
    }
    if (ascender + descender > 0) {
        // The ascent rounds up so that accents on capitals stay inside the cell.
        m.ascent =
            ClampToEm((std::max<int64_t>(ascender, 0) * pixelEm + upem - 1) / upem, pixelEm, 0);
        m.descent =
            ClampToEm(RoundScaled(std::max<int64_t>(descender, 0), pixelEm, upem), pixelEm, 0);
    }

    if (ft->underline_thickness > 0) {
        m.underlineThickness =
            ClampToEm(RoundScaled(ft->underline_thickness, pixelEm, upem), pixelEm, 1);
        // FreeType gives the middle of the stroke.
        const double middle = -static_cast<double>(ft->underline_position) * pixelEm / upem;
        m.underlineTop = ClampToEm(std::llround(middle - m.underlineThickness / 2.0), pixelEm, 1);
    }
    // The line stays inside the cell when the descent leaves room for it below the baseline.
    if (m.underlineTop + m.underlineThickness > m.descent && m.descent > m.underlineThickness) {
        m.underlineTop = m.descent - m.underlineThickness;
    }

    m.strikeoutThickness = m.underlineThickness;
    if (hasOs2 && os2->yStrikeoutSize > 0 && os2->yStrikeoutPosition > 0) {
        m.strikeoutThickness =
            ClampToEm(RoundScaled(os2->yStrikeoutSize, pixelEm, upem), pixelEm, 1);
        // The table gives the top of the stroke.
        m.strikeoutTop =
            -ClampToEm(RoundScaled(os2->yStrikeoutPosition, pixelEm, upem), pixelEm, 1);
    } else {
        // Through the middle of the lower-case letters.
        const int64_t xHeight =
            hasOs2 && os2->version >= 2 && os2->sxHeight > 0 ? os2->sxHeight : upem / 2;
        const double middle = static_cast<double>(xHeight) * pixelEm / upem / 2;
        m.strikeoutTop = -ClampToEm(std::llround(middle + m.strikeoutThickness / 2.0), pixelEm, 1);
    }
    return m;
}

GlyphBitmap FontLibrary::Render(int face, int pixelEm, Synthesis synthesis, char32_t codePoint) {
    GlyphBitmap out;
    Face* f = Get(face);
    if (!f || !SetSize(*f, pixelEm)) return out;
    FT_Face ft = f->face;
    // Embedded bitmaps would come out unsmoothed; the canvas antialiased every glyph.
    const FT_Int32 flags = FT_LOAD_DEFAULT | (FT_IS_SCALABLE(ft) ? FT_LOAD_NO_BITMAP : 0);
    if (FT_Load_Glyph(ft, GlyphIndex(ft, f->symbol, codePoint), flags) != 0) return out;
    FT_GlyphSlot slot = ft->glyph;
    int64_t advance = (slot->advance.x + 32) / 64;

    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (synthesis.bold) {
            // Widened sideways only, and kept on its left edge, as the canvas overstruck a
            // glyph one step to the right: the advance grows by the same amount.
            const FT_Pos strength = std::max<FT_Pos>(64, pixelEm * 64 / 24);
            FT_Outline_EmboldenXY(&slot->outline, strength, 0);
            FT_Outline_Translate(&slot->outline, strength / 2, 0);
            advance += (strength + 32) / 64;
        }
        if (synthesis.italic) {
            // Sheared about the baseline, so the advance stays and the top leans right.
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    } else if (synthesis.bold) {
        FT_GlyphSlot_Embolden(slot);
        advance = (slot->advance.x + 32) / 64;
    }
    out.advance = ClampToEm(advance, pixelEm, 0);

    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return out;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    if (!bitmap.buffer || bitmap.width == 0 || bitmap.rows == 0 ||
        static_cast<int64_t>(bitmap.width) * bitmap.rows > kMaxGlyphPixels) {
        return out;
    }
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    CopyCoverage(library_->library, bitmap, out);
    return out;
}

}  // namespace orvane
