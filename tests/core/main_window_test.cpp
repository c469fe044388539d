#include <gtest/gtest.h>

#include "app/app_values.h"
#include "app/main_window.h"
#include "morse/morse_values.h"
#include "platform/fake/fake.h"
#include "tests/support/program_state.h"

namespace korvane {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }

    // Shows the main window and runs `script` in it.
    static void show(const fake::DialogScript& script) {
        fake::script_next_dialog(script);
        show_main_window();
    }
};

TEST_F(MainWindowTest, ShowsTheCreditsAndTheCurrentValues) {
    show([](platform::WindowHandle window) {
        EXPECT_EQ(window, current_window);
        EXPECT_EQ(fake::dialog(window).caption, "Korvane");
        EXPECT_EQ(fake::dialog(window).width, 500);
        EXPECT_EQ(fake::dialog(window).height, 350);
        EXPECT_EQ(fake::text_of(window, 301), credits_text);
        EXPECT_EQ(fake::text_of(window, 302), " 10 wpm");
        EXPECT_EQ(fake::text_of(window, 303), " 1200 HZ");
        fake::request_close(window);
    });
    EXPECT_EQ(std::count(credits_text.begin(), credits_text.end(), '\n'), 3);
    EXPECT_EQ(credits_text.rfind("Korvane\r\n", 0), 0u);
}

TEST_F(MainWindowTest, ControlsComeInTabOrderWithTheirAccessKeys) {
    show([](platform::WindowHandle window) {
        std::vector<int> ids;
        std::string captions;
        for (const auto& c : fake::dialog(window).controls) {
            ids.push_back(c.layout.id);
            if (c.layout.kind == platform::ControlKind::push_button) {
                captions += std::string(c.layout.text) + "|";
            }
        }
        EXPECT_EQ(ids, (std::vector<int>{401, 201, 202, 302, 402, 203, 204, 303, 205, 206, 207, 209,
                                         210, 250, 301}));
        EXPECT_EQ(captions,
                  "&Slower|&Faster|&Lower|&Higher|&Random Code|&QSO Practice|Lear&n Code|F&ile|"
                  "H&elp|E&xit|");
        const auto& panel = fake::control(window, 301).layout;
        EXPECT_EQ(panel.style & platform::kCentered, platform::kCentered);
        EXPECT_EQ(panel.style & platform::kReadOnly, platform::kReadOnly);
        fake::request_close(window);
    });
}

TEST_F(MainWindowTest, EscapeAndEnterWithoutFocusDoNothing) {
    show([](platform::WindowHandle window) {
        fake::press_escape(window);
        fake::press_enter(window);
        EXPECT_FALSE(fake::dialog(window).ended);
        fake::focus(window, 207);
        fake::press_enter(window);
        EXPECT_TRUE(fake::dialog(window).ended);
    });
    EXPECT_EQ(window_mode, kLearnCode);
}

struct EndCase {
    int button;
    std::int32_t mode;
};

class EndingButtonsTest : public MainWindowTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndingButtonsTest, EndTheWindowWithTheirMode) {
    show([](platform::WindowHandle window) { fake::click(window, GetParam().button); });
    EXPECT_EQ(window_mode, GetParam().mode);
    EXPECT_EQ(fake::dialog(current_window).result, 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, EndingButtonsTest,
                         ::testing::Values(EndCase{207, kLearnCode}, EndCase{209, kCodeFromFile},
                                           EndCase{210, kHelpPage}, EndCase{250, kLeaveLoop}));

TEST_F(MainWindowTest, HandlersIgnoreAnythingButAClick) {
    show([](platform::WindowHandle window) {
        EXPECT_EQ(on_exit(window, platform::kWmCommand, (1u << 16) | 250u, 0), 1);
        EXPECT_EQ(on_help(window, 0x110, platform::click_wparam(210), 0), 1);
        EXPECT_FALSE(fake::dialog(window).ended);
        EXPECT_EQ(window_mode, kLeaveLoop);
        fake::request_close(window);
    });
    EXPECT_EQ(fake::dialog(current_window).result, 0);
}

}  // namespace
}  // namespace korvane
