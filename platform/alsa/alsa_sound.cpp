// Playing an element image: its samples go straight into the shared stream.

#include "platform/alsa/alsa_stream.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {

// Only the one layout the stream was opened for is played; anything else is refused.
void platform::play_wave_image(const std::uint8_t* image) {
    if (image == nullptr || !is_program_wave(image) || !alsa::open_stream()) {
        return;
    }
    alsa::write_frames(image + kWaveHeaderBytes, wave_sample_count(image));
}

}  // namespace korvane
