#pragma once
// Sending a practice file: which bytes are heard, and how.

#include <string>

namespace korvane {

// Sends the file at `path` one character at a time; a file that cannot be read sends nothing.
void send_file_bytes(const std::string& path);

// Gives one byte of a file to the sender: sets send_text and sends it when it is sendable.
// `first` marks the file's first byte, whose blank is never folded into the one before it.
void send_file_byte(unsigned char byte, bool first);

}  // namespace korvane
