#include "archive/pak_entry.h"

#include "archive/bmp_decoder.h"
#include "archive/jpeg_codec.h"
#include "archive/pak_reader.h"
#include "base/text.h"

namespace orvane {

int ReadPakEntry(std::string_view name, int mode, const PakConsumers& consumers,
                 const std::filesystem::path& archive, std::string& error) {
    PakRead read = ReadPakBytes(archive, name);
    if (read.status == PakStatus::Missing) return kPakEntryMissing;
    if (read.status == PakStatus::Broken) {
        error = std::move(read.error);
        return kPakBroken;
    }
    const std::string label = Cp1251ToUtf8(name) + " in " + archive.filename().string();
    switch (static_cast<PakMode>(mode)) {
        case PakMode::ScriptText:
            if (consumers.lines) {
                *consumers.lines = SplitArchiveScriptLines(DecodeScriptBytes(read.bytes));
            }
            break;
        case PakMode::Sound:
            if (consumers.voiceBuffer) {
                *consumers.voiceBuffer = std::move(read.bytes);
                if (consumers.audio) consumers.audio->PlaySystemSound(*consumers.voiceBuffer, label);
            } else if (consumers.audio) {
                consumers.audio->PlaySystemSound(read.bytes, label);
            }
            break;
        case PakMode::Bitmap:
        case PakMode::Picture: {
            const bool bmp = static_cast<PakMode>(mode) == PakMode::Bitmap;
            Image* target = bmp ? consumers.bitmap : consumers.picture;
            if (!target) break;
            Image decoded;
            std::string why;
            if (!(bmp ? DecodeBmp(read.bytes, decoded, why) : DecodeJpeg(read.bytes, decoded, why))) {
                error = label + ": " + why;
                return kPakBroken;
            }
            *target = std::move(decoded);
            break;
        }
    }
    return kPakEntryRead;
}

}  // namespace orvane
