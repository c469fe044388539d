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

// Writes the silence owed, then `count` frames of little-endian samples, and
// returns once they are queued, that is within the stream's buffer of what is heard.
void write_frames(const std::uint8_t* frames, std::size_t count);

// Owes the stream `count` frames of silence, written before the next sound;
// returns at once. Silence that no sound follows in its send is never written.
void owe_silence(std::size_t count);

}  // namespace korvane::alsa
