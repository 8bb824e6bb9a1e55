#include "shell/gallery_screen.h"

#include <algorithm>

#include "archive/picture_loader.h"
#include "base/log.h"
#include "base/text.h"
#include "render/display.h"
#include "render/step_pacer.h"
#include "script/stage.h"
#include "shell/carousel_controls.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr int kGalleryMode = 5;
constexpr int kFullViewMode = 51;

constexpr int kBack = kCarouselBack;
constexpr int kMiddle = kCarouselCentre;
constexpr int kPrevious = kCarouselPrevious;
constexpr int kNext = kCarouselNext;

constexpr char kBackground[] = "gallery.jpg";
constexpr char kClosedPicture[] = "not_opened.bmp";

// The controls, tested in this order: the screen's edges scroll as the strip's arrows do.
constexpr CarouselControl kControls[] = {
    kCentrePictureControl,
    {kPrevious, {1, 340, 114, 640}, {}, 0, 0},
    {kNext, {906, 340, 1022, 640}, {}, 0, 0},
    kStripControls[0],
    kStripControls[1],
    kStripControls[2],
};

constexpr int kSmallWidth = 402;
constexpr int kSmallHeight = 302;
// A tile: the page reduced to 400 x 300 in the locked picture stretched to a frame, the middle
// one standing at (311, 339); its neighbours stand a pitch away and show their inner halves.
constexpr int kTileWidth = 402;
constexpr int kTileHeight = 304;
constexpr int kMiddleTileX = 311;
constexpr int kTileY = 339;
constexpr Rect kBand{0, kTileY, kScreenWidth, kTileY + kTileHeight};
// The slide of a scroll: 16 steps of 32 pixels, one carousel pitch.
constexpr int kScrollSteps = 16;
constexpr int kScrollStep = 32;
constexpr int kPitch = kScrollSteps * kScrollStep;

// The counter over the middle picture, in the plain font of a window.
constexpr int kCounterX = 485;
constexpr int kCounterY = 305;
const FontSpec kCounterFont{"", 12};
constexpr uint32_t kCounterColour = 0x000000;

// Whether the first line of `triggers` that sets `name` holds "yes" in its value.
bool IsUnlocked(const StringList& triggers, std::string_view name) {
    for (const std::string& line : triggers) {
        if (line.size() <= name.size() || line.compare(0, name.size(), name) != 0 ||
            line[name.size()] != '=') {
            continue;
        }
        return line.find("yes", name.size() + 1) != std::string::npos;
    }
    return false;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

FixedPictures GalleryPictures() {
    // The page is filled white before the picture is looked for.
    return {{kBackground, PictureNeed::Required},
            {kClosedPicture, PictureNeed::Required},
            {kCarouselControlsPicture, PictureNeed::Required},
            {kWhitePicture, PictureNeed::Fallback}};
}

void GalleryScreen::Open() {
    GameState& game = shell_.game;
    entries_ = ReadGalleryEntries(game.lists.GalleryList);
    if (entries_.empty()) {
        LogError("the gallery has no pictures: gallery.scn holds no line TRIGGER:PICTURE");
        return;
    }
    ClearStage(game, ClearKind::All);
    background_ = Surface(kScreenWidth, kScreenHeight);
    white_ = Surface(kScreenWidth, kScreenHeight);
    white_.Fill(MakePixel(255, 255, 255));
    closed_ = Surface(kSmallWidth, kSmallHeight);
    controls_ = Surface(kSmallWidth, kSmallHeight);
    game.pictures.LoadPicture(controls_, kCarouselControlsPicture);
    game.pictures.LoadPicture(background_, kBackground);
    game.pictures.LoadPicture(closed_, kClosedPicture);
    // A missing JPEG would hand out the last one decoded, the background: the page stays white.
    if (const Image& white = game.pictures.Decode(kWhitePicture);
        game.pictures.LastPictureFound && !white.empty()) {
        CopyPictureInto(white_, white);
    }
    carousel = CarouselPositions::Start(static_cast<int>(entries_.size()));
    // A click before the pointer has moved over a control does nothing.
    LoadHoverButton = 0;
    const int positions[3] = {carousel.left, carousel.centre, carousel.right};
    for (size_t i = 0; i < 3; ++i) {
        pageOpen_[i] = MakePage(positions[i], pages_[i]);
        MakeTile(pages_[i], tiles_[i]);
    }
    ShowGallery();
}

bool GalleryScreen::MakePage(int position, Surface& page) {
    GameState& game = shell_.game;
    const GalleryEntry& entry =
        entries_[static_cast<size_t>(SaveIndexOf(position, static_cast<int>(entries_.size())))];
    page = white_;
    if (IsUnlocked(game.Triggers, entry.trigger)) {
        Surface picture;
        static_cast<Image&>(picture) = game.pictures.Take(entry.picture);
        if (game.pictures.LastPictureFound && !picture.empty()) {
            DrawCut(page, picture, (kScreenWidth - picture.width) / 2,
                    (kScreenHeight - picture.height) / 2, false);
            return true;
        }
        LogError("the gallery picture " + Cp1251ToUtf8(entry.picture) +
                 " cannot be shown; it stands as " + kClosedPicture);
    }
    StretchCopy(page, page.bounds(), closed_, {1, 1, kSmallWidth - 1, kSmallHeight - 1});
    return false;
}

void GalleryScreen::MakeTile(const Surface& page, Surface& tile) {
    tile = Surface(kTileWidth, kTileHeight);
    StretchCopy(tile, tile.bounds(), closed_, closed_.bounds());
    StretchCopy(tile, {1, 2, kTileWidth - 1, kTileHeight - 2}, page, page.bounds());
}

void GalleryScreen::ShowGallery(int litControl) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    GalleryMiddleOpen = pageOpen_[1] ? 1 : 0;
    CopyRect(*back, 0, 0, background_);
    for (int i = 0; i < 3; ++i) {
        DrawCut(*back, tiles_[static_cast<size_t>(i)], kMiddleTileX + (i - 1) * kPitch, kTileY,
                false);
    }
    DrawCounter(*back);
    if (litControl != 0) DrawControls(*back, litControl);
    Present(game.slots, game.platform);
    game.ScreenMode = kGalleryMode;
}

