// The music: tracks of the playlist one after another, each switched by the music timer when
// its own length has played.
#include "audio/sound_player.h"
#include "audio/volume_levels.h"
#include "audio/wave_file.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "platform/audio_levels.h"

namespace orvane {
namespace {

// A track this short would re-arm the music timer almost at once, and each time the file is
// opened again: it is taken for a broken one.
constexpr int kShortestTrackMs = 100;

}  // namespace

bool SoundPlayer::StartTrack(std::string_view name, int attenuation) {
    // The original opened the name as Windows does, which ignores trailing blanks.
    const std::string_view trimmed = Trim(name);
    // An empty line (a script that ends with a line break has one) names no track.
    if (trimmed.empty()) return false;
    const std::string shown = Cp1251ToUtf8(trimmed);
    const auto path = FindLooseFile(game_.folders.gameDir, trimmed);
    if (!path) {
        ReportOnce(shown, "music: " + shown + " is not in the game folder; skipped");
        return false;
    }
    WaveFile file;
    std::string error;
    if (!file.Open(*path, error)) {
        ReportOnce(shown, "music: " + error + "; skipped");
        return false;
    }
    if (!file.warning().empty())
        ReportOnce(shown + " cut", "music: " + shown + ": " + file.warning());
    const PcmFormat format = file.format();
    const int lengthMs = TrackLengthMs(format, file.DataSize());
    if (lengthMs < kShortestTrackMs) {
        ReportOnce(shown, "music: " + shown + (lengthMs <= 0 ? " has no samples" : " is too short") +
                              " to be a track; skipped");
        return false;
    }
    // The whole track is copied at its start, as into the original's static buffer; the map is
    // let go at once.
    std::string samples(file.DataSize(), '\0');
    file.Rewind();
    file.Read(reinterpret_cast<uint8_t*>(samples.data()), samples.size());
    file.Close();
    if (!game_.platform.audio().PlayMusic(std::move(samples), format, attenuation, 0, shown)) {
        return false;
    }
    musicTrack_ = std::string(trimmed);
    musicAttenuation_ = IsAttenuationAccepted(attenuation) ? attenuation : kFullVolume;
    trackLengthMs_ = lengthMs;
    return true;
}

void SoundPlayer::ArmMusicTimer(int ms) {
    // Off and on again, so that the count starts now even when the interval did not change.
    Platform& platform = game_.platform;
    platform.SetTimerEnabled(TimerId::MusicTimer, false);
    platform.SetTimerInterval(TimerId::MusicTimer, ms);
    platform.SetTimerEnabled(TimerId::MusicTimer, true);
}

bool SoundPlayer::StartFromLine(size_t first, int attenuation) {
    const StringList& playlist = game_.lists.Playlist;
    for (size_t k = 0; k < playlist.size(); ++k) {
        const size_t line = (first + k) % playlist.size();
        if (!StartTrack(playlist[line], attenuation)) continue;
        game_.PlaylistIndex = static_cast<int>(line);
        ArmMusicTimer(trackLengthMs_);
        return true;
    }
    StopMusic();
    return false;
}

void SoundPlayer::StartPlaylist(int attenuation) {
    game_.PlaylistIndex = 0;
    StartFromLine(0, attenuation);
}

void SoundPlayer::MusicTick() {
    const size_t count = game_.lists.Playlist.size();
    const int index = game_.PlaylistIndex;
    const size_t next =
        (index < 0 || static_cast<size_t>(index) + 1 >= count) ? 0 : static_cast<size_t>(index) + 1;
    StartFromLine(next, AttenuationForLevel(game_.MusicVolume));
}

void SoundPlayer::ApplyMusicLevel(int musicVolume) {
    const int attenuation = AttenuationForLevel(musicVolume);
    game_.platform.audio().SetMusicAttenuation(attenuation);
    musicAttenuation_ = attenuation;
}

void SoundPlayer::StopMusic() {
    game_.platform.audio().StopMusic();
    game_.platform.SetTimerEnabled(TimerId::MusicTimer, false);
    musicTrack_.clear();
}

}  // namespace orvane
