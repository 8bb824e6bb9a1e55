// The gallery: the pictures the story has unlocked as a carousel over "gallery.jpg", with the
// entry's number among all, scrolling both ways and the way back (mode 5), and the middle
// picture over the whole screen (mode 51).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "archive/fixed_picture.h"
#include "render/surface.h"
#include "shell/gallery_entries.h"
#include "shell/load_carousel.h"

namespace orvane {

class Shell;

class GalleryScreen {
public:
    explicit GalleryScreen(Shell& shell) : shell_(shell) {}

    // The "gallery" action of the main menu: the first entry in the middle. A gallery without a
    // single entry is not opened.
    void Open();

    // Mode 5: the hover sets LoadHoverButton and lights its control; the click acts on it.
    void Hover(int x, int y);
    void Click();
    // Mode 51: any click brings the carousel back.
    void FullViewClick();

    // CarouselLeft, CarouselCentre and CarouselRight of the gallery.
    CarouselPositions carousel;
    // 1 when the middle entry is unlocked and its picture was found.
    int GalleryMiddleOpen = 0;
    // 1 back, 2 the middle picture, 3 previous, 4 next; 0 none.
    int LoadHoverButton = 0;

private:
    // Draws the carousel at its positions, with `litControl` lit on the strip when it is not 0,
    // and presents it.
    void ShowGallery(int litControl = 0);
    void DrawControls(Surface& back, int lit);
    // The entry at carousel `position` on a white page, and whether it is shown as unlocked.
    bool MakePage(int position, Surface& page);
    // The page reduced to the size it has in the carousel, in its frame.
    void MakeTile(const Surface& page, Surface& tile);
    void DrawCounter(Surface& back);
    void Scroll(bool forward);
    void BackToMainMenu();
    void ReleasePictures();

    Shell& shell_;
    std::vector<GalleryEntry> entries_;
    Surface background_;  // "gallery.jpg"
    Surface white_;       // "whitescreen.jpg"
    Surface closed_;      // "not_opened.bmp": a locked entry, and the frames
    Surface controls_;    // "right_buttons.bmp"
    // The left, middle and right pages and their framed tiles.
    std::array<Surface, 3> pages_;
    std::array<Surface, 3> tiles_;
    std::array<bool, 3> pageOpen_{};
    // The carousel under the full view, to come back to.
    Surface savedFrame_;
};

FixedPictures GalleryPictures();

}  // namespace orvane
