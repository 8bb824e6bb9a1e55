// The archive reader: the directory, then every entry found by its name (as stored and in
// capitals) and handed to every consumption mode, the one the engine does not know included.
#include <set>
#include <string>
#include <vector>

#include "archive/pak_entry.h"
#include "archive/pak_reader.h"
#include "input_parts.h"
#include "platform/mixing_audio_device.h"
#include "scratch_folder.h"

namespace {

constexpr size_t kMaxEntriesRead = 8;
constexpr int kModes[] = {1, 2, 3, 4, 5};

std::string AsciiCapitals(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    const std::filesystem::path archive =
        fuzz::WriteScratchFile("fuzz.pak", fuzz::Bytes(data, size));
    // A file rewritten within one tick of the file system's clock may keep its identity.
    ForgetPakIndexes();
    std::vector<PakEntry> entries;
    std::string error;
    if (!ListPakEntries(archive, entries, error)) return 0;

    std::set<std::string> names;
    for (const PakEntry& entry : entries) {
        if (names.size() == kMaxEntriesRead) break;
        names.insert(entry.name);
    }
    names.insert("no such entry");
    MixingAudioDevice audio;
    float mixed[2 * 64];
    for (const std::string& name : names) {
        for (const std::string& asked : {name, AsciiCapitals(name)}) {
            for (int mode : kModes) {
                std::vector<std::string> lines;
                Image bitmap, picture;
                std::string voice;
                const PakConsumers consumers{&lines, &bitmap, &picture, &voice, &audio};
                ReadPakEntry(asked, mode, consumers, archive, error);
                audio.mixer().Mix(mixed, 64);
            }
        }
    }
    return 0;
}
