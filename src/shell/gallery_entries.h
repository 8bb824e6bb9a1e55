// The entries of "gallery.scn", one a line: TRIGGER:PICTURE. The picture is shown unlocked when
// the first trigger line that sets TRIGGER holds "yes".
#pragma once

#include <string>
#include <vector>

#include "script/script_files.h"

namespace orvane {

struct GalleryEntry {
    std::string trigger;
    std::string picture;
};

// Lines without a colon, or with nothing after it, are left out.
std::vector<GalleryEntry> ReadGalleryEntries(const StringList& lines);

}  // namespace orvane
