#include "minigames/necro_script.h"

#include <algorithm>

#include "base/log.h"
#include "base/text.h"
#include "script/triggers.h"

namespace orvane {
namespace {

constexpr size_t kFirstPictureAt = 6;
constexpr size_t kSecondPictureAt = 10;
constexpr std::string_view kScreen = "//SCREEN";
constexpr std::string_view kTrigger = "SET TRIGGER";
constexpr std::string_view kChoice = "//IF//";
constexpr std::string_view kText = "//TEXT//";
constexpr std::string_view kEnd = "//END//";

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameUpper(std::string_view text, std::string_view upper) {
    return std::equal(upper.begin(), upper.end(), text.begin(),
                      [](char u, char c) { return UpperAscii(c) == u; });
}

// The keywords are looked for in the upper-cased line: only ASCII letters can match them.
bool StartsWithUpper(std::string_view line, std::string_view upper) {
    return line.size() >= upper.size() && SameUpper(line, upper);
}

size_t FindUpper(std::string_view line, std::string_view upper) {
    for (size_t at = 0; at + upper.size() <= line.size(); ++at) {
        if (SameUpper(line.substr(at), upper)) return at;
    }
    return std::string_view::npos;
}

std::string From(std::string_view line, size_t at) {
    return at < line.size() ? std::string(Trim(line.substr(at))) : std::string();
}

void RunTriggerLine(std::string_view line, StringList& triggers) {
    const std::string entry =
        LowerCaseCp1251(line.substr(FindUpper(line, kTrigger) + kTrigger.size()));
    const size_t equals = entry.find('=');
    if (equals == std::string::npos) {
        LogError(std::string(kNecroScriptFile) + ": \"" + Cp1251ToUtf8(line) +
                 "\" names no value; no trigger is set");
        return;
    }
    SetTrigger(triggers, Trim(std::string_view(entry).substr(0, equals)),
               Trim(std::string_view(entry).substr(equals + 1)));
}

}  // namespace

bool IsNecroScreenLine(std::string_view line) {
    return StartsWithUpper(line, kScreen);
}
bool IsNecroTriggerLine(std::string_view line) {
    return FindUpper(line, kTrigger) != std::string_view::npos;
}
bool IsNecroChoiceLine(std::string_view line) {
    return StartsWith(line, kChoice);
}
bool IsNecroTextLine(std::string_view line) {
    return StartsWith(line, kText);
}
bool IsNecroEndLine(std::string_view line) {
    return StartsWith(line, kEnd);
}

size_t RunNecroTriggerLines(StringList& lines, size_t from, StringList& triggers) {
    size_t at = from;
    while (at < lines.size() && !IsNecroScreenLine(lines[at])) {
        if (IsNecroTriggerLine(lines[at])) {
            RunTriggerLine(lines[at], triggers);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            ++at;
        }
    }
    return at;
}

size_t NextNecroScreenSearch(const StringList& lines, size_t textLine) {
    for (size_t at = textLine + 1; at <= textLine + 2 && at < lines.size(); ++at) {
        if (IsNecroScreenLine(lines[at])) return textLine + 1;
    }
    return textLine + 3;
}

std::string NecroSoundName(std::string_view screenLine) {
    return From(screenLine, kScreen.size() + 1);
}
std::string NecroFirstPicture(std::string_view line) {
    return From(line, kFirstPictureAt);
}
std::string NecroSecondPicture(std::string_view line) {
    return From(line, kSecondPictureAt);
}
bool IsNoPicture(std::string_view name) {
    return EqualsIgnoreCaseCp1251(name, "dot.bmp");
}
std::string NecroTextOf(std::string_view line) {
    return std::string(line.substr(std::min(line.size(), kText.size())));
}
std::string NecroChoiceOf(std::string_view line) {
    return std::string(line.substr(std::min(line.size(), kChoice.size())));
}

std::string_view NecroChoiceText(std::string_view choice) {
    return choice.substr(0, choice.find("//"));
}

std::string_view NecroChoiceTarget(std::string_view choice) {
    const size_t at = choice.find("//");
    return at == std::string_view::npos ? std::string_view() : choice.substr(at);
}

std::optional<size_t> FindNecroLabel(const StringList& lines, std::string_view target) {
    target = Trim(target);
    if (target.empty()) return std::nullopt;
    for (size_t at = 0; at < lines.size(); ++at) {
        if (Trim(lines[at]) == target) return at;
    }
    return std::nullopt;
}

std::string NecroEndingLabel(const StringList& triggers, std::string_view suffix) {
    std::string label;
    for (const char* number : {"11", "12", "13", "21", "22", "23"}) {
        if (GetTrigger(triggers, std::string(number) + "_necro") == "1") {
            label = std::string(number) + "xx_necro" + std::string(suffix);
        }
    }
    return label;
}

std::optional<size_t> FindNecroEndingScene(const StringList& script, std::string_view label) {
    const std::string sceneLine = "scene " + std::string(label);
    for (size_t at = 0; at < script.size(); ++at) {
        if (Trim(script[at]) == sceneLine) return at;
    }
    return std::nullopt;
}

}  // namespace orvane
