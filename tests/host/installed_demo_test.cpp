#include <gtest/gtest.h>

#include "host/installed_demo.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::TempDir;

// A prefix with the demo installed, and a current folder that may or may not hold a game.
TEST(InstalledDemo, StandsInOnlyWhenNoGameIsChosenOrAtHand) {
    TempDir root;
    root.Write("prefix/share/orvane/demo/ORVANE.PAK", "pak");
    root.Write("bare/bin/orvane", "");
    root.Write("here/Master.scn", "scene a");
    root.Write("empty/notes.txt", "");
    const auto bin = root / "prefix/bin";
    const auto demo = root / "prefix/share/orvane/demo";

    ConfigValues none;
    ConfigValues configured{.found = true, .path = "/games/x", .cdPath = {}};
    // An orvane.ini with only the sounds' folder, or an empty Path, chooses no game.
    ConfigValues soundsOnly{.found = true, .path = "", .cdPath = "/cd"};
    FolderOverrides noOverride;
    FolderOverrides gameDir{.gameDir = "/games/y", .cdDir = {}};

    struct Case {
        const char* what;
        const ConfigValues& config;
        const FolderOverrides& overrides;
        std::filesystem::path current;
        std::filesystem::path programDir;
        bool demoPlays;
    };
    const Case cases[] = {
        {"nothing chosen, nothing here", none, noOverride, root / "empty", bin, true},
        {"only CD_Path configured", soundsOnly, noOverride, root / "empty", bin, true},
        {"Path configured", configured, noOverride, root / "empty", bin, false},
        {"--game-dir given", none, gameDir, root / "empty", bin, false},
        {"a game in the current folder", none, noOverride, root / "here", bin, false},
        {"no demo installed", none, noOverride, root / "empty", root / "bare/bin", false},
    };
    for (const Case& c : cases) {
        const auto chosen =
            DemoInsteadOfMissingGame(c.config, c.overrides, c.current, c.programDir);
        EXPECT_EQ(chosen.has_value(), c.demoPlays) << c.what;
        if (chosen) {
            EXPECT_EQ(*chosen, demo.lexically_normal()) << c.what;
        }
    }
}

}  // namespace
}  // namespace orvane
