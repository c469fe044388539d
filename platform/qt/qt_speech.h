#pragma once
// What a screen reader is told beyond what it reads of the controls: see qt_speech.cpp.

class QListWidget;
class QString;

namespace korvane::qt {

// A click handler starts: what it changes is told once its send has been heard.
void hold_speech();

// Spoken once the send of the click handler under way has been heard; outside a click, nothing.
void speak_after_send(const QString& text);

// A list that the click handler under way empties: its first line takes the focus after the send.
void refocus_after_send(QListWidget* list);

// The send has been heard: the lists refilled take their focus, and what was held is spoken.
void release_speech();

}  // namespace korvane::qt
