// The records of the stage lists. They are typed here, but each formats to exactly the text the
// game has always kept (save games store that text) and parses back from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// LEVEL:NAME:OPACITY:WIDTH:HEIGHT:SURFACE:0:X:Y
struct StageItem {
    int level = 0;  // 0 hides the item; larger levels are drawn later
    std::string name;
    int opacity = 255;
    int width = 0;
    int height = 0;
    int surface = 0;  // pool surface 1..15, slot 16 + surface
    std::string reserved = "0";
    int x = 0;
    int y = 0;

    std::string Format() const;
    static std::optional<StageItem> Parse(std::string_view record);
    // The record without its LEVEL field, which is what name searches look at.
    std::string FormatAfterLevel() const;
    // The record after LEVEL begins with `prefix` (so "obj_a" also finds "obj_ab").
    bool NameStartsWith(std::string_view prefix) const;
    // The record after LEVEL begins with NAME followed by ":".
    bool NameIs(std::string_view exact) const { return name == exact; }
};

// NAME:COUNTDOWN:STEPS:INTERVAL:DX:DY:X:Y:FX:FY
struct StageMove {
    std::string name;
    int countdown = 0;
    int steps = 0;
    int interval = 0;
    int dx = 0;
    int dy = 0;
    int x = 0;
    int y = 0;
    int fx = 0;
    int fy = 0;

    std::string Format() const;
    static std::optional<StageMove> Parse(std::string_view record);
};

// NAME:STEP:TARGET
struct StageFade {
    std::string name;
    int step = 0;
    int target = 0;

    std::string Format() const;
    static std::optional<StageFade> Parse(std::string_view record);
};

// NAME:COUNTDOWN:PERIOD:CURRENT:COUNT:LEVEL:FRAMES, FRAMES being "a1;a2;a3;"
struct StageCycle {
    std::string name;
    int countdown = 0;
    int period = 0;
    int current = 1;  // 1-based
    int count = 0;
    int level = 0;
    std::vector<std::string> frames;

    std::string Format() const;
    static std::optional<StageCycle> Parse(std::string_view record);
    // Frame number `n` (1-based); empty when there is no such frame.
    std::string Frame(int n) const;
};

// COUNT:WAIT:PERIOD:AX:AY:CX:CY:KIND:DIR
struct QuakeState {
    int count = 0;
    int wait = 0;
    int period = 0;
    int ax = 0;
    int ay = 0;
    int cx = 0;
    int cy = 0;
    std::string kind;
    std::string dir;  // "nu", "u", "nd" or "d"

    std::string Format() const;
    static std::optional<QuakeState> Parse(std::string_view record);
};

// Splits at every `separator`, keeping empty fields.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

}  // namespace orvane
