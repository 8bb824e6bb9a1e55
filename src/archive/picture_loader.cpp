#include "archive/picture_loader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "archive/bmp_decoder.h"
#include "archive/jpeg_codec.h"
#include "archive/pak_entry.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"

namespace orvane {
namespace {

constexpr size_t kMaxNameLength = 259;

// Reads a loose file and decodes it; false (with a message on stderr) when it cannot.
template <typename Decode>
bool DecodeLooseFile(const std::filesystem::path& file, Image& out, Decode decode) {
    std::string bytes, error;
    if (!ReadFileBounded(file, kMaxFileBytes, bytes, error) || !decode(bytes, out, error)) {
        LogError(file.string() + ": " + error);
        return false;
    }
    return true;
}

// Finds the picture in the main archive. True when it was found and decoded into `out`.
bool DecodeFromArchive(const std::filesystem::path& gameDir, std::string_view name, PakMode mode,
                       Image& out) {
    const std::optional<std::filesystem::path> archive = FindLooseFile(gameDir, kMainArchive);
    if (!archive) return false;
    PakConsumers consumers;
    (mode == PakMode::Picture ? consumers.picture : consumers.bitmap) = &out;
    std::string error;
    const int result = ReadPakEntry(name, static_cast<int>(mode), consumers, *archive, error);
    if (result == kPakBroken) LogError(error);
    return result == kPakEntryRead;
}

}  // namespace

bool IsJpegName(std::string_view name) { return Contains(name, ".jpg") || Contains(name, ".jpeg"); }

void CopyPictureInto(Image& target, const Image& picture) {
    const int w = std::min(target.width, picture.width);
    const int h = std::min(target.height, picture.height);
    for (int y = 0; y < target.height; ++y) {
        uint32_t* out = target.row(y);
        int copied = 0;
        if (y < h) {
            std::memcpy(out, picture.row(y), static_cast<size_t>(w) * sizeof(uint32_t));
            copied = w;
        }
        std::fill(out + copied, out + target.width, 0u);
    }
}

PictureLoader::PictureLoader(std::filesystem::path gameDir, std::filesystem::path playerDir)
    : gameDir_(std::move(gameDir)), playerDir_(std::move(playerDir)) {}

bool PictureLoader::LoadJpeg(std::string_view name) {
    Image decoded;
    bool ok = false;
    if (std::optional<std::filesystem::path> file = FindLooseFile(gameDir_, name)) {
        ok = DecodeLooseFile(*file, decoded, DecodeJpeg);
    } else {
        ok = DecodeFromArchive(gameDir_, name, PakMode::Picture, decoded);
    }
    if (ok) lastJpeg_ = std::move(decoded);
    return ok;
}

bool PictureLoader::LoadBmp(std::string_view name, Image& decoded) {
    if (name == kThumbnailName) {
        const std::filesystem::path file = playerDir_ / kThumbnailName;
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec) &&
               DecodeLooseFile(file, decoded, DecodeBmp);
    }
    if (std::optional<std::filesystem::path> file = FindLooseFile(gameDir_, name)) {
        return DecodeLooseFile(*file, decoded, DecodeBmp);
    }
    return DecodeFromArchive(gameDir_, name, PakMode::Bitmap, decoded);
}

const Image& PictureLoader::Decode(std::string_view name) {
    lastBmp_ = Image();
    if (name.size() > kMaxNameLength) {
        LogError("picture name too long: " + Cp1251ToUtf8(name.substr(0, 40)) + "...");
        LastPictureWidth = LastPictureHeight = 0;
        LastPictureFound = false;
        return lastBmp_;
    }
    if (IsJpegName(name)) {
        LastPictureFound = LoadJpeg(name);
        // The decoder keeps its last picture, so a missing JPEG shows the previous one again.
        LastPictureWidth = lastJpeg_.width;
        LastPictureHeight = lastJpeg_.height;
        return lastJpeg_;
    }
    LastPictureFound = LoadBmp(name, lastBmp_);
    if (!LastPictureFound) lastBmp_ = Image();
    LastPictureWidth = lastBmp_.width;
    LastPictureHeight = lastBmp_.height;
    return lastBmp_;
}

Image PictureLoader::Take(std::string_view name) {
    const Image& picture = Decode(name);
    if (&picture == &lastBmp_) return std::exchange(lastBmp_, Image());
    return picture;
}

int PictureLoader::LoadPicture(Image& target, std::string_view name) {
    const Image& picture = Decode(name);
    // A picture that could not be had leaves the surface as it was.
    if (!picture.empty()) CopyPictureInto(target, picture);
    return 0;
}

}  // namespace orvane
