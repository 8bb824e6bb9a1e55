// Checks of the parameters of one script line, reported at that line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lint_context.h"

namespace orvane::lint {

class LineChecker {
public:
    LineChecker(LintContext& c, std::string_view file, int number)
        : c_(c), file_(file), number_(number) {}

    void Error(std::string message) { c_.findings.Error(file_, number_, std::move(message)); }
    void Warning(std::string message) { c_.findings.Warning(file_, number_, std::move(message)); }

    // A decimal number as the engine converts it; `what` names it in the message.
    bool Number(std::string_view text, std::string_view what);
    // `count` numbers separated by ":".
    void Numbers(std::string_view text, size_t count, std::string_view what);
    // A value read up to a blank (ValueOf, PairValueOf) that must be a number when present.
    void OptionalNumber(std::optional<std::string_view> value, std::string_view what);
    // FACE:SIZE:STYLE:COLOR:WRAP.
    void Font(std::string_view value, std::string_view what);
    // A stage alignment word or ":X:Y"; `text` allows "X:Y" and "default" as "set text" does.
    void Position(std::string_view value, bool text);

    // An item of objects.scn named exactly `name`, or one whose name begins with it.
    void Item(std::string_view name);
    void ItemPrefix(std::string_view name);
    void Picture(std::string_view name);

private:
    LintContext& c_;
    std::string file_;
    int number_;
};

}  // namespace orvane::lint
