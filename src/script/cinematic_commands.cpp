// The blocking cinematic commands: the letter-boxed move ("qmove "), the three-strip opening
// ("set spacing") and the start of a quake.
#include <algorithm>
#include <cstdlib>

#include "base/text.h"
#include "render/blend.h"
#include "render/display.h"
#include "render/step_pacer.h"
#include "script/cinematic_pictures.h"
#include "script/command_params.h"
#include "script/interpreter.h"

namespace orvane {
namespace {

constexpr int kBandTop = 99;      // the picture band between the two letter-box strips
constexpr int kBandBottom = 669;  // exclusive
constexpr int kBandHeight = 570;
constexpr int kSlotBand = 20;
constexpr int kQmovePassLimit = 4096;

// Draws a whole picture file at (x, y) of `target`, cut to `height` rows.
void DrawPictureFile(GameState& game, Surface* target, std::string_view file, int x, int y,
                     int height) {
    const Image& picture = game.pictures.Decode(file);
    if (!target || picture.empty()) return;
    Surface source(picture.width, picture.height);
    static_cast<Image&>(source) = picture;
    const Rect from{0, 0, std::min(picture.width, 1024 - x), std::min(picture.height, height)};
    CopyRect(*target, x, y, source, &from);
}

// Draws `picture` with its top-left at (x, y), cut to the band between the letter-box strips.
// The position may lie anywhere on the way between two script values, hence 64 bits.
void DrawInBand(Surface& back, const Surface& picture, int64_t x, int64_t y, bool blend,
                int opacity) {
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, kBandTop);
    const int64_t right = std::min<int64_t>(x + picture.width, 1024);
    const int64_t bottom = std::min<int64_t>(y + picture.height, kBandBottom);
    if (left >= right || top >= bottom) return;
    const Rect from{static_cast<int>(left - x), static_cast<int>(top - y),
                    static_cast<int>(right - x), static_cast<int>(bottom - y)};
    if (blend) {
        BlendBlit(back, picture, static_cast<int>(left), static_cast<int>(top), &from, opacity);
    } else {
        CopyRect(back, static_cast<int>(left), static_cast<int>(top), picture, &from);
    }
}

// Moves `value` one step toward `target`; a step of 0 or one that passes the target lands on it.
int64_t StepToward(int64_t value, int64_t step, int64_t target) {
    if (step == 0 || (step > 0 && value >= target) || (step < 0 && value <= target)) return target;
    return value;
}

}  // namespace

FixedPictures QmovePictures() {
    return {{kTopStripPicture, PictureNeed::Optional},
            {kBottomStripPicture, PictureNeed::Optional}};
}

FixedPictures SpacingPictures() {
    return {{kBlackPicture, PictureNeed::Optional},
            {kBandUnderlayPicture, PictureNeed::Optional},
            {kTopStripPicture, PictureNeed::Optional},
            {kBottomStripPicture, PictureNeed::Optional}};
}

void Interpreter::Qmove(const std::string& line, int index) {
    NumberReader numbers(kScriptFileName, index, line);
    int delay = 0;
    if (auto value = ValueOf(line, "delay=")) delay = numbers.Read(*value, "delay").value_or(0);
    auto start = numbers.ReadList(PairValueOf(line, "start=").value_or(""), 2, "start");
    auto finish = numbers.ReadList(PairValueOf(line, "finish=").value_or(""), 2, "finish");
    auto params = numbers.ReadList(PairValueOf(line, "params=").value_or(""), 2, "params");
    int opacity = 255;
    if (auto value = ValueOf(line, "opacity=")) {
        opacity = numbers.Read(*value, "opacity").value_or(255);
    }
    const std::optional<std::string_view> name = RestOf(line, " object=");
    if (numbers.failed() || !name) return;

    game_.Animating = true;
    if (const Surface* back = game_.slots.Get(kSlotBackBuffer)) {
        Surface& saved = game_.slots.Create(kSlotThumbnail, 1024, 768);
        CopyRect(saved, 0, 0, *back);
    }
    ClearStage(game_, ClearKind::All);
    DrawPictureFile(game_, game_.slots.Get(kSlotBackBuffer), kTopStripPicture, 0, 0, 103);
    DrawPictureFile(game_, game_.slots.Get(kSlotBackBuffer), kBottomStripPicture, 0, 669, 98);
    if (auto bg = ValueOf(line, "bg=")) {
        if (const std::optional<std::string> file = CatalogFile(game_.lists.ObjectCatalog, *bg)) {
            const Image& picture = game_.pictures.Decode(*file);
            Surface& band = game_.slots.Create(kSlotBand, picture.width, picture.height);
            static_cast<Image&>(band) = picture;
            const Rect top{0, 0, std::min(band.width, 1024), std::min(band.height, kBandHeight)};
            CopyRect(*game_.slots.Get(kSlotBackBuffer), 0, kBandTop, band, &top);
        }
    }

    int64_t x = (*start)[0], y = (*start)[1];
    const std::string itemName(*name);
    AddStageItem(game_, itemName, 1, 255, ":" + std::to_string(x) + ":" + std::to_string(y));
    const StageItem* item = game_.stage.FindByPrefix(itemName);
    const Surface* picture = item ? game_.slots.Get(PoolSlotOf(item->surface)) : nullptr;
    Surface* back = game_.slots.Get(kSlotBackBuffer);
    const bool outside =
        !picture || x <= -picture->width || x >= 1024 || y <= -picture->height || y >= 768;
    if (outside || !back) {
        game_.Animating = false;
        return;
    }
    const bool character = StartsWith(itemName, "ch");
    // A blocking step shows every pass, faded out or not.
    ReleasePresents(game_.slots, game_.platform, /*show=*/false);
    StepPacer pacer(game_.platform);
    DrawInBand(*back, *picture, x, y, character, 255);
    Present(game_.slots, game_.platform);
    pacer.Wait(delay);

    const int steps = std::max((*params)[0], 1), stepMs = (*params)[1];
    const int64_t fx = (*finish)[0], fy = (*finish)[1];
    const int64_t dx = (fx - x) / steps, dy = (fy - y) / steps;
    const Surface* band = game_.slots.Get(kSlotBand);
    for (int pass = 0; pass < kQmovePassLimit; ++pass) {
        x = StepToward(x, dx, fx);
        y = StepToward(y, dy, fy);
        if (x == fx && y == fy) break;
        if (x != fx) x += dx;
        if (y != fy) y += dy;
        if (character && band) {
            const Rect top{0, 0, std::min(band->width, 1024), std::min(band->height, kBandHeight)};
            CopyRect(*back, 0, kBandTop, *band, &top);
        }
        DrawInBand(*back, *picture, x, y, character, character ? opacity : 255);
        Present(game_.slots, game_.platform);
        pacer.Wait(stepMs);
    }
    game_.Animating = false;
    ClearStage(game_, ClearKind::All);
}

