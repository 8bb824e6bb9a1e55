// The cursor decoder: the icon directory, bitmap entries with their masks, PNG entries.
#include <cstdlib>

#include "archive/cursor_decoder.h"
#include "input_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orvane::CursorPicture cursor;
    std::string error;
    if (!orvane::DecodeCursor(orvane::fuzz::Bytes(data, size), cursor, error)) return 0;
    const orvane::Image& picture = cursor.picture;
    if (picture.empty() || picture.width > orvane::kMaxCursorSide ||
        picture.height > orvane::kMaxCursorSide ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height) {
        std::abort();
    }
    return 0;
}
