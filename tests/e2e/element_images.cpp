// Writes the program's own dot and dash images for one speed and pitch, so that
// the end-to-end checks compare what was heard with exactly what was meant.
// Usage: e2e_element_images WPM PITCH DIR  (writes DIR/dit.wav and DIR/dah.wav)

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/app_values.h"
#include "morse/morse_values.h"
#include "morse/timing.h"
#include "morse/tone.h"

namespace {

bool write_image(const korvane::WaveImage& image, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    const auto bytes = korvane::platform::kWaveHeaderBytes +
                       2 * korvane::platform::wave_sample_count(image.data());
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(bytes));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: e2e_element_images WPM PITCH DIR\n";
        return 2;
    }
    korvane::speed_wpm = std::atoi(argv[1]);
    korvane::pitch_hz = std::atoi(argv[2]);
    korvane::recompute_timing();
    korvane::build_tones();
    const std::string dir = argv[3];
    return write_image(korvane::dit_image, dir + "/dit.wav") &&
                   write_image(korvane::dah_image, dir + "/dah.wav")
               ? 0
               : 1;
}
