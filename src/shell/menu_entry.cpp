#include "shell/menu_entry.h"

#include "base/decimal.h"

namespace orvane {

std::string MenuEntry::Format() const {
    std::string record = name;
    for (int value : {x1, y1, x2, y2, pic}) record += ":" + std::to_string(value);
    return record + ":" + action;
}

std::optional<MenuEntry> MenuEntry::Parse(std::string_view record) {
    MenuEntry entry;
    size_t colon = record.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    entry.name = std::string(record.substr(0, colon));
    for (int* field : {&entry.x1, &entry.y1, &entry.x2, &entry.y2, &entry.pic}) {
        const size_t start = colon + 1;
        colon = record.find(':', start);
        if (colon == std::string_view::npos) return std::nullopt;
        const std::optional<int32_t> value = ParseDecimal(record.substr(start, colon - start));
        if (!value) return std::nullopt;
        *field = *value;
    }
    entry.action = std::string(record.substr(colon + 1));
    return entry;
}

}  // namespace orvane
