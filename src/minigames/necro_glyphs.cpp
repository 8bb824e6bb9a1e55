#include "minigames/necro_glyphs.h"

#include <algorithm>
#include <unordered_map>

namespace orvane {
namespace {

uint32_t Background(const Image& font, int rows) {
    std::unordered_map<uint32_t, int> counts;
    uint32_t best = 0;
    int bestCount = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < font.width; ++x) {
            const uint32_t pixel = font.at(x, y);
            const int count = ++counts[pixel];
            if (count > bestCount) {
                best = pixel;
                bestCount = count;
            }
        }
    }
    return best;
}

std::vector<bool> InkColumns(const Image& font, int rows) {
    const uint32_t background = Background(font, rows);
    std::vector<bool> ink(static_cast<size_t>(font.width), false);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < font.width; ++x) {
            const uint32_t pixel = font.at(x, y);
            if (pixel != background && PixelT(pixel) != 255) ink[static_cast<size_t>(x)] = true;
        }
    }
    return ink;
}

}  // namespace

std::vector<NecroGlyph> FindGlyphEdges(const Image& font, int rows, int count,
                                       std::string& problem) {
    problem.clear();
    rows = std::clamp(rows, 0, font.height);
    std::vector<NecroGlyph> runs;
    if (font.width > 0 && rows > 0) {
        const std::vector<bool> ink = InkColumns(font, rows);
        for (int x = 0; x < font.width; ++x) {
            if (!ink[static_cast<size_t>(x)]) continue;
            if (!runs.empty() && runs.back().right == x) {
                runs.back().right = x + 1;
            } else {
                runs.push_back({x, x + 1, 0});
            }
        }
    }
    const size_t wanted = static_cast<size_t>(std::max(count, 0));
    if (runs.size() > wanted) {
        problem = std::to_string(runs.size()) + " runs of ink for " + std::to_string(wanted) +
                  " glyphs; the closest runs are taken as one glyph";
        while (runs.size() > wanted && runs.size() > 1) {
            size_t join = 0;
            for (size_t i = 1; i + 1 < runs.size(); ++i) {
                if (runs[i + 1].left - runs[i].right < runs[join + 1].left - runs[join].right) {
                    join = i;
                }
            }
            runs[join].right = runs[join + 1].right;
            runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(join) + 1);
        }
        if (wanted == 0) runs.clear();
    } else if (runs.size() < wanted) {
        problem = "ink for " + std::to_string(runs.size()) + " glyphs of " +
                  std::to_string(wanted) + "; the rest are not drawn";
    }
    for (NecroGlyph& glyph : runs) glyph.advance = glyph.right - glyph.left + 1;
    runs.resize(wanted);
    return runs;
}

}  // namespace orvane
