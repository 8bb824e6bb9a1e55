// The phone game's story "default.scn", then (after kEventsMark) the phone's keys, one byte
// each: 0 lets half a second pass (the text types on), 1..6 press the keys one, up, down, left,
// right and select, 7 is Esc, 8 lets a tenth of a second pass. Without keys the story is played
// by select and down. The main script is the demo's, entered at "game=necro".
#include <string>

#include "fuzz_game.h"
#include "input_parts.h"
#include "scratch_folder.h"

namespace {

struct Point {
    int x, y;
};
// The keys one, up, down, left, right and select on the phone.
constexpr Point kKeyAt[] = {{439, 520}, {511, 520}, {511, 592}, {439, 556}, {583, 556}, {511, 556}};
constexpr int kSelect = 6;
constexpr int kDown = 3;
constexpr int kEsc = 7;
constexpr size_t kMaxKeys = 256;
// Waits beyond this much virtual time in all are skipped.
constexpr uint64_t kMaxWaitedMs = 20000;

class Phone {
public:
    explicit Phone(orvane::fuzz::EngineRun& run) : run_(run) {}

    void Key(int key) {
        orvane::Engine& engine = *run_.engine;
        if (key == 0 || key == 8) return Wait(key == 0 ? 500 : 100);
        if (key == kEsc) return engine.FormKeyDown(27);
        const Point at = kKeyAt[key - 1];
        engine.FormMouseMove(at.x, at.y);
        engine.FormMouseDown(orvane::MouseButton::Left, at.x, at.y);
        engine.FormMouseUp(orvane::MouseButton::Left, at.x, at.y);
    }

private:
    void Wait(uint64_t ms) {
        if (waited_ + ms > kMaxWaitedMs) return;
        waited_ += ms;
        run_.platform.AdvanceTo(*run_.engine, run_.platform.Now() + ms);
    }

    orvane::fuzz::EngineRun& run_;
    uint64_t waited_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    static const std::string* const master =
        new std::string("scene phone\r\ngame=necro\r\n" + fuzz::DemoScript("master.scn"));
    const auto [story, keys] = fuzz::SplitAtMark(fuzz::Bytes(data, size));
    fuzz::WriteWholeFile(fuzz::GameFolder() / "master.scn", *master);
    fuzz::WriteWholeFile(fuzz::GameFolder() / "default.scn", story);
    fuzz::EngineRun run;
    if (!run.Start()) return 0;
    Phone phone(run);
    if (keys.empty()) {
        phone.Key(kSelect);
        for (int round = 0; round < 3; ++round) {
            for (int page = 0; page < 6; ++page) {
                phone.Key(0);
                phone.Key(kSelect);
            }
            phone.Key(kDown);
            phone.Key(kSelect);
        }
        phone.Key(kEsc);
        phone.Key(kDown);
        phone.Key(kSelect);
    } else {
        for (size_t i = 0; i < keys.size() && i < kMaxKeys; ++i) {
            phone.Key(static_cast<uint8_t>(keys[i]) % 9);
        }
    }
    run.Play({});
    return 0;
}
