#include "practice/qso_practice.h"

#include <utility>

#include "app/number_text.h"
#include "app/shared_values.h"
#include "app/text_tables.h"
#include "app/window_frame.h"
#include "morse/sender.h"
#include "platform/sleep.h"
#include "practice/random_draws.h"

namespace korvane {
namespace {

constexpr std::int32_t kLeadInMs = 1500;
constexpr const char* kPreamble = "vvv  vvv      ";
constexpr const char* kLineEnd = "  ";

// A random row of a table: the draw's range is the table's size.
template <std::size_t Slots>
const std::string& draw_row(const Table<Slots>& table) {
    return table[static_cast<std::size_t>(random_in_range(1, static_cast<std::int32_t>(Slots)))];
}

std::string draw_number(std::int32_t low, std::int32_t high) {
    return signed_number_text(random_in_range(low, high));
}

// A phrase that begins with a blank takes the name in front of it.
std::string name_line() {
    const std::string phrase = draw_row(NamePhrases);
    const std::string& name = draw_row(OperatorNames);
    return phrase.front() == ' ' ? name + phrase : phrase + name;
}

void compose_lines() {
    for (std::size_t line = 1; line <= QsoLines.kSlots; ++line) {
        QsoLines[line].clear();
    }
    QsoLines[1] = name_line();
    QsoLines[2] = draw_row(QthPhrases);
    QsoLines[2] += draw_row(QthCities) + ".";
    QsoLines[1] += ".";
    QsoLines[3] = draw_row(RigPhrases);
    QsoLines[3] += draw_row(RigDescriptions) + ".";
    QsoLines[4] = draw_row(WeatherPhrases);
    QsoLines[4] += draw_number(30, 90) + " degrees.";
    QsoLines[5] = draw_row(ReportPhrases);
    QsoLines[5] += draw_number(3, 5);
    QsoLines[5] += draw_number(6, 9);
    QsoLines[5] += draw_number(7, 9) + ".";
    QsoLines[6] = draw_row(HandOverPhrases) + "?";
    if (random_in_range(1, 70) > 33) {
        std::swap(QsoLines[2], QsoLines[4]);
    }
    if (random_in_range(1, 70) < 33) {
        std::swap(QsoLines[3], QsoLines[5]);
    }
}

void send(const std::string& text) {
    send_text = text;
    send_morse();
}

}  // namespace

void send_qso_practice() {
    seed_from_clock();
    compose_lines();
    platform::sleep_ms(kLeadInMs);
    send(kPreamble);
    std::string shown;
    for (std::size_t line = 1; line <= QsoLines.kSlots; ++line) {
        send(QsoLines[line] + kLineEnd);
        shown += QsoLines[line] + "\r\n";
    }
    platform::set_control_text(current_window, kTextPanelId, shown);
}

int on_qso_practice(platform::WindowHandle, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t) {
    if (platform::is_button_click(message, wparam)) {
        send_qso_practice();
    }
    return 1;
}

}  // namespace korvane
