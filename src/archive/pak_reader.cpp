#include "archive/pak_reader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "base/decimal.h"
#include "base/text.h"

namespace orvane {
namespace {

// What tells us that an archive file changed since its directory was parsed.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct PakIndex {
    FileIdentity identity;
    std::vector<PakEntry> entries;
    int64_t dataStart = 0;
    std::unordered_map<std::string, size_t> firstByLowerName;
    std::string error;  // set when the directory is broken
};

class FileCloser {
public:
    explicit FileCloser(FILE* f) : f_(f) {}
    ~FileCloser() {
        if (f_) std::fclose(f_);
    }
    FILE* get() const { return f_; }

private:
    FILE* f_;
};

bool Identify(const std::filesystem::path& path, FileIdentity& id, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = "cannot open archive " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "archive " + path.string() + " is not a file";
        return false;
    }
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

// Reads the directory field by field, as the format is defined, checking every number.
class DirectoryParser {
public:
    DirectoryParser(FILE* file, int64_t fileSize, const std::string& archiveName)
        : file_(file), fileSize_(fileSize), archive_(archiveName) {}

    bool Parse(PakIndex& index) {
        int32_t count = 0;
        if (!ReadNumber(kPakCountWidth, "entry count", count)) return false;
        if (count < 0) return Fail("entry count " + std::to_string(count) + " is negative");
        // Every entry needs at least 24 directory bytes: a count that cannot fit is a lie.
        if (int64_t{count} * 24 > fileSize_ - position_) {
            return Fail("entry count " + std::to_string(count) + " does not fit in the file");
        }
        index.entries.reserve(static_cast<size_t>(count));
        for (entry_ = 1; entry_ <= count; ++entry_) {
            int32_t nameLength = 0;
            if (!ReadNumber(kPakNameLengthWidth, "name length", nameLength)) return false;
            if (nameLength < 0) return Fail("negative name length");
            std::string name;
            if (!ReadBytes(static_cast<size_t>(nameLength), "name", name)) return false;
            if (const size_t zero = name.find('\0'); zero != std::string::npos) name.resize(zero);
            int32_t size = 0;
            int32_t offset = 0;
            if (!ReadNumber(kPakNumberWidth, "size", size)) return false;
            if (!ReadNumber(kPakNumberWidth, "offset", offset)) return false;
            if (size < 0 || offset < 0) {
                return Fail("negative size or offset (" + Cp1251ToUtf8(name) + ")");
            }
            index.entries.push_back(PakEntry{std::move(name), size, offset});
        }
        index.dataStart = position_;
        return true;
    }

    const std::string& error() const { return error_; }

private:
    // Messages are built only on failure: the directory of a large archive has many fields.
    bool Fail(const std::string& what) {
        error_ = "archive " + archive_ + " is damaged: ";
        if (entry_ > 0) error_ += "entry " + std::to_string(entry_) + ": ";
        error_ += what;
        return false;
    }

    bool ReadBytes(size_t n, const char* what, std::string& out) {
        if (static_cast<int64_t>(n) > fileSize_ - position_) {
            return Fail(std::string(what) + " runs past the end of the file");
        }
        out.resize(n);
        if (n > 0 && std::fread(out.data(), 1, n, file_) != n) {
            return Fail(std::string(what) + " cannot be read");
        }
        position_ += static_cast<int64_t>(n);
        return true;
    }

    bool ReadNumber(int width, const char* what, int32_t& value) {
        std::string field;
        if (!ReadBytes(static_cast<size_t>(width), what, field)) return false;
        const std::optional<int32_t> parsed = ParseDecimal(field);
        if (!parsed) {
            return Fail(std::string(what) + " \"" + Cp1251ToUtf8(field) + "\" is not a number");
        }
        value = *parsed;
        return true;
    }

    FILE* file_;
    int64_t fileSize_;
    std::string archive_;
    int64_t position_ = 0;
    int32_t entry_ = 0;  // the entry being read, 1-based; 0 while reading the count
    std::string error_;
};

class PakIndexCache {
public:
    // The index of `archive`, parsed again when the file changed. Null with `error` when the
    // file cannot be opened; an index with its own error when the directory is broken.
    std::shared_ptr<const PakIndex> Get(const std::filesystem::path& archive, std::string& error) {
        FileIdentity identity;
        if (!Identify(archive, identity, error)) return nullptr;
        const std::string key = std::filesystem::absolute(archive).lexically_normal().string();
        {
            std::lock_guard lock(mutex_);
            auto it = indexes_.find(key);
            if (it != indexes_.end() && it->second->identity == identity) return it->second;
        }
        auto index = std::make_shared<PakIndex>();
        index->identity = identity;
        FileCloser file(std::fopen(archive.c_str(), "rb"));
        if (!file.get()) {
            error = "cannot open archive " + archive.string() + ": " + std::strerror(errno);
            return nullptr;
        }
        DirectoryParser parser(file.get(), identity.size, archive.string());
        if (parser.Parse(*index)) {
            for (size_t i = 0; i < index->entries.size(); ++i) {
                index->firstByLowerName.emplace(LowerCaseCp1251(index->entries[i].name), i);
            }
        } else {
            index->error = parser.error();
        }
        std::lock_guard lock(mutex_);
        indexes_[key] = index;
        return index;
    }

    void Clear() {
        std::lock_guard lock(mutex_);
        indexes_.clear();
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const PakIndex>> indexes_;
};

PakIndexCache& Cache() {
    static PakIndexCache cache;
    return cache;
}

}  // namespace

PakRead ReadPakBytes(const std::filesystem::path& archive, std::string_view name) {
    PakRead result;
    std::shared_ptr<const PakIndex> index = Cache().Get(archive, result.error);
    if (!index || !index->error.empty()) {
        if (index) result.error = index->error;
        result.status = PakStatus::Broken;
        return result;
    }
    auto it = index->firstByLowerName.find(LowerCaseCp1251(name));
    if (it == index->firstByLowerName.end()) {
        result.status = PakStatus::Missing;
        return result;
    }
    const PakEntry& entry = index->entries[it->second];
    const int64_t start = index->dataStart + entry.offset;
    if (start + entry.size > static_cast<int64_t>(index->identity.size)) {
        result.status = PakStatus::Broken;
        result.error = "entry " + Cp1251ToUtf8(entry.name) + " of archive " + archive.string() +
                       " lies past the end of the file";
        return result;
    }
    FileCloser file(std::fopen(archive.c_str(), "rb"));
    std::string bytes(static_cast<size_t>(entry.size), '\0');
    if (!file.get() || std::fseek(file.get(), static_cast<long>(start), SEEK_SET) != 0 ||
        (entry.size > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())) {
        result.status = PakStatus::Broken;
        result.error = "cannot read entry " + Cp1251ToUtf8(entry.name) + " of archive " +
                       archive.string();
        return result;
    }
    result.status = PakStatus::Found;
    result.bytes = std::move(bytes);
    return result;
}

bool ListPakEntries(const std::filesystem::path& archive, std::vector<PakEntry>& entries,
                    std::string& error) {
    std::shared_ptr<const PakIndex> index = Cache().Get(archive, error);
    if (!index) return false;
    if (!index->error.empty()) {
        error = index->error;
        return false;
    }
    entries = index->entries;
    return true;
}

void ForgetPakIndexes() { Cache().Clear(); }

}  // namespace orvane
