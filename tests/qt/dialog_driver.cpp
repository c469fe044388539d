#include "tests/qt/dialog_driver.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

namespace korvane::testing {

std::vector<Click>& recorded_clicks() {
    static std::vector<Click> clicks;
    return clicks;
}

void clear_clicks() {
    recorded_clicks().clear();
}

int record_click(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                 std::intptr_t lparam) {
    recorded_clicks().push_back(Click{window, message, wparam, lparam});
    return 1;
}

std::vector<int> clicked_ids() {
    std::vector<int> ids;
    for (const Click& click : recorded_clicks()) {
        ids.push_back(static_cast<int>(click.wparam & 0xFFFFu));
    }
    return ids;
}

void run_modal_with(platform::WindowHandle window,
                    const std::function<void(qt::DialogWindow& dialog)>& script) {
    QTimer::singleShot(0, [window, script] {
        qt::DialogWindow* dialog = qt::find_dialog(window);
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        script(*dialog);
        if (dialog->isVisible()) {
            platform::end_dialog(window, -1);
        }
    });
    platform::run_modal(window);
}

int focused_id(const qt::DialogWindow& dialog) {
    const QWidget* focused = dialog.focusWidget();
    return focused ? focused->objectName().toInt() : 0;
}

}  // namespace korvane::testing
