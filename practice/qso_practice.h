#pragma once
// QSO practice: a simulated contact, composed from the vocabulary tables and sent.

#include <cstdint>
#include <functional>
#include <string>

#include "morse/table.h"

namespace korvane {

// The contact's six lines: name, location, station, weather, report, hand-over.
inline Table<6> QsoLines;

// A source of draws: a whole number from low to high inclusive.
using DrawInRange = std::function<std::int32_t(std::int32_t low, std::int32_t high)>;

// Sets QsoLines to a new contact built from fifteen draws of `draw`.
void compose_qso_lines(const DrawInRange& draw);

// Composes a contact from the clock-seeded draws, sends it after the lead-in
// and the preamble, and returns its lines for the window to show.
std::string send_qso_lines();

}  // namespace korvane
