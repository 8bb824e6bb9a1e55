// The state dump of the headless driver: UTF-8 `key=value` lines, then `[section]` lists.
// Tests and tools read it, so keys and sections are only ever added, never changed.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvane {

struct StateDump {
    // Values in the engine's text (CP1251); converted when formatted.
    std::vector<std::pair<std::string, std::string>> keys;
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;

    void Set(const std::string& key, const std::string& value);
    void Set(const std::string& key, long long value);
    std::vector<std::string>& Section(const std::string& name);
};

// Every key and section of the dump, in their order, before the engine fills them.
StateDump EmptyStateDump();
// CR and LF inside values are written as \r and \n so that one key stays one line.
std::string FormatStateDump(const StateDump& dump);

}  // namespace orvane