void GalleryScreen::DrawCounter(Surface& back) {
    const std::string text =
        TwoDigits(carousel.centre) + "/" + TwoDigits(static_cast<int>(entries_.size()));
    int x = kCounterX;
    for (const char c : text) {
        x += shell_.game.fonts.DrawChar(back, x, kCounterY, kCounterFont, kCounterColour, c);
    }
    back.MarkChanged();
}

void GalleryScreen::DrawControls(Surface& back, int lit) {
    // The strip's own arrows are lit, not the edges of the screen that scroll as well.
    DrawCarouselControls(back, controls_, kControls, lit);
}

void GalleryScreen::Hover(int x, int y) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    LoadHoverButton = CarouselControlAt(kControls, x, y);
    DrawControls(*back, LoadHoverButton);
    Present(game.slots, game.platform);
}

void GalleryScreen::Click() {
    GameState& game = shell_.game;
    switch (LoadHoverButton) {
        case kBack:
            return BackToMainMenu();
        case kMiddle:
            if (Surface* back = game.slots.Get(kSlotBackBuffer)) {
                savedFrame_ = *back;
                // A locked picture is not shown larger: the carousel stays until the next click.
                if (GalleryMiddleOpen == 1) CopyRect(*back, 0, 0, pages_[1]);
            }
            Present(game.slots, game.platform);
            game.ScreenMode = kFullViewMode;
            return;
        case kPrevious:
        case kNext:
            shell_.input.LockClicks();
            return Scroll(LoadHoverButton == kNext);
        default:
            return;
    }
}

void GalleryScreen::FullViewClick() {
    GameState& game = shell_.game;
    if (Surface* back = game.slots.Get(kSlotBackBuffer); back && !savedFrame_.empty()) {
        CopyRect(*back, 0, 0, savedFrame_);
    }
    savedFrame_ = Surface();
    Present(game.slots, game.platform);
    game.ScreenMode = kGalleryMode;
}

void GalleryScreen::Scroll(bool forward) {
    GameState& game = shell_.game;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const CarouselPositions next = carousel.Turned(static_cast<int>(entries_.size()), forward);
    // The entry that comes into view from the side the carousel moves away from.
    Surface incomingPage;
    Surface incoming;
    const bool incomingOpen = MakePage(forward ? next.right : next.left, incomingPage);
    MakeTile(incomingPage, incoming);
    const Surface* order[4];
    if (forward) {
        order[0] = &tiles_[0], order[1] = &tiles_[1], order[2] = &tiles_[2], order[3] = &incoming;
    } else {
        order[0] = &incoming, order[1] = &tiles_[0], order[2] = &tiles_[1], order[3] = &tiles_[2];
    }
    const int restingFirstX = kMiddleTileX - (forward ? 1 : 2) * kPitch;
    StepPacer pacer(game.platform);
    for (int step = 1; step <= kScrollSteps; ++step) {
        const int shift = step * kScrollStep;
        CopyRect(*back, kBand.left, kBand.top, background_, &kBand);
        int x = forward ? restingFirstX - shift : restingFirstX + shift;
        for (const Surface* tile : order) {
            DrawCut(*back, *tile, x, kTileY, false);
            x += kPitch;
        }
        Present(game.slots, game.platform);
        pacer.Wait(0);
    }
    carousel = next;
    // The pages that stay are kept, not made again.
    if (forward) {
        std::shift_left(pages_.begin(), pages_.end(), 1);
        std::shift_left(tiles_.begin(), tiles_.end(), 1);
        std::shift_left(pageOpen_.begin(), pageOpen_.end(), 1);
        pages_[2] = std::move(incomingPage), tiles_[2] = std::move(incoming);
        pageOpen_[2] = incomingOpen;
    } else {
        std::shift_right(pages_.begin(), pages_.end(), 1);
        std::shift_right(tiles_.begin(), tiles_.end(), 1);
        std::shift_right(pageOpen_.begin(), pageOpen_.end(), 1);
        pages_[0] = std::move(incomingPage), tiles_[0] = std::move(incoming);
        pageOpen_[0] = incomingOpen;
    }
    // The pointer is still on its control, which stays lit for the next scroll.
    ShowGallery(LoadHoverButton);
}

void GalleryScreen::BackToMainMenu() {
    ReleasePictures();
    shell_.GoToMainMenu();
}

void GalleryScreen::ReleasePictures() {
    background_ = Surface();
    white_ = Surface();
    closed_ = Surface();
    controls_ = Surface();
    savedFrame_ = Surface();
    for (Surface& page : pages_) page = Surface();
    for (Surface& tile : tiles_) tile = Surface();
}

}  // namespace orvane
