#include "host/event_record.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane {
namespace {

// As large as the event files the headless driver reads. It sits in zero-filled static memory,
// so that the pages a short run never touches take no memory.
constexpr size_t kCapacity = 16 << 20;
char gText[kCapacity];
std::atomic<size_t> gLength{0};

constexpr size_t kPathCapacity = 4096;
char gFile[kPathCapacity];
char gTempFile[kPathCapacity];

void CopyPath(char* into, std::string_view from, std::string_view suffix) {
    const size_t room = kPathCapacity - 1;
    const size_t first = from.size() < room ? from.size() : room;
    std::memcpy(into, from.data(), first);
    const size_t second = suffix.size() < room - first ? suffix.size() : room - first;
    std::memcpy(into + first, suffix.data(), second);
    into[first + second] = '\0';
}

}  // namespace

void EventRecord::SetFile(std::string_view file) {
    CopyPath(gFile, file, "");
    CopyPath(gTempFile, file, ".tmp");
}

void EventRecord::Restart(std::string_view header) {
    gLength.store(0);
    Append(header.substr(0, header.empty() || header.back() != '\n' ? header.size()
                                                                    : header.size() - 1));
}

bool EventRecord::Append(std::string_view line) {
    const size_t length = gLength.load();
    if (line.size() + 1 > kCapacity - length) return false;
    std::memcpy(gText + length, line.data(), line.size());
    gText[length + line.size()] = '\n';
    // The length moves only once the bytes are in place: a handler never writes half a line.
    gLength.store(length + line.size() + 1);
    return true;
}

bool EventRecord::Write() {
    if (gFile[0] == '\0') return false;
    const int fd = open(gTempFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const size_t length = gLength.load();
    size_t done = 0;
    while (done < length) {
        const ssize_t wrote = write(fd, gText + done, length - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) break;
        done += static_cast<size_t>(wrote);
    }
    const bool complete = done == length && fsync(fd) == 0;
    if (close(fd) != 0 || !complete || rename(gTempFile, gFile) != 0) {
        unlink(gTempFile);
        return false;
    }
    return true;
}

const char* EventRecord::file() { return gFile; }

}  // namespace orvane
