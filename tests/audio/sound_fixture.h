// A game and a CD folder on the headless platform, with the sound player on top and the music
// timer routed to it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/sound_player.h"
#include "platform/headless_platform.h"
#include "platform/test_waves.h"
#include "script/game_state.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane::testing {

// Delivers the music timer to the player and notes which track each tick left playing.
class MusicRouter : public EventHandler {
public:
    MusicRouter(SoundPlayer& sound, HeadlessPlatform& platform)
        : sound_(sound), platform_(platform) {}
    void FormMouseDown(MouseButton, int, int) override {}
    void FormMouseMove(int, int) override {}
    void FormMouseUp(MouseButton, int, int) override {}
    void FormKeyDown(int) override {}
    void OnTimer(TimerId id) override {
        if (id != TimerId::MusicTimer) return;
        sound_.MusicTick();
        switches.push_back(std::to_string(platform_.Now()) + " " + sound_.musicTrack() + " " +
                           std::to_string(sound_.musicAttenuation()));
    }
    void FormPaint() override {}
    void OnMinimize() override {}
    void OnRestore() override {}
    bool WriteStateDump(const std::string&) override { return true; }

    std::vector<std::string> switches;

private:
    SoundPlayer& sound_;
    HeadlessPlatform& platform_;
};

class SoundTest : public ::testing::Test {
protected:
    SoundTest() : state(platform, {game.path(), cd.path(), game.path()}) {}

    HeadlessAudioDevice& audio() { return platform.recordingAudio(); }
    void Advance(uint64_t toMs) { platform.AdvanceTo(router, toMs); }

    TempDir game;
    TempDir cd;
    HeadlessPlatform platform;
    GameState state;
    SoundPlayer sound{state};
    MusicRouter router{sound, platform};
};

}  // namespace orvane::testing
