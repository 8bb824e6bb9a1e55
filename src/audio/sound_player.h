// Voices, effects, the volumes and the music playlist of a running game, on top of the
// platform's audio device. One object holds what the sound side remembers between calls.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "script/game_state.h"

namespace orvane {

class SoundPlayer {
public:
    explicit SoundPlayer(GameState& game);

    // "voice=" of "set text": stops the system sound, then plays the loose file of that name in
    // the game folder or, failing that, the entry of "Sounds.pak" in the CD folder. A name in
    // neither place plays nothing and keeps VoiceBuffer.
    void PlayVoice(std::string_view file);
    // An effect of the necro game: a loose file of the game folder. The effect that played last
    // is not restarted; an empty name does nothing. A missing file plays nothing (reported once).
    void PlayEffect(std::string_view name);
    // Forgets the effect that played last, so that asking for it again plays it from the start.
    void ForgetEffect() { lastEffectPath_.clear(); }
    // Silences the effect and forgets it.
    void StopEffect();
    // The device volume of a sound level (volume_levels.h).
    void SetWaveVolume(int level);

    // Plays the first playable line of Playlist and arms the music timer for that track's own
    // length; PlaylistIndex names the line. An empty or wholly unplayable playlist stops the
    // music and leaves the timer off.
    void StartPlaylist(int attenuation);
    // The music timer: the next playable line after PlaylistIndex (wrapping round, each line
    // tried at most once), at the attenuation of MusicVolume.
    void MusicTick();
    // The options screen's music bar: the playing track takes the level's attenuation at once.
    void ApplyMusicLevel(int musicVolume);
    // No music and the timer off.
    void StopMusic();
    // One track: a loose file of the game folder (never an archive entry). False, reported once
    // for each name, when it is missing or cannot be played; the music playing then goes on.
    bool StartTrack(std::string_view name, int attenuation);

    // For the state dump (engine text, CP1251).
    const std::string& lastVoice() const { return lastVoice_; }        // as "voice=" asked
    const std::string& lastEffect() const { return lastEffectName_; }  // as the game asked
    const std::string& musicTrack() const { return musicTrack_; }      // empty: no music
    int musicAttenuation() const { return musicAttenuation_; }         // as the device took it
    // The last voice read from the sound archive.
    const std::string& voiceBuffer() const { return VoiceBuffer; }

private:
    bool StartFromLine(size_t first, int attenuation);
    void ArmMusicTimer(int ms);
    void PlayLooseSound(const std::filesystem::path& file, std::string_view name);
    void ReportOnce(const std::string& key, const std::string& message);

    GameState& game_;
    std::string VoiceBuffer;
    std::string lastVoice_;
    std::string lastEffectPath_;  // the game folder and the name, as the effect was compared
    std::string lastEffectName_;
    std::string musicTrack_;
    int musicAttenuation_ = 0;
    int trackLengthMs_ = 0;
    std::set<std::string> reported_;
};

}  // namespace orvane
