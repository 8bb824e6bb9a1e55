#include "shell/section_files.h"

#include "base/decimal.h"
#include "base/text.h"
#include "script/command_params.h"
#include "script/stage_records.h"

namespace orvane {
namespace {

// What follows the first `count` fields of a ":" record, colons and all; empty when there is
// nothing more.
std::string_view AfterFields(std::string_view record, int count) {
    size_t at = 0;
    for (int field = 0; field < count; ++field) {
        const size_t colon = record.find(':', at);
        if (colon == std::string_view::npos) return {};
        at = colon + 1;
    }
    return record.substr(at);
}

}  // namespace

std::optional<MenuSection> FindMenuSection(const StringList& lines, std::string_view name) {
    const std::string header = " " + std::string(name) + ";";
    size_t at = 0;
    while (at < lines.size() && !Contains(lines[at], header)) ++at;
    if (at == lines.size()) return std::nullopt;
    MenuSection section;
    section.header = at;
    if (at + 1 < lines.size()) {
        section.background = std::string(Trim(RestOf(lines[at + 1], "bg=").value_or("")));
    }
    section.firstEntry = std::min(at + 2, lines.size());
    section.end = section.firstEntry;
    while (section.end < lines.size() && !StartsWith(lines[section.end], "end")) ++section.end;
    return section;
}

std::optional<MenuEntryLine> ParseMenuEntryLine(std::string_view line) {
    const size_t blank = line.find(' ');
    const std::vector<std::string_view> fields = SplitFields(line.substr(0, blank), ':');
    if (fields.size() < 5) return std::nullopt;
    MenuEntryLine parsed;
    MenuEntry& entry = parsed.entry;
    int* numbers[] = {&entry.x1, &entry.y1, &entry.x2, &entry.y2};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<int32_t> value = ParseDecimal(fields[i + 1]);
        if (!value) return std::nullopt;
        *numbers[i] = *value;
    }
    entry.name = std::string(fields[0]);
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank);
    if (const std::optional<std::string_view> action = RestOf(rest, "action=")) {
        entry.action = std::string(action->substr(0, action->find(' ')));
    }
    parsed.picture = std::string(Trim(RestOf(rest, "bg=").value_or("")));
    return parsed;
}

std::optional<InterfaceSection> FindInterfaceSection(const StringList& lines,
                                                     std::string_view name) {
    size_t at = 0;
    while (at < lines.size() && !StartsWith(lines[at], name)) ++at;
    if (at == lines.size()) return std::nullopt;
    InterfaceSection section;
    section.header = at;
    section.end = at + 1;
    while (section.end < lines.size() && Trim(lines[section.end]) != "end") ++section.end;
    return section;
}

std::optional<InterfaceItemLine> ParseInterfaceItemLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line, ':');
    if (fields.size() < 5) return std::nullopt;
    const std::optional<int32_t> level = ParseDecimal(fields[0]);
    if (!level) return std::nullopt;
    return InterfaceItemLine{*level,
                             std::string(fields[1]),
                             std::string(fields[2]),
                             std::string(fields[3]),
                             std::string(fields[4]),
                             std::string(AfterFields(line, 5))};
}

}  // namespace orvane
