#include "script/command_params.h"

#include <algorithm>

#include "base/decimal.h"
#include "base/log.h"
#include "base/text.h"
#include "script/stage_records.h"

namespace orvane {
namespace {

std::optional<std::string_view> ValueFrom(std::string_view line, size_t start) {
    if (start > line.size()) return std::string_view();
    const size_t blank = line.find(' ', start);
    if (blank == std::string_view::npos) return std::string_view();
    return line.substr(start, blank - start);
}

}  // namespace

std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    const size_t at = line.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    return ValueFrom(line, at + key.size());
}

std::optional<std::string_view> PairValueOf(std::string_view line, std::string_view key) {
    const size_t at = line.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    return ValueFrom(line, at + key.size() + 1);
}

std::optional<std::string_view> RestOf(std::string_view line, std::string_view key) {
    const size_t at = line.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    return line.substr(at + key.size());
}

std::string_view MiniGameName(std::string_view gameLine) {
    constexpr std::string_view kGameKey = "game=";
    return gameLine.substr(std::min(gameLine.size(), kGameKey.size()));
}

std::optional<int> NumberReader::Read(std::string_view text, std::string_view what) {
    if (failed_) return std::nullopt;
    if (std::optional<int32_t> value = ParseDecimal(text)) return *value;
    failed_ = true;
    LogError(file_ + ":" + std::to_string(lineIndex_ + 1) + ": " + std::string(what) + " \"" +
             Cp1251ToUtf8(text) + "\" is not a number; the line is skipped: " +
             Cp1251ToUtf8(line_));
    return std::nullopt;
}

std::optional<std::vector<int>> NumberReader::ReadList(std::string_view text, size_t count,
                                                       std::string_view what) {
    const std::vector<std::string_view> fields = SplitFields(text, ':');
    std::vector<int> values;
    for (size_t i = 0; i < count; ++i) {
        const std::optional<int> value = Read(i < fields.size() ? fields[i] : "", what);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

}  // namespace orvane
