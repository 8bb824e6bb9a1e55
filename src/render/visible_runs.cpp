#include "render/visible_runs.h"

namespace orvane {
namespace {

bool Invisible(uint32_t pixel) {
    return (pixel >> 24) == 255;
}

}  // namespace

VisibleRuns::VisibleRuns(const Image& picture) : width_(picture.width), height_(picture.height) {
    if (picture.empty()) {
        width_ = height_ = 0;
        rowStart_.assign(1, 0);
        return;
    }
    rowStart_.reserve(static_cast<std::size_t>(height_) + 1);
    rowStart_.push_back(0);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = picture.row(y);
        int x = 0;
        while (x < width_) {
            while (x < width_ && Invisible(row[x])) ++x;
            if (x == width_) break;
            const int begin = x;
            while (x < width_ && !Invisible(row[x])) ++x;
            const std::size_t firstOfRow = rowStart_.back();
            if (runs_.size() > firstOfRow && begin - runs_.back().end < kShortestSkippedGap) {
                runs_.back().end = x;
            } else {
                runs_.push_back({begin, x});
            }
        }
        rowStart_.push_back(static_cast<uint32_t>(runs_.size()));
    }
    runs_.shrink_to_fit();
}

}  // namespace orvane
