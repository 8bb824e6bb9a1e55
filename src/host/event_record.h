// The events a random-play run sends, kept as the text of an event file in a buffer that is
// never reallocated, so that a crash handler can write it out without taking a lock or memory.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvane {

class EventRecord {
public:
    // `file` is where Write puts the text; its temporary sibling is named here too, so that a
    // signal handler has nothing left to format.
    static void SetFile(std::string_view file);
    // Starts the text afresh with `header` (comment lines).
    static void Restart(std::string_view header);
    // Adds one line (without its line break). False when the buffer is full.
    static bool Append(std::string_view line);
    // Writes the text to the file: a temporary file renamed into place. Only system calls that
    // are safe in a signal handler. False when it could not be written.
    static bool Write();
    // The file as set, for messages.
    static const char* file();
};

}  // namespace orvane
