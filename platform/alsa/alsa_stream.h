#pragma once
// The one ALSA playback stream that sound and sleep share: 44,100 Hz, signed
// 16-bit little-endian mono, on the `default` device.

#include <cstddef>
#include <cstdint>

namespace korvane::alsa {

// Opens the stream unless it is open; returns whether it is. A device that could
// not be opened is never tried again: the program then runs silently. The
// stream is closed again when a send ends (platform::end_send).
bool open_stream();

// Writes `count` frames of little-endian samples and returns once they are
// queued, that is within the stream's small buffer of what is heard.
void write_frames(const std::uint8_t* frames, std::size_t count);

// Writes `count` frames of silence, returning as write_frames does.
void write_silence(std::size_t count);

}  // namespace korvane::alsa