void Interpreter::SetSpacing(const std::string& line, int index) {
    const std::vector<std::string_view> fields = SplitFields(line, ':');
    NumberReader numbers(kScriptFileName, index, line);
    const std::optional<int> ms = numbers.Read(fields.size() > 4 ? fields[4] : "", "delay");
    if (!ms) return;
    game_.Animating = true;
    ClearStage(game_, ClearKind::All);
    Surface* strips[3];
    for (int i = 0; i < 3; ++i) {
        strips[i] = &game_.slots.Create(kSlotPoolFirst + i, 1024, 190);
        game_.pictures.LoadPicture(*strips[i], fields[static_cast<size_t>(i + 1)]);
    }
    Surface& frame = game_.slots.Create(kSlotThumbnail, 1024, 768);
    game_.pictures.LoadPicture(frame, kBlackPicture);
    const Image& underlay = game_.pictures.Decode(kBandUnderlayPicture);
    Surface& band = game_.slots.Create(kSlotBand, underlay.width, underlay.height);
    static_cast<Image&>(band) = underlay;
    const Rect underlayRect{0, 0, std::min(band.width, 1024), std::min(band.height, kBandHeight)};
    CopyRect(frame, 0, 103, band, &underlayRect);
    Surface* back = game_.slots.Get(kSlotBackBuffer);
    if (!back) return;
    DrawPictureFile(game_, &frame, kTopStripPicture, 0, 0, 103);
    DrawPictureFile(game_, &frame, kBottomStripPicture, 0, 666, 98);
    CopyRect(*back, 0, 0, frame);
    Present(game_.slots, game_.platform);

    // A blocking step shows every pass, faded out or not.
    ReleasePresents(game_.slots, game_.platform, /*show=*/false);
    StepPacer pacer(game_.platform);
    int a = 0, b = 1024, c = 0;
    for (int k = 0; k < 1234; k += 11) {
        a = std::min(a + 10, 1024);
        if (k >= 101) c = std::min(c + 10, 1024);
        if (k > 50) b = std::max(b - 10, 0);
        StretchCopy(*back, {0, 99, a, 289}, *strips[0], {1024 - a, 0, 1024, 190});
        StretchCopy(*back, {b, 289, 1024, 479}, *strips[1], {0, 0, 1024 - b, 190});
        StretchCopy(*back, {0, 479, c, 669}, *strips[2], {1024 - c, 0, 1024, 190});
        Present(game_.slots, game_.platform);
        pacer.Wait(*ms);
    }
    game_.Animating = false;
    ClearStage(game_, ClearKind::All);
}

Interpreter::Flow Interpreter::Quake(const std::string& line, int index) {
    const std::vector<std::string_view> fields = SplitFields(line, ':');
    NumberReader numbers(kScriptFileName, index, line);
    std::vector<int> values;
    for (size_t i = 1; i <= 6; ++i) {
        const std::optional<int> value = numbers.Read(i < fields.size() ? fields[i] : "", "quake");
        if (!value) return Flow::Continue;
        values.push_back(*value);
    }
    QuakeState quake;
    quake.ax = values[0];
    quake.ay = values[1];
    quake.cx = values[2];
    quake.cy = values[3];
    quake.period = std::max(values[5], 1);
    quake.count = values[4] / quake.period;
    quake.wait = 0;
    quake.kind = fields.size() > 7 ? std::string(fields[7]) : "";
    quake.dir = fields.size() > 8 && fields[8] == "u" ? "nu" : "nd";
    game_.stage.Quake = quake;
    game_.Animating = true;
    game_.stage.MotionActive = true;
    game_.platform.SetTimerEnabled(TimerId::Timer2, true);
    return Flow::Stop;
}

}  // namespace orvane
