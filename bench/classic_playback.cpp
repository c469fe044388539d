// Sends the text on standard input with the program's own sender and element
// images, but over the classic sound and sleep of classic_alsa.cpp. Prints
// the monotonic time (seconds) at which the send began, then sends.
// Usage: bench_classic_playback WPM PITCH < TEXT

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>

#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "practice/text_tables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bench_classic_playback WPM PITCH < TEXT\n";
        return 2;
    }
    korvane::speed_wpm = std::atoi(argv[1]);
    korvane::pitch_hz = std::atoi(argv[2]);
    korvane::recompute_timing();
    korvane::build_tones();
    korvane::fill_text_tables();
    korvane::send_text.assign(std::istreambuf_iterator<char>(std::cin), {});
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fflush(stdout);
    korvane::send_morse();
    return 0;
}
