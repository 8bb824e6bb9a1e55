// Loads a named picture, loose file first, else from the main archive, into an existing surface.
//
// The kind is told by the name alone: ".jpg" or ".jpeg" anywhere in it (case-sensitive) is a
// JPEG, everything else a BMP. The surface keeps its size: a larger picture is cut at the right
// and bottom, and what a smaller one does not cover is black.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/image.h"

namespace orvane {

inline constexpr char kMainArchive[] = "Orvane.pak";
// The save-game thumbnail: always the file in the player's folder, never an archive entry.
inline constexpr char kThumbnailName[] = "screen_.bmp";

class PictureLoader {
public:
    PictureLoader(std::filesystem::path gameDir, std::filesystem::path playerDir);

    // Always 0, as callers expect; a picture that cannot be had leaves the rules below:
    // a missing JPEG repeats the last JPEG decoded (the decoder keeps it); a missing BMP leaves
    // the surface untouched and records 0 x 0. Broken files are reported on stderr.
    int LoadPicture(Image& target, std::string_view name);
    // The picture as LoadPicture would copy it, at its own size: the last JPEG again for a
    // missing JPEG, nothing (0 x 0) for a missing BMP. Records the size as LoadPicture does.
    const Image& Decode(std::string_view name);
    // The same picture handed over rather than lent, for a caller that keeps it: the loader then
    // holds no second copy of a BMP. A JPEG is copied, as the decoder keeps its last picture.
    Image Take(std::string_view name);

    int LastPictureWidth = 0;
    int LastPictureHeight = 0;
    // Whether the last picture asked for was found and decoded: a missing JPEG still hands out
    // the previous one, which a caller that wants to know must not take for the new picture.
    bool LastPictureFound = false;

private:
    bool LoadJpeg(std::string_view name);
    bool LoadBmp(std::string_view name, Image& decoded);
    // Decode() hands out one of these two.
    Image lastBmp_;

    std::filesystem::path gameDir_;
    std::filesystem::path playerDir_;
    Image lastJpeg_;  // the decoder's current picture
};

// Copies `picture` to the top-left of `target` without resizing it; the rest becomes black.
void CopyPictureInto(Image& target, const Image& picture);

bool IsJpegName(std::string_view name);

}  // namespace orvane
