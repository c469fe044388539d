#include "practice/file_bytes.h"

#include <array>
#include <cstdint>

#include "morse/code_table.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "platform/files.h"
#include "platform/sound.h"

namespace korvane {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

// The characters of the code table, a to z and the blank are heard; every other
// byte is dropped, also those that the sender would fold onto a letter.
bool is_sendable(unsigned char ch) {
    return ch == ' ' || morse_slot(ch) != 0 || (ch >= 'a' && ch <= 'z');
}

}  // namespace

void send_file_byte(unsigned char byte, bool first) {
    // A blank after a blank (or after a carriage return) is not heard twice.
    if (!first && byte == ' ' && send_text == " ") {
        return;
    }
    send_text = std::string(1, static_cast<char>(byte));
    if (byte == '\r') {
        send_text = " ";
    }
    if (is_sendable(static_cast<unsigned char>(send_text[0]))) {
        send_morse();
    }
}

void send_file_bytes(const std::string& path) {
    // Read-only: a practice file is never created, changed or locked against others.
    const auto file = platform::open_file(path, platform::FileAccess::read_only);
    const std::uint64_t length = platform::file_length(file);
    std::array<std::uint8_t, kChunkBytes> chunk{};
    // A stopped send ends the reading too: the rest of a large file would keep
    // the window from answering while nothing more is heard.
    for (std::uint64_t offset = 0; offset < length && !platform::send_stopped();) {
        const std::size_t got = platform::read_file(file, offset, chunk.data(), chunk.size());
        if (got == 0) {
            break;
        }
        for (std::size_t i = 0; i < got && !platform::send_stopped(); ++i) {
            send_file_byte(chunk[i], offset + i == 0);
        }
        offset += got;
    }
    platform::close_file(file);
}

}  // namespace korvane
