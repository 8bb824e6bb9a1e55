// The tour's dialogue as the engine reads it: the text defaults, whose keys it cuts off by a fixed
// count, the settings of "set text" and "set enter " lines, and the tags inside the texts. A
// mistake in any of them shows no error in the game, only wrong or missing text.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "demo_script_lines.h"

namespace orvane::demo {
namespace {

std::vector<std::string> Fields(const std::string& text, char separator) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool IsNumber(const std::string& text) {
    const size_t digits = text.starts_with('-') ? 1 : 0;
    return text.size() > digits && std::all_of(text.begin() + digits, text.end(),
                                               [](char c) { return c >= '0' && c <= '9'; });
}

// The wrap width of FACE:SIZE:STYLE:COLOR:WRAP, or nothing when the text is no such font.
std::optional<int> FontWrap(const std::string& font) {
    const std::vector<std::string> f = Fields(font, ':');
    if (f.size() != 5 || f[0].empty() || f[0].find(' ') != std::string::npos || !IsNumber(f[1]) ||
        !IsNumber(f[3]) || !IsNumber(f[4])) {
        return std::nullopt;
    }
    if (std::stoi(f[3]) < 0 || std::stoi(f[3]) > 15) return std::nullopt;
    std::string style = f[2] == "none" ? "" : f[2];
    for (const std::string word : {"bold", "italic", "underline", "strikeout"}) {
        if (const size_t at = style.find(word); at != std::string::npos) {
            style.erase(at, word.size());
        }
    }
    if (!style.empty()) return std::nullopt;
    return std::stoi(f[4]);
}

// The value of `key` up to the next blank, as the engine reads it.
std::optional<std::string> Setting(const std::string& settings, const std::string& key) {
    const size_t at = settings.find(key);
    if (at == std::string::npos) return std::nullopt;
    const size_t start = at + key.size();
    return settings.substr(start, settings.find(' ', start) - start);
}

std::vector<std::string> TextDefaults() {
    return DemoScriptLines("default_text.scn");
}

// The value of a line of the text defaults, after its key.
std::string DefaultValue(size_t index) {
    const std::string line = TextDefaults().at(index);
    return line.substr(line.find('=') + 1);
}

struct DialogueLine {
    std::string line;
    std::string settings;  // everything before "text="
    std::string text;
};

std::vector<DialogueLine> DialogueLines() {
    std::vector<DialogueLine> dialogue;
    for (const std::string& line : DemoScriptLines("master.scn")) {
        if (line.starts_with("--") || line.find("set text") == std::string::npos) continue;
        const size_t text = line.find("text=");
        dialogue.push_back({line, line.substr(0, text == std::string::npos ? line.size() : text),
                            text == std::string::npos ? "" : line.substr(text + 5)});
    }
    return dialogue;
}

// The width a line's text is wrapped at. A speaker's name font brings its own wrap width, and a
// font= of the line, read after it, replaces that again.
int WrapWidth(const DialogueLine& dialogue) {
    int wrap = FontWrap(DefaultValue(1)).value_or(0);
    if (auto name = Setting(dialogue.settings, "name=")) {
        const std::vector<std::string> fields = Fields(*name, ':');
        if (fields.size() >= 8) {
            const size_t fontStart = fields[0].size() + 1;
            const size_t fontLength =
                name->size() - fontStart - fields[6].size() - fields[7].size() - 2;
            wrap = FontWrap(name->substr(fontStart, fontLength)).value_or(0);
        } else {
            wrap = FontWrap(DefaultValue(6)).value_or(0);
        }
    }
    if (auto font = Setting(dialogue.settings, " font="); font && *font != "default") {
        wrap = FontWrap(*font).value_or(0);
    }
    return wrap;
}

std::set<std::string> NameVariables() {
    std::set<std::string> names;
    for (const std::string& line : DemoScriptLines("names.scn")) {
        if (const size_t colon = line.find(':'); colon != std::string::npos) {
            names.insert(line.substr(0, colon));
        }
    }
    return names;
}

// The tags of a text, without their slashes; an unclosed slash gives an empty tag.
std::vector<std::string> Tags(const std::string& text) {
    std::vector<std::string> tags;
    for (size_t at = text.find('/'); at != std::string::npos;) {
        const size_t close = text.find('/', at + 1);
        if (close == std::string::npos) {
            tags.emplace_back();
            break;
        }
        tags.push_back(text.substr(at + 1, close - at - 1));
        at = text.find('/', close + 1);
    }
    return tags;
}

TEST(DemoDialogue, TheTextDefaultsKeepTheKeysTheEngineCutsOff) {
    // The engine takes each value from a fixed position of its line, whatever the key says.
    static constexpr size_t kKeyLength[10] = {7, 5, 6, 3, 8, 6, 10, 7, 7, 6};
    const std::vector<std::string> lines = TextDefaults();
    ASSERT_EQ(lines.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(lines[i].find('=') + 1, kKeyLength[i]) << "line " << i + 1 << ": " << lines[i];
    }
    const std::vector<std::string> position = Fields(DefaultValue(0), ':');
    ASSERT_EQ(position.size(), 2u);
    EXPECT_TRUE(IsNumber(position[0]) && IsNumber(position[1])) << lines[0];
    EXPECT_TRUE(FontWrap(DefaultValue(1))) << lines[1];
    EXPECT_TRUE(FontWrap(DefaultValue(6))) << lines[6];
    for (const size_t number : {3, 4, 7, 8}) {
        EXPECT_TRUE(IsNumber(DefaultValue(number))) << lines[number];
    }
}

TEST(DemoDialogue, SettingsAreReadAsWritten) {
    const std::vector<DialogueLine> dialogue = DialogueLines();
    ASSERT_FALSE(dialogue.empty());
    for (const DialogueLine& d : dialogue) {
        // Without "text=" the last setting of the trimmed line would read as empty.
        ASSERT_NE(d.line.find(" text="), std::string::npos) << d.line;
        // Each line starts from the defaults, so that nothing carries over from the line before.
        EXPECT_TRUE(d.line.starts_with("set text default ")) << d.line;
        if (auto font = Setting(d.settings, " font=")) {
            EXPECT_TRUE(*font == "default" || FontWrap(*font)) << d.line;
        }
        if (auto name = Setting(d.settings, "name=")) {
            const std::vector<std::string> fields = Fields(*name, ':');
            EXPECT_FALSE(fields[0].empty()) << d.line;
            const bool plain = fields.size() == 1 || (fields.size() == 2 && fields[1] == "default");
            const bool ownFont = fields.size() == 8 && IsNumber(fields[6]) && IsNumber(fields[7]);
            EXPECT_TRUE(plain || ownFont) << d.line;
        }
    }
}

TEST(DemoDialogue, SpeakersKeepTheWrapWidthOfTheText) {
    // A speaker's name font sets the width the text wraps at, so a line with a speaker and
    // no font= of its own wraps like every other line only when the name font's width is the
    // text font's.
    const int wrap = FontWrap(DefaultValue(1)).value_or(0);
    EXPECT_EQ(FontWrap(DefaultValue(6)), wrap);
    for (const DialogueLine& d : DialogueLines()) {
        if (!Setting(d.settings, " font=")) {
            EXPECT_EQ(WrapWidth(d), wrap) << d.line;
        }
    }
}

TEST(DemoDialogue, TextsThatClicksCannotHurryFitOneLine) {
    // With click=no a click neither shows the page at once nor turns it, so a text that filled
    // a page would wait there for ever. Name variables count as a name of twelve letters.
    int found = 0;
    for (const DialogueLine& d : DialogueLines()) {
        if (Setting(d.settings, "click=") != "no") continue;
        ++found;
        int visible = static_cast<int>(d.text.size());
        for (const std::string& tag : Tags(d.text)) {
            visible -= static_cast<int>(tag.size()) + 2;
            if (tag.starts_with('v')) visible += 12;
        }
        // The texts are UTF-8 here and the game's are one byte a letter: count letters.
        visible -= static_cast<int>(std::count_if(d.text.begin(), d.text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        }));
        EXPECT_LE(visible, WrapWidth(d)) << d.line;
    }
    EXPECT_GT(found, 0);
}

TEST(DemoDialogue, TagsAreWellFormed) {
    const std::set<std::string> names = NameVariables();
    const std::set<std::string> plain = {"b", "-b", "i",  "-i", "u", "-u",
                                         "s", "-s", "-h", "-f", "-"};
    for (const DialogueLine& d : DialogueLines()) {
        for (const std::string& tag : Tags(d.text)) {
            const bool size = tag.size() > 1 && tag[0] == 'h' && IsNumber(tag.substr(1));
            const bool face = tag.size() > 1 && tag[0] == 'f' && tag.find(' ') == std::string::npos;
            const bool name = tag.size() > 1 && tag[0] == 'v';
            EXPECT_TRUE(plain.contains(tag) || size || face || name)
                << "/" << tag << "/ in " << d.line;
            if (name) {
                EXPECT_TRUE(names.contains(tag.substr(1))) << "/" << tag << "/ in " << d.line;
            }
        }
        // The character after a tag is drawn as it stands, so a tag right after another shows
        // as text. Name variables are replaced before anything is drawn and may stand anywhere.
        std::string shown = d.text;
        for (size_t at = shown.find("/v"); at != std::string::npos; at = shown.find("/v")) {
            shown.replace(at, shown.find('/', at + 2) + 1 - at, "N");
        }
        EXPECT_EQ(shown.find("//"), std::string::npos) << d.line;
    }
}

TEST(DemoDialogue, NameVariablesAreDeclared) {
    const std::set<std::string> names = NameVariables();
    int entries = 0;
    for (const std::string& line : DemoScriptLines("master.scn")) {
        if (line.starts_with("set enter ")) {
            ++entries;
            EXPECT_TRUE(names.contains(Setting(line, "name=").value_or(""))) << line;
            // The line is trimmed, so its last value would read as empty: a word without "="
            // ends it.
            EXPECT_EQ(line.substr(line.rfind(' ') + 1).find('='), std::string::npos) << line;
        }
        const std::optional<std::string> speaker = Setting(line, " name=");
        if (speaker && speaker->starts_with("/v")) {
            EXPECT_TRUE(names.contains(speaker->substr(2, speaker->find('/', 2) - 2))) << line;
        }
    }
    EXPECT_GT(entries, 0);
}

}  // namespace
}  // namespace orvane::demo
