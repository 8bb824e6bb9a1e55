// fuzz_seeds CORPUS: draws the demo game for the targets that run the engine, then writes every
// target's seed corpus into CORPUS/<target>/, made by the tests' generators and by short runs of
// the demo game.
#include <cstdio>
#include <string>

#include "fuzz_game.h"
#include "scratch_folder.h"
#include "seed_writer.h"

namespace orvane::fuzz {

void SeedWriter::Add(std::string_view target, std::string_view name, std::string_view bytes) {
    const std::filesystem::path folder = corpus_ / target;
    std::filesystem::create_directories(folder);
    WriteWholeFile(folder / name, bytes);
    ++written_;
}

}  // namespace orvane::fuzz

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: fuzz_seeds CORPUS\n");
        return 2;
    }
    std::string error;
    if (!orvane::fuzz::WriteGameCache(error)) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.c_str());
        return 1;
    }
    orvane::fuzz::SeedWriter seeds(argv[1]);
    orvane::fuzz::WriteFileSeeds(seeds);
    orvane::fuzz::WriteGameSeeds(seeds);
    orvane::fuzz::WriteListSeeds(seeds);
    std::printf("fuzz_seeds: %d seeds in %s\n", seeds.written(), argv[1]);
    return 0;
}
