// Where the scene labels of the running script stand, so that a jump does not read the whole
// script again. A label is found as jumps have always found it: the first line that, lower-cased
// and trimmed, is "scene " followed by the target exactly as the jump wrote it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "script/script_files.h"

namespace orvane {

class SceneIndex {
public:
    // The index of the label line of scene `name` in `lines`, or nothing. `edits` is the count
    // the list's owner bumps when it replaces the list or edits a line (ScriptLists).
    std::optional<int> Find(const StringList& lines, uint64_t edits, std::string_view name);

private:
    bool Describes(const StringList& lines, uint64_t edits) const;
    void Rebuild(const StringList& lines, uint64_t edits);
    std::optional<int> Lookup(std::string_view name) const;

    std::unordered_map<std::string, int> first_;  // the text after "scene " -> its first line
    bool built_ = false;
    const std::string* data_ = nullptr;
    size_t size_ = 0;
    uint64_t edits_ = 0;
};

}  // namespace orvane
