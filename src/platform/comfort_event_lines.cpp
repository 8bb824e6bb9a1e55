#include "platform/comfort_event_lines.h"

#include "base/decimal.h"
#include "platform/headless_platform.h"

namespace orvane {

bool IsComfortVerb(std::string_view verb) {
    return verb == "hold" || verb == "release" || verb == "wheel" || verb == "pad";
}

bool ParseComfortLine(std::string_view verb, std::istream& words, ComfortLine& line,
                      std::string& error) {
    std::string first, second, third, extra;
    words >> first >> second >> third >> extra;
    const std::string text = std::string(verb) + " " + first;
    auto fail = [&](const std::string& reason) {
        error = reason;
        return false;
    };
    if (!extra.empty()) return fail("cannot read \"" + text + " " + second + " " + third + "\"");
    if (verb == "hold" || verb == "release") {
        line.kind = verb == "hold" ? ComfortLine::Kind::Hold : ComfortLine::Kind::Release;
        line.key = KeyCodeFromName(first);
        if (line.key == 0) return fail("unknown key \"" + first + "\"");
        if (!second.empty()) return fail("cannot read \"" + text + " " + second + "\"");
        return true;
    }
    if (verb == "wheel") {
        line.kind = ComfortLine::Kind::Wheel;
        if (first != "up" && first != "down") return fail("\"wheel\" turns \"up\" or \"down\"");
        if (!second.empty()) return fail("cannot read \"" + text + " " + second + "\"");
        line.notches = first == "down" ? 1 : -1;
        return true;
    }
    if (first == "axis") {
        line.kind = ComfortLine::Kind::PadAxis;
        const std::optional<PadAxis> axis = PadAxisFromName(second);
        if (!axis) return fail("unknown controller axis \"" + second + "\"");
        const std::optional<int32_t> value = ParseDecimal(third);
        if (!value || *value < -32768 || *value > 32767) {
            return fail("a controller axis is set to a number from -32768 to 32767");
        }
        line.axis = *axis;
        line.value = *value;
        return true;
    }
    line.kind = ComfortLine::Kind::PadButton;
    const std::optional<PadButton> button = PadButtonFromName(first);
    if (!button) return fail("unknown controller button \"" + first + "\"");
    if ((second != "down" && second != "up") || !third.empty()) {
        return fail("a controller button goes \"down\" or \"up\"");
    }
    line.button = *button;
    line.down = second == "down";
    return true;
}

void PlayComfortLine(const ComfortLine& line, GamePad& pad, EventHandler& handler) {
    switch (line.kind) {
        case ComfortLine::Kind::Hold:
            handler.FormKeyDown(line.key);
            break;
        case ComfortLine::Kind::Release:
            handler.FormKeyUp(line.key);
            break;
        case ComfortLine::Kind::Wheel:
            handler.OnWheel(line.notches);
            break;
        case ComfortLine::Kind::PadButton:
            pad.Button(line.button, line.down, handler);
            break;
        case ComfortLine::Kind::PadAxis:
            pad.Axis(line.axis, line.value);
            break;
    }
}

}  // namespace orvane
