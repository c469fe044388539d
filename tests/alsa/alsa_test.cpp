// The shared stream on ALSA, with a test configuration in place of the
// system's whose `default` writes into a file through ALSA's file plugin, in a
// child process. The one check of the ALSA device with sound going through it
// that also runs under the sanitizers, which the end-to-end scenarios do not.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/dialog.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "tests/support/temp_dir.h"

namespace korvane {

// The windows service, for the waits: these tests have no windows.
void platform::keep_windows_alive() {}

// A 44,100 Hz 16-bit mono image of five samples: 1, -2, 300, -32768 and 32767.
const std::string kImage(
    "RIFF\x2E\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0\2\0\x10\0data\x0A\0\0\0"
    "\1\0\xFE\xFF\x2C\1\0\x80\xFF\x7F",
    54);
const auto* const kImageBytes = reinterpret_cast<const std::uint8_t*>(kImage.data());

// A send, then one stopped after its first image, which writes nothing more
// and closes the device at once.
void send() {
    platform::sleep_ms(30);
    platform::play_wave_image(kImageBytes);
    platform::sleep_ms(1000);
    platform::play_wave_image(kImageBytes);
    platform::end_send();
    platform::play_wave_image(kImageBytes);
    platform::stop_send();
    platform::play_wave_image(kImageBytes);
    platform::end_send();
}

// What ALSA's `default` device gets: the images' samples unchanged, pauses as
// zeros (30 ms is 1,323 samples). A device that cannot be opened is left to
// the Qt suite, whose sends all run without one.
TEST(AlsaTest, ImagesAreHeardUnchangedAndPausesAreSilence) {
    const testing::TempDir dir("alsa");
    const std::string heard = dir / "heard.raw";
    testing::write_text(
        dir / "asound.conf",
        "pcm.!default { type file slave.pcm.type null format raw truncate false file \"" + heard +
            "\" }");
    ::setenv("ALSA_CONFIG_PATH", (dir / "asound.conf").c_str(), 1);
    EXPECT_EXIT((send(), std::exit(0)), ::testing::ExitedWithCode(0), "");
    const std::string samples = kImage.substr(44);
    const std::string first_send = testing::read_text(heard);
    EXPECT_EQ(first_send.size(), 2646 + samples.size() + 88200 + samples.size());
    EXPECT_EQ(first_send, std::string(2646, '\0') + samples + std::string(88200, '\0') + samples);
}

}  // namespace korvane
