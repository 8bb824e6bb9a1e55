#include <cstdio>

#include "base/text.h"
#include "commands.h"

namespace orvane::pak_tool {

int Fail(std::string_view message) {
    std::fprintf(stderr, "orvane-pak: %.*s\n", static_cast<int>(message.size()), message.data());
    return kExitFailure;
}

void Warn(std::string_view message) {
    std::fprintf(stderr, "orvane-pak: warning: %.*s\n", static_cast<int>(message.size()),
                 message.data());
}

int UsageError(std::string_view message) {
    std::fprintf(stderr, "orvane-pak: %.*s\nTry 'orvane-pak --help'.\n",
                 static_cast<int>(message.size()), message.data());
    return kExitUsage;
}

bool WriteStdout(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        Fail("cannot write to standard output");
        return false;
    }
    if (std::fflush(stdout) != 0) {
        Fail("cannot write to standard output");
        return false;
    }
    return true;
}

std::optional<std::string> CommandLineNameToCp1251(std::string_view arg) {
    if (!IsValidUtf8(arg)) return std::string(arg);
    return Utf8ToCp1251(arg);
}

std::string DisplayName(std::string_view cp1251Name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : cp1251Name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return Cp1251ToUtf8(shown);
}

}  // namespace orvane::pak_tool
