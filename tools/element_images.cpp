// Writes the program's own dot and dash images for one speed and pitch to
// standard output, each a whole RIFF/WAVE image, so that the end-to-end tests
// and the timing benchmark compare what was heard with exactly what was meant.
// Usage: element_images WPM PITCH > IMAGES

#include <cstdlib>
#include <iostream>

#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    korvane::speed_wpm = std::atoi(argv[1]);
    korvane::pitch_hz = std::atoi(argv[2]);
    korvane::recompute_timing();
    korvane::build_tones();
    for (const korvane::WaveImage* image : {&korvane::dit_image, &korvane::dah_image}) {
        const auto bytes = korvane::platform::kWaveHeaderBytes +
                           2 * korvane::platform::wave_sample_count(image->data());
        std::cout.write(reinterpret_cast<const char*>(image->data()),
                        static_cast<std::streamsize>(bytes));
    }
    return std::cout ? 0 : 1;
}
