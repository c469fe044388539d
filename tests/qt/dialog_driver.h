#pragma once
// Drives a real Qt dialog from inside its modal run, and records the clicks
// its controls deliver.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/dialog.h"
#include "platform/qt/qt_dialog_window.h"

namespace korvane::testing {

struct Click {
    platform::WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wparam;
    std::intptr_t lparam;
};

// Every call of record_click since the last clear_clicks, in order.
std::vector<Click>& recorded_clicks();
void clear_clicks();
int record_click(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                 std::intptr_t lparam);

// The control ids of the recorded clicks, in order.
std::vector<int> clicked_ids();

// Runs `window` modally and calls `script` once it is shown and active; the
// dialog is ended afterwards if the script left it open, so a failing script
// cannot hang the test.
void run_modal_with(platform::WindowHandle window,
                    const std::function<void(qt::DialogWindow& dialog)>& script);

// The focused control's id; 0 when no control has the focus.
int focused_id(const qt::DialogWindow& dialog);

}  // namespace korvane::testing
