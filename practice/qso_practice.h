#pragma once
// QSO practice: a simulated contact, composed from the vocabulary tables and sent.

#include <string>

#include "morse/table.h"

namespace korvane {

// The contact's six lines: name, location, station, weather, report, hand-over.
inline Table<6> QsoLines;

// Composes a contact from the clock-seeded draws, sends it after the lead-in
// and the preamble, and returns its lines for the window to show.
std::string send_qso_lines();

}  // namespace korvane
