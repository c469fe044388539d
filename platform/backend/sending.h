#pragma once
// What the backends tell each other about a send, and nothing the program may
// call: the windows backend ends a send once its click handler has returned
// (and the entry point once the farewell has been sent), the sound device keeps
// the windows alive while it waits, and one rule says what becomes of the
// user's input meanwhile.

namespace korvane::platform {

// The send has ended: returns once its last element has been heard; plays and
// pauses sound again. The pause still owed after that element is not waited
// for, but a send that starts before its end begins with the rest of it.
void end_send();

// Called by the sound and sleep services while they wait during a send: the
// windows are painted and answer the desktop, and the user's input is dealt
// with as `during_send` says.
void keep_windows_alive();

// An event that reaches the windows while a send waits, as each backend sorts its own.
enum class SendEvent {
    escape,    // the Escape key pressed
    shortcut,  // a toolkit's question whether a key is a shortcut, asked before the key
    input,     // any other key, click or pointer move
    paint,     // painting what changed on screen
    desktop,   // anything else: the desktop's own messages, timers
};

enum class DuringSend {
    pass,    // handled at once
    refuse,  // answered and used up, so that an access key comes as a plain key press
    stop,    // stops the send (stop_send) and is used up
    hold,    // kept, and handled in order once the send has ended
};

// Painting is held while the end of a send waits for its last element
// (`ending`), so that what the click handler left on screen shows only once
// that element has been heard.
inline DuringSend during_send(SendEvent event, bool ending) {
    switch (event) {
        case SendEvent::escape:
            return DuringSend::stop;
        case SendEvent::shortcut:
            return DuringSend::refuse;
        case SendEvent::input:
            return DuringSend::hold;
        case SendEvent::paint:
            return ending ? DuringSend::hold : DuringSend::pass;
        case SendEvent::desktop:
            break;
    }
    return DuringSend::pass;
}

}  // namespace korvane::platform
