#pragma once
// The Morse sender: turns send_text into timed elements.

namespace korvane {

// Sends send_text at the current speed and pitch; returns when the last pause has passed.
void send_morse();

}  // namespace korvane
