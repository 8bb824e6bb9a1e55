#include "audio/wave_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "base/files.h"

namespace orvane {

bool WaveFile::Open(const std::filesystem::path& path, std::string& error) {
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = path.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path.string() + ": not a regular file";
        ::close(fd);
        return false;
    }
    const auto size = static_cast<size_t>(info.st_size);
    if (size == 0 || size > kMaxFileBytes) {
        error = path.string() + (size == 0 ? ": the file is empty" : ": the file is too large");
        ::close(fd);
        return false;
    }
    void* view = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int mapError = errno;
    // The mapping keeps the data; the descriptor is not needed any more.
    ::close(fd);
    if (view == MAP_FAILED) {
        error = path.string() + ": " + std::strerror(mapError);
        return false;
    }
    const std::string_view bytes(static_cast<const char*>(view), size);
    WaveLayout layout;
    if (!ParseWave(bytes, layout, error)) {
        error = path.string() + ": " + error;
        ::munmap(view, size);
        return false;
    }
    view_ = static_cast<const uint8_t*>(view);
    viewSize_ = size;
    layout_ = std::move(layout);
    position_ = 0;
    return true;
}

void WaveFile::Close() {
    if (view_) ::munmap(const_cast<uint8_t*>(view_), viewSize_);
    view_ = nullptr;
    viewSize_ = 0;
    layout_ = WaveLayout{};
    position_ = 0;
}

size_t WaveFile::Read(uint8_t* dest, size_t length) {
    if (length == 0) return 0;
    const size_t left = view_ ? layout_.dataSize - position_ : 0;
    const size_t copied = std::min(length, left);
    if (copied > 0) std::memcpy(dest, view_ + layout_.dataOffset + position_, copied);
    const uint8_t silence = layout_.format.bitsPerSample == 8 ? 128 : 0;
    std::memset(dest + copied, silence, length - copied);
    position_ += copied;
    return copied;
}

int TrackLengthMs(const PcmFormat& format, size_t dataBytes) {
    const int blockAlign = format.BlockAlign();
    if (blockAlign <= 0 || format.sampleRate <= 0) return 0;
    const uint64_t frames = dataBytes / static_cast<size_t>(blockAlign);
    const uint64_t rate = static_cast<uint64_t>(format.sampleRate);
    const uint64_t ms = (frames * 1000 + rate - 1) / rate;
    return static_cast<int>(std::min<uint64_t>(ms, INT_MAX));
}

}  // namespace orvane
