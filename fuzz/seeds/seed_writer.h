// Writes the seed corpora: one folder per target under the corpus folder, one file per seed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::fuzz {

class SeedWriter {
public:
    explicit SeedWriter(std::filesystem::path corpus) : corpus_(std::move(corpus)) {}
    // Replaces the seed of that name, so that running the program again changes nothing.
    void Add(std::string_view target, std::string_view name, std::string_view bytes);
    int written() const { return written_; }

private:
    std::filesystem::path corpus_;
    int written_ = 0;
};

// The seeds of the readers of single files: archive, pictures, cursor, sound, trigger file.
void WriteFileSeeds(SeedWriter& seeds);
// The seeds of the targets that run the engine, and the saves those runs write.
void WriteGameSeeds(SeedWriter& seeds);
// The seeds of the game's list files and the settings file.
void WriteListSeeds(SeedWriter& seeds);

}  // namespace orvane::fuzz
