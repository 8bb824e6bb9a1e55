// Voices, effects and the device volume.
#include "audio/sound_player.h"

#include "archive/pak_entry.h"
#include "audio/volume_levels.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"

namespace orvane {
namespace {

constexpr char kSoundArchive[] = "Sounds.pak";

}  // namespace

SoundPlayer::SoundPlayer(GameState& game) : game_(game) {}

void SoundPlayer::ReportOnce(const std::string& key, const std::string& message) {
    // A playlist repeats, and so would its complaints.
    if (reported_.insert(key).second) LogError(message);
}

void SoundPlayer::PlayLooseSound(const std::filesystem::path& file, std::string_view name) {
    std::string bytes;
    std::string error;
    if (!ReadFileBounded(file, kMaxFileBytes, bytes, error)) {
        LogError(error);
        return;
    }
    game_.platform.audio().PlaySystemSound(bytes, Cp1251ToUtf8(name));
}

void SoundPlayer::PlayVoice(std::string_view file) {
    AudioDevice& audio = game_.platform.audio();
    audio.StopSystemSound();
    lastVoice_ = std::string(file);
    if (const auto loose = FindLooseFile(game_.folders.gameDir, file)) {
        PlayLooseSound(*loose, file);
        return;
    }
    const auto archive = FindLooseFile(game_.folders.cdDir, kSoundArchive);
    if (!archive) {
        ReportOnce(kSoundArchive, "no voices: there is no " + std::string(kSoundArchive) + " in " +
                                      game_.folders.cdDir.string());
        return;
    }
    PakConsumers consumers;
    consumers.voiceBuffer = &VoiceBuffer;
    consumers.audio = &audio;
    std::string error;
    if (ReadPakEntry(file, static_cast<int>(PakMode::Sound), consumers, *archive, error) ==
        kPakBroken) {
        LogError(error);
    }
}

void SoundPlayer::PlayEffect(std::string_view name) {
    if (name.empty()) return;
    const std::string path = (game_.folders.gameDir / GameNameToPath(name)).string();
    if (path == lastEffectPath_) return;
    game_.platform.audio().StopSystemSound();
    lastEffectPath_ = path;
    lastEffectName_ = std::string(name);
    if (const auto file = FindLooseFile(game_.folders.gameDir, name)) {
        PlayLooseSound(*file, name);
    } else {
        ReportOnce(path, "the sound \"" + Cp1251ToUtf8(name) + "\" is not in " +
                             game_.folders.gameDir.string() + "; nothing plays");
    }
}

void SoundPlayer::StopEffect() {
    game_.platform.audio().StopSystemSound();
    ForgetEffect();
}

void SoundPlayer::SetWaveVolume(int level) {
    game_.platform.audio().SetWaveVolume(WaveVolumeWord(level));
}

}  // namespace orvane
