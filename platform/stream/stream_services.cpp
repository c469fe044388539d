// The sound and sleep services of every build with a sound stream: an element
// image is queued on the shared stream, and a pause is owed to it.

#include "platform/backend/sending.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/stream/stream.h"
#include "platform/wave_image.h"

namespace korvane {

stream::Stream& stream::shared() {
    static Stream instance(device());
    return instance;
}

// Only the one layout the stream is opened for is played; anything else is refused.
void platform::play_wave_image(const std::uint8_t* image) {
    if (image != nullptr && is_program_wave(image)) {
        stream::shared().play(image + kWaveHeaderBytes, wave_sample_count(image));
    }
}

void platform::sleep_ms(std::int32_t ms) {
    stream::shared().pause(ms);
}

void platform::stop_send() {
    stream::shared().stop();
}

bool platform::send_stopped() {
    return stream::shared().stopped();
}

void platform::end_send() {
    stream::shared().end();
}

}  // namespace korvane
