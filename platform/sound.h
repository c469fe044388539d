#pragma once
// Sound: plays one element image.
//
// A send is every play and pause from the start of a click handler's run (or of
// the farewell at exit) until the windows service calls end_send, which returns
// once the send's last element has been heard. The windows service stops a
// send on Escape.

#include <cstdint>

namespace korvane::platform {

// Plays a 44,100 Hz 16-bit mono PCM RIFF/WAVE image from memory, given its
// first byte, and returns when it has finished, or (where a stream carries the
// timing) once it is queued. A failure is silent.
void play_wave_image(const std::uint8_t* image);

// Stops the send under way: what is queued for the device is dropped, and every
// further play and pause returns at once until end_send. Outside a send it
// does nothing.
void stop_send();

// Whether the send under way was stopped.
bool send_stopped();

// The send has ended: returns once its last element has been heard; plays and
// pauses sound again. The pause still owed after that element is not waited
// for, but a send that starts before its end begins with the rest of it.
void end_send();

}  // namespace korvane::platform
