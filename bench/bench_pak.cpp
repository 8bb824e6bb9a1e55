// Finding one entry among thousands: the reader with its index by name, against the scan of the
// whole directory that the original engine made on every read.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "base/decimal.h"
#include "base/text.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 5000;

std::string EntryName(int index) {
    return "Picture_" + PadDecimal(index, 5) + ".jpg";
}

// One archive for the whole run, in a folder of its own that is removed at exit.
class BenchArchive {
public:
    static const fs::path& Path() {
        static BenchArchive archive;
        return archive.path_;
    }

private:
    BenchArchive() {
        std::string folder = (fs::temp_directory_path() / "orvane-bench-XXXXXX").string();
        if (!mkdtemp(folder.data())) std::abort();
        folder_ = folder;
        path_ = folder_ / "bench.pak";
        std::vector<PakSource> sources;
        for (int i = 0; i < kEntries; ++i) {
            sources.push_back({EntryName(i), {}, std::string(256, static_cast<char>(i))});
        }
        std::string error;
        if (!WritePak(sources, path_, error)) {
            std::fprintf(stderr, "cannot create the archive: %s\n", error.c_str());
            std::abort();
        }
    }
    ~BenchArchive() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    fs::path folder_;
    fs::path path_;
};

// The original's read: open the archive, read every directory field on its own, lower-case each
// name until one matches, then read the rest of the directory field by field to learn where the
// data begins, seek there and read the entry.
std::optional<std::string> ScanDirectoryAndRead(const fs::path& archive, std::string_view name) {
    FILE* file = std::fopen(archive.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string field;
    const auto readField = [&](size_t width) {
        field.resize(width);
        return width == 0 || std::fread(field.data(), 1, width, file) == width;
    };
    const auto readNumber = [&](size_t width, int32_t& value) {
        if (!readField(width)) return false;
        const std::optional<int32_t> parsed = ParseDecimal(field);
        if (parsed) value = *parsed;
        return parsed.has_value();
    };
    const std::string wanted = LowerCaseCp1251(name);
    std::optional<std::string> result;
    int32_t count = 0;
    bool found = false;
    int32_t size = 0;
    int32_t offset = 0;
    bool ok = readNumber(4, count);
    for (int32_t i = 0; ok && i < count; ++i) {
        int32_t nameLength = 0;
        int32_t entrySize = 0;
        int32_t entryOffset = 0;
        ok = readNumber(4, nameLength) && nameLength >= 0 && readField(nameLength);
        const bool match = ok && !found && LowerCaseCp1251(field) == wanted;
        ok = ok && readNumber(10, entrySize) && readNumber(10, entryOffset);
        if (ok && match) {
            found = true;
            size = entrySize;
            offset = entryOffset;
        }
    }
    if (ok && found && std::fseek(file, offset, SEEK_CUR) == 0) {
        std::string bytes(static_cast<size_t>(size), '\0');
        if (size == 0 || std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size()) {
            result = std::move(bytes);
        }
    }
    std::fclose(file);
    return result;
}

void BM_IndexedRead(benchmark::State& state, int index) {
    const fs::path& archive = BenchArchive::Path();
    const std::string name = EntryName(index);
    ReadPakBytes(archive, name);  // the directory is parsed once, on the first read
    for (auto _ : state) {
        PakRead read = ReadPakBytes(archive, name);
        if (read.status != PakStatus::Found) state.SkipWithError("entry not found");
        benchmark::DoNotOptimize(read.bytes.data());
    }
}

// The first read after the archive changed, when the whole directory is parsed again.
void BM_IndexedReadAfterChange(benchmark::State& state, int index) {
    const fs::path& archive = BenchArchive::Path();
    const std::string name = EntryName(index);
    for (auto _ : state) {
        ForgetPakIndexes();
        PakRead read = ReadPakBytes(archive, name);
        if (read.status != PakStatus::Found) state.SkipWithError("entry not found");
        benchmark::DoNotOptimize(read.bytes.data());
    }
}

void BM_DirectoryScan(benchmark::State& state, int index) {
    const fs::path& archive = BenchArchive::Path();
    const std::string name = EntryName(index);
    for (auto _ : state) {
        std::optional<std::string> bytes = ScanDirectoryAndRead(archive, name);
        if (!bytes) state.SkipWithError("entry not found");
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK_CAPTURE(BM_IndexedRead, first, 0);
BENCHMARK_CAPTURE(BM_IndexedRead, middle, kEntries / 2);
BENCHMARK_CAPTURE(BM_IndexedRead, last, kEntries - 1);
BENCHMARK_CAPTURE(BM_DirectoryScan, first, 0);
BENCHMARK_CAPTURE(BM_DirectoryScan, middle, kEntries / 2);
BENCHMARK_CAPTURE(BM_DirectoryScan, last, kEntries - 1);
BENCHMARK_CAPTURE(BM_IndexedReadAfterChange, last, kEntries - 1);

}  // namespace
}  // namespace orvane
