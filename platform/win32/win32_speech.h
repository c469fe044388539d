#pragma once
// What a screen reader is told beyond what it reads of the controls: see win32_speech.cpp.

#include <windows.h>

#include <string>

namespace korvane::win32 {

// The name a screen reader gives `control`.
void name_control(HWND control, const std::string& name);

// Line `index` of `list`, just added, is spoken as `spoken`.
void speak_line_as(HWND list, LRESULT index, const std::string& spoken);

// `list` has been emptied: its lines are spoken as they read again.
void forget_lines(HWND list);

// `dialog` is gone: what was kept for it and its controls goes too.
void forget_dialog(HWND dialog);

// A click handler starts: what it changes is told once its send has been heard.
void hold_speech();

// Spoken once the send of the click handler under way has been heard; outside a click, nothing.
void speak_after_send(HWND control, const std::string& text);

// The caption of `dialog`, which the click handler under way set, is told after its send.
void caption_after_send(HWND dialog);

// A list that the click handler under way empties: its first line takes the focus after the send.
void refocus_after_send(HWND list);

// The send has been heard: the caption, the lists refilled and what was held are told.
void release_speech();

}  // namespace korvane::win32
