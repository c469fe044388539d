#include "practice/qso_practice.h"

#include <cstdint>
#include <functional>
#include <utility>

#include "morse/morse_values.h"
#include "morse/sender.h"
#include "platform/sleep.h"
#include "practice/lead_in.h"
#include "practice/number_text.h"
#include "practice/random_draws.h"
#include "practice/text_tables.h"

namespace korvane {
namespace {

constexpr const char* kPreamble = "vvv  vvv      ";
constexpr const char* kLineEnd = "  ";

// A source of draws: a whole number from low to high inclusive.
using DrawInRange = std::function<std::int32_t(std::int32_t low, std::int32_t high)>;

// A random row of a table: the draw's range is the table's size.
template <std::size_t Slots>
const std::string& draw_row(const DrawInRange& draw, const Table<Slots>& table) {
    return table[static_cast<std::size_t>(draw(1, static_cast<std::int32_t>(Slots)))];
}

std::string draw_number(const DrawInRange& draw, std::int32_t low, std::int32_t high) {
    return signed_number_text(draw(low, high));
}

// A phrase that begins with a blank takes the name in front of it.
std::string name_line(const DrawInRange& draw) {
    const std::string phrase = draw_row(draw, NamePhrases);
    const std::string& name = draw_row(draw, OperatorNames);
    return phrase.front() == ' ' ? name + phrase : phrase + name;
}

void send(const std::string& text) {
    send_text = text;
    send_morse();
}

// Sets QsoLines to a new contact built from fifteen draws of `draw`.
void compose_qso_lines(const DrawInRange& draw) {
    for (std::size_t line = 1; line <= QsoLines.kSlots; ++line) {
        QsoLines[line].clear();
    }
    QsoLines[1] = name_line(draw);
    QsoLines[2] = draw_row(draw, QthPhrases);
    QsoLines[2] += draw_row(draw, QthCities) + ".";
    QsoLines[1] += ".";
    QsoLines[3] = draw_row(draw, RigPhrases);
    QsoLines[3] += draw_row(draw, RigDescriptions) + ".";
    QsoLines[4] = draw_row(draw, WeatherPhrases);
    QsoLines[4] += draw_number(draw, 30, 90) + " degrees.";
    QsoLines[5] = draw_row(draw, ReportPhrases);
    QsoLines[5] += draw_number(draw, 3, 5);
    QsoLines[5] += draw_number(draw, 6, 9);
    QsoLines[5] += draw_number(draw, 7, 9) + ".";
    QsoLines[6] = draw_row(draw, HandOverPhrases) + "?";
    if (draw(1, 70) > 33) {
        std::swap(QsoLines[2], QsoLines[4]);
    }
    if (draw(1, 70) < 33) {
        std::swap(QsoLines[3], QsoLines[5]);
    }
}

}  // namespace

std::string send_qso_lines() {
    seed_from_clock();
    compose_qso_lines(random_in_range);
    platform::sleep_ms(kLeadInMs);
    send(kPreamble);
    std::string shown;
    for (std::size_t line = 1; line <= QsoLines.kSlots; ++line) {
        send(QsoLines[line] + kLineEnd);
        shown += QsoLines[line] + "\r\n";
    }
    return shown;
}

}  // namespace korvane
