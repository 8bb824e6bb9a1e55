// Font lookup by family name through fontconfig, with the game's own font files added to the
// fonts it knows. Each matcher has its own configuration, so that one rasterizer's registered
// files never leak into another's lookups.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace orvane {

struct FontRequest {
    std::string family;  // UTF-8; empty asks for fontconfig's default
    bool bold = false;
    bool italic = false;
    int pixelEm = 16;
};

struct FontMatch {
    std::string file;
    int index = 0;             // face (and named instance) inside the file
    std::string family;        // the matched face's first family name
    bool familyFound = false;  // the face carries the asked-for family name
};

class FontMatcher {
public:
    FontMatcher();
    ~FontMatcher();
    FontMatcher(const FontMatcher&) = delete;
    FontMatcher& operator=(const FontMatcher&) = delete;

    bool Register(const std::filesystem::path& file, std::string& error);
    // The best face for the request, a substitute when the family is unknown; nothing only when
    // fontconfig has no font at all.
    std::optional<FontMatch> Match(const FontRequest& request);
    // The best face for the request that has a glyph for `codePoint`; nothing when none has.
    std::optional<FontMatch> MatchCovering(const FontRequest& request, char32_t codePoint);

private:
    struct Config;
    std::unique_ptr<Config> config_;
};

}  // namespace orvane
