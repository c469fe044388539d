#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWindow>

#include "tests/qt/dialog_driver.h"

namespace korvane::testing {
namespace {

using platform::ControlKind;

constexpr int kExitId = 250;
constexpr int kBoxId = 302;

// Ends its dialog and then keeps writing to it, as the program's handlers may.
int end_then_write(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                   std::intptr_t lparam) {
    record_click(window, message, wparam, lparam);
    platform::end_dialog(window, 1);
    platform::set_control_text(window, kBoxId, "ended");
    return 1;
}

platform::WindowHandle make_dialog() {
    clear_clicks();
    const auto window = platform::create_dialog("Lifetime", 500, 350);
    platform::add_control(
        window, {kBoxId, ControlKind::edit, "", 200, 175, 60, 20, platform::kReadOnly, nullptr});
    platform::add_control(window, {kExitId, ControlKind::push_button, "E&xit", 380, 245, 50, 20,
                                   platform::kTabStop, end_then_write});
    return window;
}

// Runs the dialog, lets `act` end it, and returns the result it ended with.
int result_of_run(platform::WindowHandle window, void (*act)(qt::DialogWindow&)) {
    int result = -2;
    QPointer<QDialog> widget;
    run_modal_with(window, [&](qt::DialogWindow& dialog) {
        widget = &dialog;
        QObject::connect(&dialog, &QDialog::finished, [&result](int r) { result = r; });
        act(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(qt::find_dialog(window), nullptr);
    return result;
}

TEST(DialogLifetimeTest, ACloseRequestEndsTheRunWithResult0) {
    const auto window = make_dialog();
    EXPECT_EQ(
        result_of_run(window, [](qt::DialogWindow& dialog) { dialog.windowHandle()->close(); }), 0);
    EXPECT_TRUE(recorded_clicks().empty());
    // The handle of an ended dialog reaches nothing.
    platform::end_dialog(window, 1);
    platform::set_control_text(window, kBoxId, "late");
    EXPECT_EQ(platform::selected_list_line(window, kBoxId), "");
}

TEST(DialogLifetimeTest, AHandlerEndsTheRunWhenItReturns) {
    const auto window = make_dialog();
    EXPECT_EQ(result_of_run(window,
                            [](qt::DialogWindow& dialog) {
                                QTest::mouseClick(dialog.control(kExitId), Qt::LeftButton);
                            }),
              1);
    EXPECT_EQ(clicked_ids(), std::vector<int>{kExitId});
}

}  // namespace
}  // namespace korvane::testing
