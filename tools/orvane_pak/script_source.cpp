#include "script_source.h"

#include <cstdio>

#include "archive/pak_format.h"
#include "base/text.h"

namespace orvane::pak_tool {
namespace {

size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

// The first character of a valid UTF-8 line that Windows-1251 cannot hold, quoted, with its
// code point.
std::string FirstUnmappable(std::string_view line) {
    for (size_t pos = 0; pos < line.size();) {
        const auto lead = static_cast<unsigned char>(line[pos]);
        const size_t length = SequenceLength(lead);
        const std::string_view sequence = line.substr(pos, length);
        if (!Utf8ToCp1251(sequence)) {
            char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
            for (size_t i = 1; i < sequence.size(); ++i) {
                cp = (cp << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
            }
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            return "\"" + std::string(sequence) + "\" (" + code + ")";
        }
        pos += length;
    }
    return "a character";
}

}  // namespace

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

bool PrepareScriptForPak(std::string_view source, std::string_view label, std::string& stored,
                         std::string& error) {
    // Line breaks are ASCII, so they can be settled before the code page is.
    std::string text = WithCrLf(source);
    if (IsValidUtf8(text)) {
        std::string_view rest = text;
        if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
        std::string converted;
        converted.reserve(rest.size());
        for (int lineNumber = 1;; ++lineNumber) {
            const size_t end = rest.find("\r\n");
            const std::string_view line = rest.substr(0, end);
            const std::optional<std::string> cp1251 = Utf8ToCp1251(line);
            if (!cp1251) {
                error = std::string(label) + ": line " + std::to_string(lineNumber) + ": " +
                        FirstUnmappable(line) + " has no Windows-1251 form";
                return false;
            }
            converted += *cp1251;
            if (end == std::string_view::npos) break;
            converted += "\r\n";
            rest.remove_prefix(end + 2);
        }
        text = std::move(converted);
    }
    stored = EncodeScriptBytes(text);
    return true;
}

}  // namespace orvane::pak_tool
