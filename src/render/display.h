// The display device: setting it up, the fixed pictures, presenting a frame, restoring after the
// window was minimised, and the save-game thumbnail.
#pragma once

#include <filesystem>
#include <string>

#include "archive/fixed_picture.h"
#include "archive/picture_loader.h"
#include "platform/platform.h"
#include "render/media_slots.h"

namespace orvane {

inline constexpr char kDisplayErrorMessage[] = "DD inetializaton error";

// Releases everything, opens the window (once) and creates the primary surface and the back
// buffer. False, after showing the device error, when no window can be made.
bool SetUpDisplay(MediaSlots& slots, Platform& platform);

inline constexpr char kBlackPicture[] = "blackscreen.jpg";
inline constexpr char kWhitePicture[] = "whitescreen.jpg";
inline constexpr char kRedBoxPicture[] = "redbox.bmp";
// The three above, which every game uses: fades, and the main menu's marker. A missing one is
// not black or white but the last JPEG decoded.
FixedPictures StartupPictures();

// The black and white pictures (1024 x 768) and the red box (20 x 20), empty.
void CreateFixedSurfaces(MediaSlots& slots);
// Fills them from "blackscreen.jpg", "whitescreen.jpg" and "redbox.bmp".
void LoadFixedPictures(MediaSlots& slots, PictureLoader& loader);

// Releases every surface and clears the pool flags. The music slots and the device stay.
void ReleaseAll(MediaSlots& slots);

// Shows `sourceSlot` (normally the back buffer) on the screen; nothing while presents are held.
void Present(MediaSlots& slots, Platform& platform, int sourceSlot = kSlotBackBuffer);

// After a fade out the screen stands black (or white) while the script composes the next scene;
// showing each of those frames would flash the scene before its fade in. So presents are held
// until a fade in starts or the script waits.
void HoldPresents(MediaSlots& slots);
// Ends the hold. With `show`, the back buffer as it now stands is presented, so that whatever
// the script drew meanwhile appears when it waits; a fade in brings it in by itself instead.
void ReleasePresents(MediaSlots& slots, Platform& platform, bool show = true);

// After the window comes back from being minimised: reloads the fixed pictures and, on the two
// mini-game screens, their pictures; then presents.
void RestoreSurfaces(MediaSlots& slots, PictureLoader& loader, Platform& platform, int screenMode);

// Writes a 400 x 300 picture of the back buffer as a 24-bit BMP (atomically) and keeps it in the
// thumbnail slot.
bool CaptureThumbnail(MediaSlots& slots, const std::filesystem::path& file, std::string& error);

}  // namespace orvane
