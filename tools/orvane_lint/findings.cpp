#include "findings.h"

#include <algorithm>

#include "base/text.h"

namespace orvane::lint {

void Findings::Error(std::string_view file, int line, std::string message) {
    all_.push_back({std::string(file), line, Severity::Error, std::move(message)});
}

void Findings::Warning(std::string_view file, int line, std::string message) {
    all_.push_back({std::string(file), line, Severity::Warning, std::move(message)});
}

bool Findings::HasErrors() const {
    return std::any_of(all_.begin(), all_.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

void Findings::Print(std::FILE* out) const {
    std::vector<Finding> sorted = all_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    for (const Finding& f : sorted) {
        std::string where = f.file;
        if (f.line > 0) where += ":" + std::to_string(f.line);
        const char* kind = f.severity == Severity::Error ? "error" : "warning";
        std::fprintf(out, "%s: %s: %s\n", where.c_str(), kind, f.message.c_str());
    }
}

std::string Quoted(std::string_view cp1251) {
    // Control bytes are shown as codes, so that a damaged file cannot garble the report.
    std::string quoted = "\"";
    for (char c : cp1251) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            quoted += code;
        } else {
            quoted += Cp1251ToUtf8(std::string_view(&c, 1));
        }
    }
    return quoted + "\"";
}

}  // namespace orvane::lint
