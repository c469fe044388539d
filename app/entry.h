#pragma once
// The entry procedure: start-up, the window loop and the exit sequence.

namespace korvane {

// Runs the whole program and returns its exit status, 0.
int run_korvane();

}  // namespace korvane
