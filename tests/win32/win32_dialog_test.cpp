// Dialogs on a real (virtual) display: geometry in dialog units, the list
// box's own order, and the keyboard rules of the modal loop. Keys are posted
// to the dialog's queue, where its loop meets them as it meets typed ones.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/dialog.h"

namespace korvane {
namespace {

using platform::ControlKind;
using platform::ControlLayout;
using platform::WindowHandle;

constexpr UINT kGiveUpMs = 5000;
constexpr int kListId = 502;
constexpr int kOtherId = 3;
constexpr int kTimedOut = -1;

std::vector<int> clicks;
WindowHandle shown = platform::kNoWindow;

int record_click(WindowHandle window, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    if (platform::is_button_click(message, wparam)) {
        clicks.push_back(static_cast<int>(wparam & 0xFFFF));
        platform::end_dialog(window, 1);
    }
    return 1;
}

// Ends a dialog that the keys failed to end, so that the test fails instead of hanging.
void CALLBACK give_up(HWND, UINT, UINT_PTR, DWORD) {
    clicks.push_back(kTimedOut);
    platform::end_dialog(shown, 0);
}

const ControlLayout kList{kListId,
                          ControlKind::list_box,
                          "",
                          100,
                          25,
                          300,
                          175,
                          platform::kSorted | platform::kVerticalScroll | platform::kTabStop |
                              platform::kNotify | platform::kClientEdge,
                          nullptr};

ControlLayout button(int id, const char* text, int x) {
    return {id, ControlKind::push_button, text, x, 225, 50, 20, platform::kTabStop, record_click};
}

class Win32DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clicks.clear();
        window_ = shown = platform::create_dialog("Dialog test", 500, 350);
        ASSERT_NE(window_, platform::kNoWindow) << "no X server? run under wine-env.sh";
    }

    void TearDown() override {
        if (IsWindow(dialog())) {
            DestroyWindow(dialog());
        }
    }

    HWND dialog() const { return reinterpret_cast<HWND>(window_); }
    HWND control(int id) const { return GetDlgItem(dialog(), id); }

    void add(std::initializer_list<ControlLayout> controls) {
        for (const auto& layout : controls) {
            platform::add_control(window_, layout);
        }
    }

