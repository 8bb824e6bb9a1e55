#include "line_checker.h"

#include "base/decimal.h"
#include "base/text.h"
#include "render/text_layout.h"
#include "script/stage_records.h"

namespace orvane::lint {

bool LineChecker::Number(std::string_view text, std::string_view what) {
    if (ParseDecimal(text)) return true;
    if (text.empty()) {
        Error(std::string(what) + " has no number (a value that ends the line reads as empty)");
    } else {
        Error(std::string(what) + " " + Quoted(text) + " is not a number");
    }
    return false;
}

void LineChecker::Numbers(std::string_view text, size_t count, std::string_view what) {
    const std::vector<std::string_view> fields = SplitFields(text, ':');
    for (size_t i = 0; i < count; ++i) {
        if (!Number(i < fields.size() ? fields[i] : "", what)) return;
    }
}

void LineChecker::OptionalNumber(std::optional<std::string_view> value, std::string_view what) {
    if (value) Number(*value, what);
}

void LineChecker::Font(std::string_view value, std::string_view what) {
    if (!ParseFontSetting(value)) {
        Error(std::string(what) + " " + Quoted(value) +
              " is not FACE:SIZE:STYLE:COLOR:WRAP with numbers for size, colour and wrap");
    }
}

void LineChecker::Position(std::string_view value, bool text) {
    static constexpr std::string_view kWords[] = {"center", "default", "left",
                                                  "right",  "lcenter", "rcenter"};
    for (std::string_view word : kWords) {
        if (value == word) return;
    }
    if (value.empty()) {
        Error("align= has no value (a value read up to a blank must have one after it)");
        return;
    }
    const bool colonFirst = value[0] == ':';
    if (colonFirst || (text && Contains(value, ":"))) {
        const std::string_view rest = colonFirst ? value.substr(1) : value;
        const size_t colon = rest.find(':');
        Number(Trim(rest.substr(0, colon)), "align x");
        Number(colon == std::string_view::npos ? "" : Trim(rest.substr(colon + 1)), "align y");
        return;
    }
    Warning("align " + Quoted(value) +
            " is none of center, left, right, lcenter, rcenter, default or :X:Y; it places at "
            "0,0");
}

void LineChecker::Item(std::string_view name) {
    if (name.empty()) {
        Error("names no item");
    } else if (!c_.InCatalog(name)) {
        Error("item " + Quoted(name) + " is not in objects.scn");
    }
}

void LineChecker::ItemPrefix(std::string_view name) {
    if (name.empty()) {
        Error("names no item");
    } else if (!c_.CatalogHasPrefix(name)) {
        Error("item " + Quoted(name) + ": no item of objects.scn begins with it");
    }
}

void LineChecker::Picture(std::string_view name) {
    if (name.empty()) {
        Error("names no picture");
    } else if (!c_.data.HasPicture(name)) {
        Error("picture " + Quoted(name) + " is neither in the game folder nor in Orvane.pak");
    }
}

}  // namespace orvane::lint
