// The demo's scripts as written in the source tree (UTF-8), one string a line without its CR.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace orvane::demo {

inline std::vector<std::string> DemoScriptLines(const std::string& name) {
    std::ifstream in(std::string(ORVANE_DEMO_SCRIPTS) + "/" + name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace orvane::demo
