// What the linter found: errors (the game will not do what the script says) and warnings (it
// may, but likely not as meant), each at a file and a line.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::lint {

enum class Severity { Warning, Error };

struct Finding {
    std::string file;
    int line = 0;  // 1-based; 0 for the file as a whole
    Severity severity = Severity::Error;
    std::string message;  // UTF-8
};

class Findings {
public:
    void Error(std::string_view file, int line, std::string message);
    void Warning(std::string_view file, int line, std::string message);

    bool HasErrors() const;
    // "file:line: error: message", by file and line, in UTF-8.
    void Print(std::FILE* out) const;

private:
    std::vector<Finding> all_;
};

// Script text (Windows-1251) in quotes, as UTF-8 for a message.
std::string Quoted(std::string_view cp1251);

}  // namespace orvane::lint
