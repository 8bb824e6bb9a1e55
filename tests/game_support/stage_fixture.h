// A small game on the headless platform for stage and interpreter tests: a catalogue of
// pictures in an archive, the display set up, and an interpreter whose hooks record calls.
#pragma once

#include <gtest/gtest.h>

#include "platform/headless_platform.h"
#include "render/display.h"
#include "script/game_state.h"
#include "script/interpreter.h"
#include "archive/bmp_writer.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane::testing {

class RecordingHooks : public ScriptHooks {
public:
    void OpenJournal() override { calls.push_back("journal"); }
    void SetWaveVolume(int level) override { calls.push_back("volume " + std::to_string(level)); }
    void PlayVoice(std::string_view file) override { calls.push_back("voice " + std::string(file)); }
    void ShowSectionMenu(std::string_view) override { calls.push_back("menu"); }
    void StartPlaylist() override { calls.push_back("playlist"); }
    std::vector<std::string> calls;
};

// Routes the platform's timers to the interpreter's ticks.
class TickRouter : public EventHandler {
public:
    explicit TickRouter(Interpreter& interpreter) : interpreter_(interpreter) {}
    void FormMouseDown(MouseButton, int, int) override {}
    void FormMouseMove(int, int) override {}
    void FormMouseUp(MouseButton, int, int) override {}
    void FormKeyDown(int) override {}
    void OnTimer(TimerId id) override {
        if (id == TimerId::Timer2) interpreter_.MainTick();
        if (id == TimerId::Timer3) interpreter_.CycleTick();
        if (onTick) onTick(id);
    }
    void FormPaint() override {}
    void OnMinimize() override {}
    void OnRestore() override {}
    bool WriteStateDump(const std::string&) override { return true; }
    std::function<void(TimerId)> onTick;

private:
    Interpreter& interpreter_;
};

class StageTest : public ::testing::Test {
protected:
    static constexpr uint32_t kBlue = MakePixel(0, 0, 200);
    static constexpr uint32_t kRed = MakePixel(200, 0, 0);

    StageTest();
    // Replaces the script and runs it from its first line.
    void Run(std::vector<std::string> lines);
    // Lets `ticks` main ticks of 50 ms pass on the virtual clock.
    void Ticks(int ticks);
    const StageItem* Item(std::string_view name) const;
    uint32_t Pixel(int x, int y) const { return state.slots.Get(kSlotBackBuffer)->at(x, y); }
    std::vector<std::string> StageText() const;
    // Text defaults in the layout of "default_text.scn", applied as at start-up.
    void UseTextDefaults();
    // Whether any pixel of the back buffer inside the rectangle differs from `pixel`.
    bool InkIn(int left, int top, int right, int bottom, uint32_t pixel) const;

    TempDir game;
    HeadlessPlatform platform;
    GameState state;
    RecordingHooks hooks;
    Interpreter interpreter{state, hooks};
    TickRouter router{interpreter};
};

}  // namespace orvane::testing
