#include "voices.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <set>

#include "base/files.h"
#include "base/text.h"

namespace orvane::demo {
namespace {

// The letters of a UTF-8 text as code points; a byte that starts no valid sequence is skipped.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsVowel(char32_t c) {
    if (c >= U'А' && c <= U'Я') c += U'а' - U'А';
    if (c == U'Ё') c = U'ё';
    if (c < 0x80) c = static_cast<char32_t>(std::tolower(static_cast<int>(c)));
    static const std::u32string kVowels = U"аеёиоуыэюяaeiouy";
    return kVowels.find(c) != std::u32string::npos;
}

// What the stand-in voice does, one step at a time.
struct Step {
    double seconds;
    double pitch;  // times the voice's base pitch; 0 is a pause
};

constexpr double kSyllable = 0.12;
constexpr double kWordGap = 0.05;
constexpr double kCommaPause = 0.15;
constexpr double kStopPause = 0.3;
constexpr size_t kMaxSyllables = 60;

std::vector<Step> Steps(std::string_view text) {
    std::vector<Step> steps;
    size_t phraseStart = 0;  // where the phrase being read starts in steps
    size_t syllables = 0;
    // A phrase drifts down as it goes on and its last syllable shows how it ends.
    auto endPhrase = [&](char32_t mark, double pause) {
        const double last = mark == U'?' ? 1.3 : mark == U'!' ? 1.15 : 0.88;
        for (size_t k = phraseStart; k < steps.size(); ++k) {
            if (steps[k].pitch == 0) continue;
            steps[k].pitch *= 1.0 - 0.015 * static_cast<double>(k - phraseStart);
        }
        for (size_t k = steps.size(); k > phraseStart; --k) {
            if (steps[k - 1].pitch != 0) {
                steps[k - 1].pitch = last;
                break;
            }
        }
        steps.push_back({pause, 0});
        phraseStart = steps.size();
    };
    for (char32_t c : CodePoints(text)) {
        if (IsVowel(c) && syllables < kMaxSyllables) {
            // The syllables wander a little around the voice's pitch, the same way every build.
            const double wander = 0.06 * std::sin(static_cast<double>(c % 7) + syllables * 1.7);
            steps.push_back({kSyllable, 1.0 + wander});
            ++syllables;
        } else if (c == U' ') {
            if (!steps.empty() && steps.back().pitch != 0) steps.push_back({kWordGap, 0});
        } else if (c == U',' || c == U';' || c == U':' || c == U'—') {
            endPhrase(U',', kCommaPause);
        } else if (c == U'.' || c == U'!' || c == U'?' || c == U'…') {
            if (steps.size() > phraseStart) endPhrase(c, kStopPause);
        }
    }
    if (syllables == 0) steps.push_back({kSyllable, 1.0});
    if (steps.size() > phraseStart) endPhrase(U'.', 0);
    return steps;
}

}  // namespace

bool ParseVoiceList(std::string_view list, std::vector<VoiceLine>& lines, std::string& error) {
    lines.clear();
    std::set<std::string> files;
    int number = 0;
    for (const std::string& raw : SplitTextFileLines(list)) {
        ++number;
        const std::string_view line = Trim(raw);
        if (line.empty() || line.starts_with('#')) continue;
        const size_t bar1 = line.find('|');
        const size_t bar2 = bar1 == std::string_view::npos ? bar1 : line.find('|', bar1 + 1);
        const std::string where = "line " + std::to_string(number) + ": ";
        if (bar2 == std::string_view::npos) {
            error = where + "not FILE|VOICE|TEXT";
            return false;
        }
        VoiceLine voice{std::string(Trim(line.substr(0, bar1))),
                        std::string(Trim(line.substr(bar1 + 1, bar2 - bar1 - 1))),
                        std::string(Trim(line.substr(bar2 + 1)))};
        const bool plainName = voice.file.size() > 4 && voice.file.ends_with(".wav") &&
                               voice.file.find_first_of(" \t/\\:") == std::string::npos;
        if (!plainName) {
            error = where + "\"" + voice.file + "\" is not the name of a .wav file";
            return false;
        }
        if (voice.voice.empty() || voice.voice.find(' ') != std::string::npos ||
            voice.text.empty()) {
            error = where + "a voice and a text are needed";
            return false;
        }
        if (!files.insert(LowerAscii(voice.file)).second) {
            error = where + voice.file + " is listed twice";
            return false;
        }
        lines.push_back(std::move(voice));
    }
    return true;
}

Signal ToneVoice(const VoiceLine& line) {
    constexpr double kLead = 0.05;  // silence before and after
    constexpr double kAttack = 0.015;
    constexpr double kRelease = 0.04;
    const std::vector<Step> steps = Steps(line.text);
    double seconds = 2 * kLead;
    for (const Step& step : steps) seconds += step.seconds;
    Signal voice(kVoiceRate, seconds);
    const double base = line.voice.find("+f") != std::string::npos ? 240.0 : 130.0;
    double at = kLead;
    for (const Step& step : steps) {
        const auto first = static_cast<size_t>(std::lround(at * kVoiceRate));
        const auto count = static_cast<size_t>(std::lround(step.seconds * kVoiceRate));
        at += step.seconds;
        if (step.pitch == 0) continue;
        double phase = 0;
        for (size_t i = 0; i < count && first + i < voice.samples.size(); ++i) {
            const double t = static_cast<double>(i) / kVoiceRate;
            // Each syllable glides down a little, as speech does.
            const double hz = base * step.pitch * (1.0 - 0.04 * t / step.seconds);
            phase += 2 * std::numbers::pi * hz / kVoiceRate;
            const double rise = std::min(1.0, t / kAttack);
            const double fall = std::min(1.0, (step.seconds - t) / kRelease);
            const double envelope = std::sin(std::numbers::pi / 2 * rise) *
                                    std::sin(std::numbers::pi / 2 * std::max(0.0, fall));
            // A few harmonics make it buzz a little like a voice rather than whistle.
            const double value = std::sin(phase) + 0.5 * std::sin(2 * phase) +
                                 0.25 * std::sin(3 * phase) + 0.12 * std::sin(4 * phase);
            voice.samples[first + i] += static_cast<float>(value * envelope);
        }
    }
    Normalize(voice, 0.7f);
    return voice;
}

std::string ToneVoiceFile(const VoiceLine& line) {
    return WaveFile8(ToneVoice(line));
}

}  // namespace orvane::demo
