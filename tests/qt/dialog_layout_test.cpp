#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "tests/qt/dialog_driver.h"

namespace korvane::testing {
namespace {

using platform::ControlKind;
using platform::ControlLayout;

constexpr unsigned kValueBox = platform::kTabStop | platform::kReadOnly | platform::kStaticEdge;
constexpr unsigned kPanel = kValueBox | platform::kMultiLine | platform::kCentered;

// The panel is created last but sits on top, so tab order cannot come from position.
constexpr std::array<ControlLayout, 5> kControls{{
    {401, ControlKind::label, "Speed", 40, 175, 30, 15, 0, nullptr},
    {201, ControlKind::push_button, "&Slower", 80, 175, 50, 20, platform::kTabStop, record_click},
    {302, ControlKind::edit, " 10 wpm", 200, 175, 60, 20, kValueBox, nullptr},
    {202, ControlKind::push_button, "&Faster", 140, 175, 50, 20, platform::kTabStop, record_click},
    {301, ControlKind::edit, "Korvane\r\nA much longer second line", 50, 25, 400, 125, kPanel,
     nullptr},
}};

platform::WindowHandle make_dialog() {
    const auto window = platform::create_dialog("Layout", 500, 350);
    for (const auto& control : kControls) {
        platform::add_control(window, control);
    }
    return window;
}

// Pixels of a control as Windows maps dialog units, from the font metrics alone.
QRect expected_rect(const ControlLayout& c, const QFontMetrics& metrics) {
    const double base_x = std::round(
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0);
    const double base_y = metrics.height();
    const auto x = [&](int du) { return static_cast<int>(std::lround(du * base_x / 4)); };
    const auto y = [&](int du) { return static_cast<int>(std::lround(du * base_y / 8)); };
    return QRect(x(c.x), y(c.y), x(c.width), y(c.height));
}

TEST(DialogLayoutTest, EverythingIsMeasuredInDialogUnitsOfTheDialogFont) {
    run_modal_with(make_dialog(), [](qt::DialogWindow& dialog) {
        const QFontMetrics metrics(QFont("MS Sans Serif", 8));
        EXPECT_EQ(dialog.rect(), expected_rect({0, {}, "", 0, 0, 500, 350, 0, nullptr}, metrics));
        for (const auto& c : kControls) {
            EXPECT_EQ(dialog.control(c.id)->geometry(), expected_rect(c, metrics)) << c.id;
            EXPECT_EQ(QFontMetrics(dialog.control(c.id)->font()).height(), metrics.height());
        }
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        // The frame is unknown before the window is shown, so the client area is a
        // frame's width or so off centre.
        EXPECT_LE((dialog.geometry().center() - centre).manhattanLength(), 8);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    });
}

TEST(DialogLayoutTest, TabFollowsCreationOrderAndTheBoxesRefuseTypedText) {
    run_modal_with(make_dialog(), [](qt::DialogWindow& dialog) {
        std::vector<int> stops{focused_id(dialog)};
        for (int i = 0; i < 4; ++i) {
            QWidget* focused = dialog.focusWidget();
            QTest::keyClicks(focused, "x1");
            QTest::keyClick(focused, Qt::Key_Backspace);
            QTest::keyClick(focused, Qt::Key_Tab);
            stops.push_back(focused_id(dialog));
        }
        EXPECT_EQ(stops, (std::vector<int>{201, 302, 202, 301, 201}));
        EXPECT_EQ(static_cast<QLineEdit*>(dialog.control(302))->text(), " 10 wpm");
        EXPECT_EQ(static_cast<QPlainTextEdit*>(dialog.control(301))->toPlainText(),
                  "Korvane\nA much longer second line");
    });
}

TEST(DialogLayoutTest, APanelCentresEachOfItsLines) {
    run_modal_with(make_dialog(), [](qt::DialogWindow& dialog) {
        const auto* panel = static_cast<QPlainTextEdit*>(dialog.control(301));
        const QTextBlock first = panel->document()->firstBlock();
        const QTextBlock second = first.next();
        ASSERT_EQ(panel->document()->blockCount(), 2);
        const auto centre_of = [panel](const QTextBlock& block) {
            panel->document()->documentLayout()->blockBoundingRect(block);
            return block.layout()->lineAt(0).naturalTextRect().center().x();
        };
        EXPECT_NEAR(centre_of(first), centre_of(second), 1.0);
        EXPECT_NEAR(centre_of(first), panel->viewport()->width() / 2.0, 4.0);
    });
}

}  // namespace
}  // namespace korvane::testing
