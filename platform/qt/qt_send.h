#pragma once
// A send's waits keep the Qt windows alive: see qt_send.cpp.

namespace korvane::qt {

// A click handler has returned, and with it any send it made: plays and pauses
// sound again, what the handler changed is told to a screen reader, and the
// input held back during the send is delivered in order.
void finish_send();

}  // namespace korvane::qt
