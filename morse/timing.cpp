#include "morse/timing.h"

#include <cmath>

#include "morse/morse_values.h"

namespace korvane {

void recompute_timing() {
    // The load guarantees a speed of at least 1; the quotient is taken down, never rounded.
    dot_ms = static_cast<std::int32_t>(std::floor(1200.0 / speed_wpm));
    dash_ms = 3 * dot_ms;
    word_gap_ms = 7 * dot_ms;
}

}  // namespace korvane
