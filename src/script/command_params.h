// Reading the parameters of a script line: KEY=VALUE up to the next blank, the pair-valued keys
// that skip one more character, the keys that take the rest of the line, and numbers that
// report where they came from when they are not numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The value after `key` up to the next blank; nothing when the key is absent. A value that runs
// to the end of the line reads as empty, as the game's scripts always put a blank after one.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key);
// The same for "start=", "finish=", "time=" and "params=", whose value begins one character
// after the "=" (scripts write "start= 100:200").
std::optional<std::string_view> PairValueOf(std::string_view line, std::string_view key);
// Everything after `key` to the end of the line.
std::optional<std::string_view> RestOf(std::string_view line, std::string_view key);
// The mini-game that a "game=" line starts: the rest of the line, as written.
std::string_view MiniGameName(std::string_view gameLine);

// Converts the numbers of one script line; the first that is not a number is reported once,
// naming the file and line, and makes every later read fail too.
class NumberReader {
public:
    NumberReader(std::string_view file, int lineIndex, std::string_view line)
        : file_(file), lineIndex_(lineIndex), line_(line) {}

    std::optional<int> Read(std::string_view text, std::string_view what);
    // Splits "A:B:..." and reads `count` numbers.
    std::optional<std::vector<int>> ReadList(std::string_view text, size_t count,
                                             std::string_view what);
    bool failed() const { return failed_; }

private:
    std::string file_;
    int lineIndex_;
    std::string line_;
    bool failed_ = false;
};

}  // namespace orvane
