#pragma once
// Sound: plays one element image.
//
// A send is every play and pause from the start of a click handler's run (or of
// the farewell at exit) until the windows backend ends it, once the send's last
// element has been heard. The windows service stops a send on Escape.

#include <cstdint>

namespace korvane::platform {

// Plays a 44,100 Hz 16-bit mono PCM RIFF/WAVE image from memory, given its
// first byte, and returns when it has finished, or (where a stream carries the
// timing) once it is queued. A failure is silent.
void play_wave_image(const std::uint8_t* image);

// Stops the send under way: what is queued for the device is dropped, and every
// further play returns at once until the send's end. The pauses asked for after
// the stop are still owed: a send that starts sooner begins with what is left
// of them, counted from the stop. Outside a send it does nothing.
void stop_send();

// Whether the send under way was stopped.
bool send_stopped();

}  // namespace korvane::platform
