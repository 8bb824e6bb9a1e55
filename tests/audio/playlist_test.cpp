// The music playlist on the headless clock.
#include <algorithm>

#include "audio/volume_levels.h"
#include "sound_fixture.h"

namespace orvane {
namespace {

using Switches = std::vector<std::string>;

class PlaylistTest : public testing::SoundTest {
protected:
    PlaylistTest() {
        // A mono track of 1.5 s and a stereo one of 2.25 s: the original switched the mono one
        // after half its length, and every later track after the first one's length.
        game.Write("a.wav", testing::ToneWave({1, 22050, 8}, 1000, 0.5, 1.5));
        game.Write("B.WAV", testing::ToneWave({2, 44100, 16}, 1500, 0.5, 2.25));
        game.Write("broken.wav", "RIFF\x20\0\0\0WAVEjunk");
        game.Write("click.wav", testing::ToneWave({1, 22050, 16}, 1000, 0.5, 0.05));
        state.MusicVolume = 7;
    }
    bool TimerOn() const { return platform.timers().Enabled(TimerId::MusicTimer); }
};

TEST_F(PlaylistTest, EachTrackPlaysToItsOwnEndThenTheNextStarts) {
    state.lists.Playlist = {"a.wav", "b.wav"};
    audio().StartRecording(game / "music.wav");
    sound.StartPlaylist(kStartupMusicAttenuation);
    EXPECT_EQ(sound.musicTrack(), "a.wav");
    EXPECT_EQ(audio().musicAttenuation, -1000);
    EXPECT_EQ(state.PlaylistIndex, 0);
    EXPECT_TRUE(TimerOn());

    Advance(8000);
    EXPECT_EQ(router.switches, (Switches{"1500 b.wav -600", "3750 a.wav -600", "5250 b.wav -600",
                                         "7500 a.wav -600"}));
    EXPECT_EQ(state.PlaylistIndex, 0);

    // The music never falls silent and never overlaps: every 10 ms holds one tone at its level.
    std::string error;
    ASSERT_TRUE(audio().StopRecording(error)) << error;
    const testing::Recording rec = testing::ReadRecording(game / "music.wav");
    ASSERT_EQ(rec.left.size(), 8000u * 48);
    const double gain = std::pow(10.0, -0.3);  // -600
    for (size_t at = 1500 * 48; at + 480 <= 7500 * 48; at += 480) {
        ASSERT_NEAR(testing::Rms(rec.left, at, at + 480), gain * 0.5 / std::sqrt(2.0), 0.01)
            << "at " << at / 48 << " ms";
    }
}

TEST_F(PlaylistTest, AnEmptyPlaylistPlaysNothingAndLeavesTheTimerOff) {
    sound.StartPlaylist(kStartupMusicAttenuation);
    EXPECT_FALSE(TimerOn());
    EXPECT_FALSE(audio().musicPlaying);
    EXPECT_EQ(sound.musicTrack(), "");

    // A new, empty playlist also ends the music that was playing.
    state.lists.Playlist = {"a.wav"};
    sound.StartPlaylist(0);
    EXPECT_TRUE(audio().MusicPlaying());
    state.lists.Playlist.clear();
    sound.StartPlaylist(0);
    EXPECT_FALSE(audio().MusicPlaying());
    EXPECT_FALSE(TimerOn());
    sound.MusicTick();
    EXPECT_FALSE(audio().MusicPlaying());
}

TEST_F(PlaylistTest, MissingAndBrokenTracksAreSkippedWithOneMessageEach) {
    // A track of 50 ms would re-arm the timer at once and reopen its file all the time; an empty
    // line (a playlist that ends with a line break) names nothing and is passed over silently.
    state.lists.Playlist = {"missing.wav", "a.wav", "broken.wav", "click.wav", "", "b.wav "};
    ::testing::internal::CaptureStderr();
    sound.StartPlaylist(0);
    EXPECT_EQ(state.PlaylistIndex, 1);
    Advance(1500 + 2250 + 1500 + 2250);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(router.switches, (Switches{"1500 b.wav -600", "3750 a.wav -600", "5250 b.wav -600",
                                         "7500 a.wav -600"}));
    for (const char* name : {"missing.wav", "broken.wav", "click.wav"}) {
        EXPECT_NE(err.find(name), std::string::npos) << err;
        EXPECT_EQ(err.find(name), err.rfind(name)) << err;
    }
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << err;

    // Nothing playable: once round the list, then silence with the timer off.
    state.lists.Playlist = {"missing.wav", "broken.wav"};
    sound.StartPlaylist(0);
    EXPECT_FALSE(audio().MusicPlaying());
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(sound.musicTrack(), "");
}

TEST_F(PlaylistTest, ANewPlaylistStartsItsFirstTrackAfreshWithTheCountRestarted) {
    state.lists.Playlist = {"a.wav", "b.wav"};
    sound.StartPlaylist(kStartupMusicAttenuation);
    Advance(1000);
    // "set playlist" halfway through: a.wav again, 1.5 s from now, not from the first start.
    sound.StartPlaylist(PlaylistAttenuation(2));
    EXPECT_EQ(audio().musicAttenuation, -3000);
    Advance(2499);
    EXPECT_TRUE(router.switches.empty());
    Advance(2500);
    EXPECT_EQ(router.switches, (Switches{"2500 b.wav -600"}));
}

TEST_F(PlaylistTest, AttenuationsFollowTheLevelsAndTheDeviceRefusesAboveZero) {
    state.lists.Playlist = {"a.wav"};
    sound.StartPlaylist(-1200);
    // Level 9 on "set playlist" asks for +4000 dB/100: refused, so the new track plays at full.
    sound.StartPlaylist(PlaylistAttenuation(9));
    EXPECT_EQ(sound.musicAttenuation(), 0);
    EXPECT_EQ(audio().musicAttenuation, 0);

    // The options screen's music bar takes effect on the playing track at once.
    sound.ApplyMusicLevel(-1);
    EXPECT_EQ(audio().musicAttenuation, -10000);
    EXPECT_EQ(sound.musicAttenuation(), -10000);
    EXPECT_EQ(audio().mixing().mixer().Gain(MixerVoice::Music), (StereoGain{0.0f, 0.0f}));

    // A playlist of one track replays it every track length, at the table's attenuation.
    state.MusicVolume = 9;
    Advance(3000);
    EXPECT_EQ(router.switches, (Switches{"1500 a.wav 0", "3000 a.wav 0"}));
}

}  // namespace
}  // namespace orvane
