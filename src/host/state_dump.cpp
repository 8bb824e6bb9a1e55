#include "host/state_dump.h"

#include "base/text.h"

namespace orvane {
namespace {

constexpr const char* kKeys[] = {
    "screen_mode", "script_pos", "scene_name",  "paused",       "animating",
    "shown_text",  "menu_kind",  "hover_action", "music_track", "music_attenuation",
    "voice",       "effect",     "sound_volume", "music_volume", "presents",
    "hover_name",  "menu_hover_item", "options_from_game", "interface_shown", "scroll",
    "cursor",      "carousel",   "selected_save", "load_hover_button", "gallery_middle_open",
    "journal_hover_button",
    "necro_state", "necro_pos", "necro_menu_item", "necro_option", "necro_key", "necro_text",
    "necro_last_sound", "necro_options",
    "code_solved", "code_entry", "code_answer", "code_key", "code_shown",
    "card_active", "card_trump", "card_acting", "card_defender", "card_selected", "card_dragging",
    "card_button_hover", "card_replays", "card_hand1", "card_hand2", "card_hand3", "card_talon",
    "card_attack", "card_defence",
    "pointer", "skipping",
};
constexpr const char* kSections[] = {"stage", "moves", "fades", "cycles", "triggers",
                                     "names", "saves", "menu",  "interface", "necro"};

std::string Escape(const std::string& cp1251) {
    std::string out;
    for (char c : Cp1251ToUtf8(cp1251)) {
        // A backslash is doubled, so that "\\n" in a text never reads as a line break.
        if (c == '\\') out += "\\\\";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

}  // namespace

void StateDump::Set(const std::string& key, const std::string& value) {
    for (auto& [name, text] : keys) {
        if (name == key) {
            text = value;
            return;
        }
    }
    keys.emplace_back(key, value);
}

void StateDump::Set(const std::string& key, long long value) { Set(key, std::to_string(value)); }

std::vector<std::string>& StateDump::Section(const std::string& name) {
    for (auto& [section, lines] : sections) {
        if (section == name) return lines;
    }
    return sections.emplace_back(name, std::vector<std::string>{}).second;
}

StateDump EmptyStateDump() {
    StateDump dump;
    for (const char* key : kKeys) dump.keys.emplace_back(key, "");
    for (const char* section : kSections) dump.sections.emplace_back(section, std::vector<std::string>{});
    return dump;
}

std::string FormatStateDump(const StateDump& dump) {
    std::string text;
    for (const auto& [key, value] : dump.keys) text += key + "=" + Escape(value) + "\n";
    for (const auto& [section, lines] : dump.sections) {
        text += "[" + section + "]\n";
        for (const std::string& line : lines) text += Escape(line) + "\n";
    }
    return text;
}

}  // namespace orvane
