#include "shell/gallery_entries.h"

namespace orvane {

std::vector<GalleryEntry> ReadGalleryEntries(const StringList& lines) {
    std::vector<GalleryEntry> entries;
    for (const std::string& line : lines) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos || colon + 1 == line.size()) continue;
        entries.push_back({line.substr(0, colon), line.substr(colon + 1)});
    }
    return entries;
}

}  // namespace orvane
