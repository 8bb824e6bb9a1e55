#include "archive/pak_writer.h"

#include <fstream>

#include "archive/pak_format.h"
#include "base/decimal.h"
#include "base/files.h"
#include "base/text.h"

namespace orvane {
namespace {

bool SourceSize(const PakSource& source, int64_t& size, std::string& error) {
    if (source.bytes) {
        size = static_cast<int64_t>(source.bytes->size());
        return true;
    }
    std::error_code ec;
    const uintmax_t bytes = std::filesystem::file_size(source.file, ec);
    if (ec) {
        error = "cannot read " + source.file.string() + ": " + ec.message();
        return false;
    }
    size = static_cast<int64_t>(bytes);
    return true;
}

bool CopySource(const PakSource& source, int64_t size, AtomicFileWriter& out, std::string& error) {
    if (source.bytes) return out.Write(*source.bytes, error);
    std::ifstream in(source.file, std::ios::binary);
    std::string chunk(size_t{1} << 20, '\0');
    int64_t copied = 0;
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        if (!out.Write(std::string_view(chunk.data(), static_cast<size_t>(got)), error)) {
            return false;
        }
        copied += got;
    }
    if (copied != size) {
        error = source.file.string() + " changed while it was being packed";
        return false;
    }
    return true;
}

}  // namespace

bool WritePak(const std::vector<PakSource>& sources, const std::filesystem::path& archive,
              std::string& error) {
    if (sources.size() > static_cast<size_t>(kPakMaxEntries)) {
        error = "an archive holds at most " + std::to_string(kPakMaxEntries) + " entries";
        return false;
    }
    std::vector<int64_t> sizes(sources.size());
    std::string directory = PadDecimal(sources.size(), kPakCountWidth);
    int64_t offset = 0;
    for (size_t i = 0; i < sources.size(); ++i) {
        const PakSource& source = sources[i];
        if (source.name.empty() || source.name.size() > static_cast<size_t>(kPakMaxNameLength) ||
            source.name.find('\0') != std::string::npos) {
            error = "entry name \"" + Cp1251ToUtf8(source.name) + "\" cannot be stored";
            return false;
        }
        if (!SourceSize(source, sizes[i], error)) return false;
        if (sizes[i] > kPakMaxDataBytes || offset > kPakMaxDataBytes - sizes[i]) {
            error = "the archive would pass 2 GiB at " + Cp1251ToUtf8(source.name);
            return false;
        }
        directory += PadDecimal(source.name.size(), kPakNameLengthWidth);
        directory += source.name;
        directory += PadDecimal(static_cast<uint64_t>(sizes[i]), kPakNumberWidth);
        directory += PadDecimal(static_cast<uint64_t>(offset), kPakNumberWidth);
        offset += sizes[i];
    }
    AtomicFileWriter out;
    if (!out.Open(archive, error) || !out.Write(directory, error)) return false;
    for (size_t i = 0; i < sources.size(); ++i) {
        if (!CopySource(sources[i], sizes[i], out, error)) return false;
    }
    return out.Commit(error);
}

bool WritePakArchive(const std::vector<std::string>& fileList, const std::filesystem::path& baseDir,
                     const std::filesystem::path& archive, std::string& error) {
    std::vector<PakSource> sources;
    for (const std::string& name : fileList) {
        std::optional<std::filesystem::path> file = FindLooseFile(baseDir, name);
        if (!file) {
            error = "cannot open " + Cp1251ToUtf8(name) + " to pack it";
            return false;
        }
        sources.push_back(PakSource{name, *file, std::nullopt});
    }
    return WritePak(sources, archive, error);
}

}  // namespace orvane
