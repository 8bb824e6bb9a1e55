// The tour's sound, transitions and branches as the engine reads the scripts: the voices and
// tracks they name must be ones the build makes, the triggers they test and set must be
// declared, and their jumps must land on scenes. None of these mistakes shows an error in the
// game: a voice or a track is silently missing, a condition is false, a jump goes nowhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "music.h"
#include "voices.h"

#include "demo_script_lines.h"

namespace orvane::demo {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The lines of master.scn the engine executes, trimmed as it trims them.
std::vector<std::string> Commands() {
    std::vector<std::string> commands;
    for (const std::string& line : DemoScriptLines("master.scn")) {
        const std::string command = Trimmed(line);
        if (!command.empty() && !command.starts_with("--")) commands.push_back(command);
    }
    return commands;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<VoiceLine> VoiceList() {
    std::vector<VoiceLine> lines;
    std::string error;
    EXPECT_TRUE(
        ParseVoiceList(ReadText(std::string(ORVANE_DEMO_SCRIPTS) + "/../voices.txt"), lines, error))
        << error;
    return lines;
}

// The shown text without its tags.
std::string WithoutTags(const std::string& text) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const size_t open = text.find('/', at);
        const size_t close = open == std::string::npos ? open : text.find('/', open + 1);
        if (close == std::string::npos) return out + text.substr(at);
        out += text.substr(at, open - at);
        at = close + 1;
    }
    return out;
}

TEST(DemoTour, VoicesAreTheListsAndSayTheLinesShown) {
    std::map<std::string, std::string> listed;  // file -> text
    for (const VoiceLine& line : VoiceList()) listed[line.file] = line.text;
    ASSERT_GE(listed.size(), 4u);
    std::set<std::string> used;
    for (const std::string& line : Commands()) {
        if (line.find("set text") == std::string::npos) continue;
        const size_t textAt = line.find("text=");
        ASSERT_NE(textAt, std::string::npos) << line;
        const std::string settings = line.substr(0, textAt);
        const std::string text = line.substr(textAt + 5);
        // After "text=" a voice would only be shown.
        EXPECT_EQ(text.find("voice="), std::string::npos) << line;
        const size_t voiceAt = settings.find("voice=");
        if (voiceAt == std::string::npos) continue;
        const size_t start = voiceAt + 6;
        const std::string file = settings.substr(start, settings.find(' ', start) - start);
        used.insert(file);
        ASSERT_TRUE(listed.contains(file)) << file << " is not made by the build: " << line;
        // The voice cannot say the name the player typed.
        EXPECT_EQ(text.find("/v"), std::string::npos) << line;
        EXPECT_EQ(listed[file], WithoutTags(text)) << line;
    }
    for (const auto& [file, text] : listed) {
        EXPECT_TRUE(used.contains(file)) << file << " is made but no line plays it";
    }
}

TEST(DemoTour, PlaylistsNameGeneratedTracks) {
    std::set<std::string> tracks;
    for (const DemoTrack& track : DemoTracks()) tracks.insert(std::string(track.file));
    // The archive's script reader makes a line of whatever follows the last line break, so a
    // final line break would add an empty track to the playlist.
    const std::vector<std::string> startList = DemoScriptLines("playlist.scn");
    ASSERT_FALSE(startList.empty());
    for (const std::string& entry : startList) {
        EXPECT_TRUE(tracks.contains(entry)) << "playlist.scn: \"" << entry << "\"";
    }
    const std::string whole = ReadText(std::string(ORVANE_DEMO_SCRIPTS) + "/playlist.scn");
    EXPECT_FALSE(whole.ends_with('\n')) << "playlist.scn ends with a line break";

    const std::vector<std::string> commands = Commands();
    int blocks = 0;
    for (size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].find("set playlist") == std::string::npos) continue;
        ++blocks;
        size_t end = i + 1;
        for (; end < commands.size() && Lower(commands[end]) != "end"; ++end) {
            // The engine takes the block's lines in lower case.
            EXPECT_TRUE(tracks.contains(Lower(commands[end]))) << commands[end];
        }
        // An open block takes the rest of the script for track names.
        ASSERT_LT(end, commands.size())
            << "the playlist block at \"" << commands[i] << "\" has no end";
        EXPECT_GT(end, i + 1) << "an empty playlist stops the music";
        i = end;
    }
    EXPECT_GT(blocks, 0);
}

std::set<std::string> DeclaredTriggers() {
    std::set<std::string> names;
    for (const std::string& line : DemoScriptLines("triggers.scn")) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) names.insert(line.substr(0, eq));
    }
    return names;
}

std::set<std::string> Scenes() {
    std::set<std::string> scenes;
    for (const std::string& line : Commands()) {
        if (line.starts_with("scene ")) scenes.insert(Lower(Trimmed(line.substr(6))));
    }
    return scenes;
}

