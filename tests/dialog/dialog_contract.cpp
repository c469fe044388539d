// The dialog contract that every windows backend keeps: Enter clicks the
// focused push button, else control 1; Escape clicks control 2 and ends
// nothing; a marked letter clicks its button with Alt from anywhere, and alone
// (with or without Shift, never with Ctrl) unless the focus takes typing, as a
// text or list box does; a sorted list keeps its lines in order and reports the
// selected one; a click that ends the dialog is its last, and a close request
// ends its run, stopping a send under way.

#include "tests/dialog/dialog_contract.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "platform/keyboard_rules.h"
#include "platform/sleep.h"
#include "platform/sound.h"

namespace korvane::testing {

using enum platform::ControlKind;
using platform::ControlLayout;
using platform::kCancelId;
using platform::kConfirmId;
using platform::kTabStop;

namespace {

constexpr int kOtherId = 7;
constexpr int kEndId = 9;

int record(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
           std::intptr_t) {
    static const std::map<std::uintptr_t, std::string> names{
        {kConfirmId, "Go"}, {kCancelId, "Quit"}, {kOtherId, "Other"}, {kEndId, "End"}};
    const std::string line = platform::selected_list_line(window, kListId);
    clicks.push_back(!platform::is_button_click(message, wparam)
                         ? "not a click"
                         : names.at(wparam & 0xFFFFu) + (line.empty() ? "" : " on " + line));
    if ((wparam & 0xFFFFu) == kEndId) {
        platform::end_dialog(window);
    }
    return 1;
}

// A 44,100 Hz 16-bit mono image of one sample.
const std::string kImage(
    "RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0\2\0\x10\0data\2\0\0\0"
    "\1\0",
    46);

// A send of a minute's pause before a sound, which notes whether it was stopped soon.
int send_a_minute(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    const auto start = std::chrono::steady_clock::now();
    platform::sleep_ms(60000);
    platform::play_wave_image(reinterpret_cast<const std::uint8_t*>(kImage.data()));
    const bool soon = std::chrono::steady_clock::now() - start < std::chrono::seconds(1);
    clicks.push_back(soon ? "Send, stopped" : "Send, heard whole");
    return 1;
}

}  // namespace

std::vector<std::string> clicks;

platform::WindowHandle make_dialog(const std::vector<ControlLayout>& controls) {
    const auto window = platform::create_dialog("Test", 300, 150);
    for (const auto& control : controls) {
        platform::add_control(window, control);
    }
    return window;
}

const ControlLayout go{kConfirmId, push_button, "&Go", 10, 100, 40, 14, kTabStop, record};
const ControlLayout quit{kCancelId, push_button, "&Quit", 60, 100, 40, 14, kTabStop, record};
const ControlLayout other{kOtherId, push_button, "&Other", 110, 100, 40, 14, kTabStop, record};
const ControlLayout end{kEndId, push_button, "&End", 160, 100, 40, 14, kTabStop, record};
const ControlLayout sender{8, push_button, "&Send", 10, 120, 40, 14, kTabStop, send_a_minute};
const ControlLayout box{kBoxId, edit, "", 130, 9, 61, 13, kTabStop | platform::kReadOnly, nullptr};
const ControlLayout list{kListId, list_box, "", 5, 5, 100, 80, kTabStop | platform::kSorted,
                         nullptr};

// The first control of a row has the focus; its keys are typed in turn.
TEST(DialogContract, KeysListsAndTheEnd) {
    const struct {
        const char* name;
        std::vector<ControlLayout> controls;
        std::vector<const char*> keys;
        std::vector<std::string> clicked;
        std::vector<const char*> lines = {};
    } rows[] = {
        {"Enter and Alt from a box",
         {box, go, other},
         {"Return", "Num+Enter", "Alt+O", "O"},
         {"Go", "Go", "Other"}},
        {"Enter on a focused button", {other, go}, {"Return", "Esc"}, {"Other"}},
        {"Escape ends nothing", {box, quit, other}, {"Return", "Esc", "Alt+O"}, {"Quit", "Other"}},
        {"a letter alone", {go, quit, other}, {"O", "Shift+O", "Ctrl+O"}, {"Other", "Other"}},
        {"a letter typed into a list",
         {list, go, other},
         {"Return", "O", "Alt+O"},
         {"Go", "Other"}},
        {"a sorted list",
         {list, go},
         {"Alt+G", "Down", "Home", "Alt+G", "Down", "Alt+G", "Down", "Alt+G"},
         {"Go", "Go on ..", "Go on A", "Go on b"},
         {"b", "..", "A", "c"}},
        {"a click that ends the dialog", {go, end}, {"Alt+E", "Alt+G"}, {"End"}},
        {"a close request during a send", {sender, go}, {"Alt+S"}, {"Send, stopped"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clicks.clear();
        const auto window = make_dialog(row.controls);
        for (const char* line : row.lines) {
            platform::add_list_line(window, kListId, line);
        }
        type_then_close(window, row.keys);
        platform::run_modal(window);
        EXPECT_EQ(clicks, row.clicked);
    }
}

}  // namespace korvane::testing
