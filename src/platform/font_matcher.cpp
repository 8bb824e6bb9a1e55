#include "platform/font_matcher.h"

#include <fontconfig/fontconfig.h>

#include <string_view>

namespace orvane {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct CharSetDeleter {
    void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};

int ApplicationFontCount(FcConfig* config) {
    FcFontSet* set = FcConfigGetFonts(config, FcSetApplication);
    return set ? set->nfont : 0;
}

// Family names compare as fontconfig compares them: blanks and letter case do not count.
std::string FamilyKey(std::string_view name) {
    std::string key;
    for (char c : name) {
        if (c == ' ') continue;
        key += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    return key;
}

bool HasFamily(const FcPattern* pattern, const std::string& family) {
    const std::string wanted = FamilyKey(family);
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (name && FamilyKey(reinterpret_cast<const char*>(name)) == wanted) return true;
    }
    return false;
}

Pattern MakeQuery(const FontRequest& request) {
    Pattern query(FcPatternCreate());
    if (!query) return nullptr;
    if (!request.family.empty()) {
        FcPatternAddString(query.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(request.family.c_str()));
    }
    FcPatternAddInteger(query.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(query.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(query.get(), FC_PIXEL_SIZE, request.pixelEm);
    return query;
}

std::optional<FontMatch> Describe(const FcPattern* found, const FontRequest& request) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &file) != FcResultMatch || !file) {
        return std::nullopt;
    }
    FontMatch match;
    match.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(found, FC_INDEX, 0, &match.index);
    FcChar8* family = nullptr;
    if (FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch && family) {
        match.family = reinterpret_cast<const char*>(family);
    }
    match.familyFound = !request.family.empty() && HasFamily(found, request.family);
    return match;
}

}  // namespace

struct FontMatcher::Config {
    FcConfig* config = nullptr;
    bool tried = false;

    ~Config() {
        if (config) FcConfigDestroy(config);
    }
    // Loading the configuration reads the font caches (a few milliseconds), so it waits for the
    // first lookup.
    FcConfig* Get() {
        if (!tried) {
            tried = true;
            config = FcInitLoadConfigAndFonts();
        }
        return config;
    }

    Pattern Find(Pattern query) {
        FcConfig* fc = Get();
        if (!fc || !query) return nullptr;
        FcConfigSubstitute(fc, query.get(), FcMatchPattern);
        FcDefaultSubstitute(query.get());
        FcResult result = FcResultNoMatch;
        return Pattern(FcFontMatch(fc, query.get(), &result));
    }
};

FontMatcher::FontMatcher() : config_(std::make_unique<Config>()) {}
FontMatcher::~FontMatcher() = default;

bool FontMatcher::Register(const std::filesystem::path& file, std::string& error) {
    FcConfig* fc = config_->Get();
    if (!fc) {
        error = "fontconfig could not load its configuration";
        return false;
    }
    const int before = ApplicationFontCount(fc);
    // A folder is accepted by fontconfig without adding anything, hence the count.
    if (!FcConfigAppFontAddFile(fc, reinterpret_cast<const FcChar8*>(file.c_str())) ||
        ApplicationFontCount(fc) == before) {
        error = "fontconfig found no font in " + file.string();
        return false;
    }
    return true;
}

std::optional<FontMatch> FontMatcher::Match(const FontRequest& request) {
    const Pattern found = config_->Find(MakeQuery(request));
    if (!found) return std::nullopt;
    return Describe(found.get(), request);
}

std::optional<FontMatch> FontMatcher::MatchCovering(const FontRequest& request,
                                                    char32_t codePoint) {
    Pattern query = MakeQuery(request);
    std::unique_ptr<FcCharSet, CharSetDeleter> wanted(FcCharSetCreate());
    if (!query || !wanted || !FcCharSetAddChar(wanted.get(), codePoint)) return std::nullopt;
    FcPatternAddCharSet(query.get(), FC_CHARSET, wanted.get());
    const Pattern found = config_->Find(std::move(query));
    if (!found) return std::nullopt;
    // The best match may still lack the character when no installed font has it.
    FcCharSet* has = nullptr;
    if (FcPatternGetCharSet(found.get(), FC_CHARSET, 0, &has) != FcResultMatch ||
        !FcCharSetHasChar(has, codePoint)) {
        return std::nullopt;
    }
    return Describe(found.get(), request);
}

}  // namespace orvane
