#include <gtest/gtest.h>

#include <QTest>

#include "tests/qt/dialog_driver.h"

namespace korvane::testing {
namespace {

using platform::ControlKind;
using platform::ControlLayout;

constexpr unsigned kBox = platform::kTabStop | platform::kReadOnly | platform::kStaticEdge;

platform::WindowHandle make_dialog(std::initializer_list<ControlLayout> controls) {
    clear_clicks();
    const auto window = platform::create_dialog("Keys", 500, 350);
    for (const auto& control : controls) {
        platform::add_control(window, control);
    }
    return window;
}

ControlLayout button(int id, const char* caption, int x) {
    return {id, ControlKind::push_button, caption,     x, 225, 50,
            20, platform::kTabStop,       record_click};
}

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, key, modifiers);
}

TEST(DialogKeysTest, EnterClicksTheFocusedButtonElseControl1AndEscapeClicksControl2) {
    const auto window = make_dialog({
        {501, ControlKind::list_box, "", 100, 25, 300, 175, platform::kTabStop, nullptr},
        button(1, "&Go", 50),
        button(2, "Q&uit", 150),
        button(7, "&Other", 250),
        {301, ControlKind::edit, "", 50, 260, 300, 20, kBox, nullptr},
    });
    run_modal_with(window, [](qt::DialogWindow& dialog) {
        ASSERT_EQ(focused_id(dialog), 501);
        press(dialog.focusWidget(), Qt::Key_Return);
        dialog.control(301)->setFocus();
        press(dialog.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        dialog.control(7)->setFocus();
        press(dialog.focusWidget(), Qt::Key_Return);
        press(dialog.focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_EQ(clicked_ids(), (std::vector<int>{1, 1, 7, 2}));
    for (const Click& click : recorded_clicks()) {
        EXPECT_EQ(click.window, window);
        EXPECT_EQ(click.message, 0x111u);
        EXPECT_EQ(click.wparam >> 16, 0u);
        EXPECT_EQ(click.lparam, 0);
    }
}

TEST(DialogKeysTest, WithoutControls1And2OnlyAFocusedButtonAnswersAKey) {
    const auto window = make_dialog({
        {401, ControlKind::label, "Speed", 40, 175, 30, 15, 0, nullptr},
        {302, ControlKind::edit, " 10 wpm", 200, 175, 60, 20, kBox, nullptr},
        button(201, "&Slower", 80),
    });
    run_modal_with(window, [](qt::DialogWindow& dialog) {
        ASSERT_EQ(focused_id(dialog), 302);
        press(dialog.focusWidget(), Qt::Key_Return);
        press(dialog.focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        dialog.control(201)->setFocus();
        press(dialog.focusWidget(), Qt::Key_Escape);
        press(dialog.focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_EQ(clicked_ids(), std::vector<int>{201});
}

TEST(DialogKeysTest, AltAndTheMarkedLetterClicksTheButton) {
    const auto window = make_dialog({button(201, "&Slower", 80), button(202, "&Faster", 140)});
    run_modal_with(window, [](qt::DialogWindow& dialog) {
        press(&dialog, Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return recorded_clicks().size() == 1; }));
        press(&dialog, Qt::Key_F, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return recorded_clicks().size() == 2; }));
    });
    EXPECT_EQ(clicked_ids(), (std::vector<int>{201, 202}));
}

}  // namespace
}  // namespace korvane::testing