// NAME of NAME=VALUE.
std::string TriggerName(const std::string& assignment) {
    return Trimmed(assignment.substr(0, assignment.find('=')));
}

TEST(DemoTour, BranchesTestAndSetDeclaredTriggersAndJumpToScenes) {
    const std::set<std::string> declared = DeclaredTriggers();
    const std::set<std::string> scenes = Scenes();
    ASSERT_TRUE(declared.contains("visits"));
    int conditions = 0;
    auto checkJump = [&](const std::string& target, const std::string& line) {
        // The scene lines are compared in lower case, the name as it is written.
        EXPECT_TRUE(scenes.contains(target) && Lower(target) == target)
            << "no scene \"" << target << "\" for " << line;
    };
    for (const std::string& line : Commands()) {
        // The engine takes any line with "if " in it for a condition.
        if (line.find("if ") != std::string::npos) {
            ASSERT_TRUE(line.starts_with("if ")) << line;
            ++conditions;
            const std::string rest = line.substr(3);
            const size_t action = std::min(rest.find(" goto "), rest.find(" set trigger "));
            ASSERT_NE(action, std::string::npos) << line;
            std::string condition = Trimmed(rest.substr(0, action));
            if (condition.starts_with('(')) {
                ASSERT_TRUE(condition.ends_with(')')) << line;
                condition = condition.substr(1, condition.size() - 2);
                // One kind of joint only: "or" wins over "and" when both are there.
                EXPECT_FALSE(condition.find(" and ") != std::string::npos &&
                             condition.find(" or ") != std::string::npos)
                    << line;
            }
            std::istringstream terms(condition);
            for (std::string term; terms >> term;) {
                if (term == "and" || term == "or") continue;
                EXPECT_NE(term.find('='), std::string::npos) << line;
                EXPECT_TRUE(declared.contains(TriggerName(term))) << term << " in " << line;
            }
            for (size_t at = rest.find("goto "); at != std::string::npos;
                 at = rest.find("goto ", at + 5)) {
                const std::string target = rest.substr(at + 5, rest.find(' ', at + 5) - at - 5);
                checkJump(Trimmed(target), line);
            }
            for (size_t at = rest.find("set trigger "); at != std::string::npos;
                 at = rest.find("set trigger ", at + 12)) {
                EXPECT_TRUE(declared.contains(TriggerName(rest.substr(at + 12)))) << line;
            }
        } else if (line.find("goto ") != std::string::npos) {
            checkJump(Trimmed(line.substr(line.find("goto ") + 5)), line);
        } else if (line.find("set trigger") != std::string::npos) {
            // The engine cuts the first 12 characters off the trimmed line.
            ASSERT_TRUE(line.starts_with("set trigger ")) << line;
            EXPECT_TRUE(declared.contains(TriggerName(line.substr(12)))) << line;
        }
    }
    EXPECT_GT(conditions, 0);
    for (const std::string& line : DemoScriptLines("gallery.scn")) {
        const std::string trigger = line.substr(0, line.find(':'));
        EXPECT_TRUE(trigger.starts_with("gal_") && declared.contains(trigger)) << line;
    }
}

TEST(DemoTour, TheScreenIsBroughtBackBeforeAnythingWaits) {
    // A fade or a dissolve out leaves the screen black or white until its "in": a text shown in
    // between is drawn over the composed stage, which the player never sees.
    std::optional<std::string> pending;
    int transitions = 0;
    bool inPlaylist = false;  // the "end" of a playlist block waits for nothing
    for (const std::string& line : Commands()) {
        if (inPlaylist || line.find("set playlist") != std::string::npos) {
            inPlaylist = Lower(line) != "end";
            continue;
        }
        for (const std::string kind : {"set fade=", "set dissolve="}) {
            if (!line.starts_with(kind)) continue;
            ++transitions;
            const std::string value = line.substr(kind.size());
            const bool out = value.starts_with("out:");
            EXPECT_TRUE(out || value.starts_with("in:")) << line;
            EXPECT_EQ(std::count(value.begin(), value.end(), ':'), 2) << line;
            if (out) {
                EXPECT_FALSE(pending) << line;
                pending = kind;
            } else {
                EXPECT_EQ(pending.value_or(kind), kind) << line;
                pending.reset();
            }
        }
        const bool waits = line.find("set text") != std::string::npos ||
                           line.find("set enter ") != std::string::npos ||
                           line.find("set pause") != std::string::npos || line == "end";
        if (waits) {
            EXPECT_FALSE(pending) << "still faded out at " << line;
            pending.reset();
        }
    }
    EXPECT_GE(transitions, 4);
}

}  // namespace
}  // namespace orvane::demo
