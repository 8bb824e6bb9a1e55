#include "script/stage_records.h"

#include "base/decimal.h"
#include "base/text.h"

namespace orvane {
namespace {

std::string Join(std::initializer_list<std::string> fields) {
    std::string out;
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out += ':';
        out += field;
        first = false;
    }
    return out;
}

std::string N(int value) { return std::to_string(value); }

// Parses the listed fields as numbers; false when any is not one.
bool Numbers(const std::vector<std::string_view>& fields, std::initializer_list<std::pair<size_t, int*>> wanted) {
    for (auto [index, target] : wanted) {
        if (index >= fields.size()) return false;
        const std::optional<int32_t> value = ParseDecimal(fields[index]);
        if (!value) return false;
        *target = *value;
    }
    return true;
}

}  // namespace

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string StageItem::FormatAfterLevel() const {
    return Join({name, N(opacity), N(width), N(height), N(surface), reserved, N(x), N(y)});
}

std::string StageItem::Format() const { return N(level) + ":" + FormatAfterLevel(); }

bool StageItem::NameStartsWith(std::string_view prefix) const {
    if (prefix.size() <= name.size()) return StartsWith(name, prefix);
    return StartsWith(FormatAfterLevel(), prefix);
}

std::optional<StageItem> StageItem::Parse(std::string_view record) {
    const auto f = SplitFields(record, ':');
    StageItem item;
    if (f.size() != 9 ||
        !Numbers(f, {{0, &item.level}, {2, &item.opacity}, {3, &item.width}, {4, &item.height},
                     {5, &item.surface}, {7, &item.x}, {8, &item.y}})) {
        return std::nullopt;
    }
    item.name = std::string(f[1]);
    item.reserved = std::string(f[6]);
    return item;
}

std::string StageMove::Format() const {
    return Join({name, N(countdown), N(steps), N(interval), N(dx), N(dy), N(x), N(y), N(fx), N(fy)});
}

std::optional<StageMove> StageMove::Parse(std::string_view record) {
    const auto f = SplitFields(record, ':');
    StageMove m;
    if (f.size() != 10 ||
        !Numbers(f, {{1, &m.countdown}, {2, &m.steps}, {3, &m.interval}, {4, &m.dx}, {5, &m.dy},
                     {6, &m.x}, {7, &m.y}, {8, &m.fx}, {9, &m.fy}})) {
        return std::nullopt;
    }
    m.name = std::string(f[0]);
    return m;
}

std::string StageFade::Format() const { return Join({name, N(step), N(target)}); }

std::optional<StageFade> StageFade::Parse(std::string_view record) {
    const auto f = SplitFields(record, ':');
    StageFade fade;
    if (f.size() != 3 || !Numbers(f, {{1, &fade.step}, {2, &fade.target}})) return std::nullopt;
    fade.name = std::string(f[0]);
    return fade;
}

std::string StageCycle::Format() const {
    std::string list;
    for (const std::string& frame : frames) list += frame + ";";
    return Join({name, N(countdown), N(period), N(current), N(count), N(level), list});
}

std::optional<StageCycle> StageCycle::Parse(std::string_view record) {
    const auto f = SplitFields(record, ':');
    StageCycle c;
    if (f.size() != 7 || !Numbers(f, {{1, &c.countdown}, {2, &c.period}, {3, &c.current},
                                      {4, &c.count}, {5, &c.level}})) {
        return std::nullopt;
    }
    c.name = std::string(f[0]);
    std::vector<std::string_view> names = SplitFields(f[6], ';');
    if (!names.empty() && names.back().empty()) names.pop_back();
    for (std::string_view frame : names) c.frames.emplace_back(frame);
    return c;
}

std::string StageCycle::Frame(int n) const {
    if (n < 1 || n > static_cast<int>(frames.size())) return {};
    return frames[static_cast<size_t>(n - 1)];
}

std::string QuakeState::Format() const {
    return Join({N(count), N(wait), N(period), N(ax), N(ay), N(cx), N(cy), kind, dir});
}

std::optional<QuakeState> QuakeState::Parse(std::string_view record) {
    const auto f = SplitFields(record, ':');
    QuakeState q;
    if (f.size() != 9 || !Numbers(f, {{0, &q.count}, {1, &q.wait}, {2, &q.period}, {3, &q.ax},
                                      {4, &q.ay}, {5, &q.cx}, {6, &q.cy}})) {
        return std::nullopt;
    }
    q.kind = std::string(f[7]);
    q.dir = std::string(f[8]);
    return q;
}

}  // namespace orvane
