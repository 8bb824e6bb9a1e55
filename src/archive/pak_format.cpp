#include "archive/pak_format.h"

namespace orvane {

std::string EncodeScriptBytes(std::string_view plain) {
    std::string out(plain);
    for (char& c : out) c = static_cast<char>(static_cast<uint8_t>(c) + 1);
    return out;
}

std::string DecodeScriptBytes(std::string_view stored) {
    std::string out(stored);
    for (char& c : out) c = static_cast<char>(static_cast<uint8_t>(c) - 1);
    return out;
}

std::vector<std::string> SplitArchiveScriptLines(std::string_view decoded) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            ++i;  // the byte after a CR is dropped, whatever it is
        } else {
            current += decoded[i];
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

}  // namespace orvane
