// The demo's voiced lines. demo/voices.txt lists them, one a line:
//     FILE|VOICE|TEXT
// FILE is the name the scripts give "voice=" and the entry of Sounds.pak, VOICE the espeak-ng
// voice that speaks TEXT (UTF-8). Blank lines and lines starting with '#' are skipped.
// When espeak-ng is not installed, or fails on a line, a tone pattern that follows the
// syllables of the text stands in for the speech, so the build never depends on it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sound.h"

namespace orvane::demo {

struct VoiceLine {
    std::string file;
    std::string voice;
    std::string text;
};

// False, with the line number and the reason, when a line is not FILE|VOICE|TEXT, a file
// name is not a plain .wav name the scripts can give (no blanks, no folders) or is listed twice.
bool ParseVoiceList(std::string_view list, std::vector<VoiceLine>& lines, std::string& error);

inline constexpr int kVoiceRate = 22050;

// The stand-in: a short tone for every syllable, with pauses between words and at commas and
// full stops, rising at a question. Higher for a female espeak-ng voice ("+f" variants).
Signal ToneVoice(const VoiceLine& line);
// ToneVoice as a wave file: mono, 8-bit, kVoiceRate.
std::string ToneVoiceFile(const VoiceLine& line);

}  // namespace orvane::demo
