#pragma once
// The element durations that follow from the speed.

namespace korvane {

// Sets dot_ms = floor(1200 / speed_wpm), dash_ms = 3 dots and word_gap_ms = 7 dots.
void recompute_timing();

}  // namespace korvane