    // Where `id` lies in the dialog's client area, in pixels.
    RECT placement(int id) const {
        RECT area{};
        GetWindowRect(control(id), &area);
        MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&area), 2);
        return area;
    }

    RECT mapped(int x, int y, int width, int height) const {
        RECT area{x, y, x + width, y + height};
        MapDialogRect(dialog(), &area);
        return area;
    }

    void post_key(int id, UINT message, WPARAM key, LPARAM flags = 1) const {
        PostMessageA(control(id), message, key, flags);
    }

    void run() {
        const UINT_PTR timer = SetTimer(nullptr, 0, kGiveUpMs, give_up);
        platform::run_modal(window_);
        KillTimer(nullptr, timer);
    }

    WindowHandle window_ = platform::kNoWindow;
};

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(Win32DialogTest, SizesFollowTheDialogUnitsOfItsFont) {
    add({kList, button(1, "&Go", 175)});
    RECT client{};
    GetClientRect(dialog(), &client);
    EXPECT_TRUE(same(client, mapped(0, 0, 500, 350)));
    // A list box trims its height to whole lines, as it does on Windows.
    const RECT list = placement(kListId);
    const RECT list_units = mapped(100, 25, 300, 175);
    const auto line_height = SendMessageA(control(kListId), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_TRUE(same(list, {list_units.left, list_units.top, list_units.right, list.bottom}));
    EXPECT_LE(list.bottom, list_units.bottom);
    EXPECT_GT(list.bottom, list_units.bottom - line_height);
    EXPECT_TRUE(same(placement(1), mapped(175, 225, 50, 20)));
    const auto font = SendMessageA(dialog(), WM_GETFONT, 0, 0);
    EXPECT_NE(font, 0);
    EXPECT_EQ(SendMessageA(control(1), WM_GETFONT, 0, 0), font);
    EXPECT_EQ(SendMessageA(control(kListId), WM_GETFONT, 0, 0), font);
}

TEST_F(Win32DialogTest, ControlsGetTheWindowStylesOfTheirKind) {
    const ControlLayout panel{301,
                              ControlKind::edit,
                              "",
                              50,
                              25,
                              400,
                              125,
                              platform::kTabStop | platform::kReadOnly | platform::kMultiLine |
                                  platform::kCentered | platform::kStaticEdge,
                              nullptr};
    add({kList, button(1, "&Go", 175), panel});
    const auto style = [this](int id) { return GetWindowLongA(control(id), GWL_STYLE); };
    const auto extended = [this](int id) { return GetWindowLongA(control(id), GWL_EXSTYLE); };
    // WS_VSCROLL comes and goes with the need for a scroll bar.
    constexpr LONG kListStyle = LBS_SORT | LBS_NOTIFY | WS_TABSTOP;
    constexpr LONG kPanelStyle = ES_READONLY | ES_MULTILINE | ES_CENTER | WS_TABSTOP;
    EXPECT_EQ(style(kListId) & kListStyle, kListStyle);
    EXPECT_TRUE(extended(kListId) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(style(1) & (BS_TYPEMASK | WS_TABSTOP), BS_PUSHBUTTON | WS_TABSTOP);
    EXPECT_EQ(style(301) & kPanelStyle, kPanelStyle);
    EXPECT_TRUE(extended(301) & WS_EX_STATICEDGE);
}

TEST_F(Win32DialogTest, ListBoxKeepsItsLinesInCaseInsensitiveOrder) {
    add({kList});
    for (const char* line : {"notes.TXT", "..", "Beta", "alpha", "ZED.bat"}) {
        platform::add_list_line(window_, kListId, line);
    }
    std::vector<std::string> lines;
    const auto count = SendMessageA(control(kListId), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char line[64] = {};
        SendMessageA(control(kListId), LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"..", "alpha", "Beta", "notes.TXT", "ZED.bat"}));

    EXPECT_EQ(platform::selected_list_line(window_, kListId), "");
    SendMessageA(control(kListId), LB_SETCURSEL, 3, 0);
    EXPECT_EQ(platform::selected_list_line(window_, kListId), "notes.TXT");
    platform::clear_list(window_, kListId);
    EXPECT_EQ(SendMessageA(control(kListId), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(platform::selected_list_line(window_, kListId), "");
}

TEST_F(Win32DialogTest, EnterClicksTheFocusedPushButton) {
    add({button(kOtherId, "&Other", 75), button(1, "&Go", 175), button(2, "Q&uit", 275)});
    post_key(kOtherId, WM_KEYDOWN, VK_RETURN);
    run();
    EXPECT_EQ(clicks, std::vector<int>{kOtherId});
    EXPECT_FALSE(IsWindow(dialog()));
}

TEST_F(Win32DialogTest, EnterElsewhereClicksControlOne) {
    add({kList, button(1, "&Go", 175), button(2, "Q&uit", 275)});
    post_key(kListId, WM_KEYDOWN, VK_RETURN);
    run();
    EXPECT_EQ(clicks, std::vector<int>{1});
}

TEST_F(Win32DialogTest, EscapeClicksControlTwo) {
    add({kList, button(1, "&Go", 175), button(2, "Q&uit", 275)});
    post_key(kListId, WM_KEYDOWN, VK_ESCAPE);
    run();
    EXPECT_EQ(clicks, std::vector<int>{2});
}

TEST_F(Win32DialogTest, AccessKeyClicksItsButton) {
    add({kList, button(1, "&Go", 175), button(2, "Q&uit", 275)});
    constexpr LPARAM kAltDown = 1 << 29;
    post_key(kListId, WM_SYSCHAR, 'u', 1 | kAltDown);
    run();
    EXPECT_EQ(clicks, std::vector<int>{2});
}

// Without controls 1 and 2 the keys do nothing; a close request still ends the dialog.
TEST_F(Win32DialogTest, EnterAndEscapeNeedTheirControls) {
    add({kList, button(kOtherId, "&Other", 75)});
    post_key(kListId, WM_KEYDOWN, VK_RETURN);
    post_key(kListId, WM_KEYDOWN, VK_ESCAPE);
    PostMessageA(dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    run();
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(IsWindow(dialog()));
}

}  // namespace
}  // namespace korvane
