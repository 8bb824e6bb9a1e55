#include "script/scene_index.h"

#include "base/text.h"

namespace orvane {
namespace {

constexpr std::string_view kLabel = "scene ";

std::string NormalisedLine(const std::string& line) {
    return LowerCaseCp1251(Trim(line));
}

}  // namespace

std::optional<int> SceneIndex::Find(const StringList& lines, uint64_t edits,
                                    std::string_view name) {
    if (!Describes(lines, edits)) Rebuild(lines, edits);
    std::optional<int> found = Lookup(name);
    // A label edited in place by someone who did not count the edit: the line found must still
    // be the label, or the index is built afresh.
    if (found && NormalisedLine(lines[static_cast<size_t>(*found)]) !=
                     std::string(kLabel) + std::string(name)) {
        Rebuild(lines, edits);
        found = Lookup(name);
    }
    return found;
}

bool SceneIndex::Describes(const StringList& lines, uint64_t edits) const {
    return built_ && data_ == lines.data() && size_ == lines.size() && edits_ == edits;
}

void SceneIndex::Rebuild(const StringList& lines, uint64_t edits) {
    first_.clear();
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string line = NormalisedLine(lines[k]);
        if (StartsWith(line, kLabel)) {
            first_.emplace(line.substr(kLabel.size()), static_cast<int>(k));
        }
    }
    built_ = true;
    data_ = lines.data();
    size_ = lines.size();
    edits_ = edits;
}

std::optional<int> SceneIndex::Lookup(std::string_view name) const {
    const auto it = first_.find(std::string(name));
    if (it == first_.end()) return std::nullopt;
    return it->second;
}

}  // namespace orvane
