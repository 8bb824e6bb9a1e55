// Where a picture can be seen: per row, the runs of pixels whose T is not 255. Blits walk these
// runs and never touch the fully transparent surround of a character picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/image.h"

namespace orvane {

class VisibleRuns {
public:
    struct Run {
        int32_t begin;  // first column
        int32_t end;    // exclusive
    };

    // Transparent gaps shorter than this stay inside a run: the blit passes over short gaps about
    // as fast as it could skip them, while every extra run costs a call and breaks its blocks.
    // Merging them also keeps the index to a few runs per row.
    static constexpr int kShortestSkippedGap = 64;

    explicit VisibleRuns(const Image& picture);

    int width() const { return width_; }
    int height() const { return height_; }
    // Runs of row `y`, left to right, disjoint; every visible pixel lies in one of them.
    std::span<const Run> Row(int y) const {
        return {runs_.data() + rowStart_[y], runs_.data() + rowStart_[y + 1]};
    }
    std::size_t RunCount() const { return runs_.size(); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> rowStart_;  // height + 1 offsets into runs_
    std::vector<Run> runs_;
};

}  // namespace orvane
