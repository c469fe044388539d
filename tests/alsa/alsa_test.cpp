// The ALSA sound and sleep services with a test configuration in place of the
// system's. Each case runs in a child process, because a process opens the
// device once and plays out what is queued only when it exits.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <string>

#include "platform/dialog.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "tests/support/temp_dir.h"

namespace korvane {

// The windows service, for the waits: these tests have no windows.
void platform::keep_windows_alive() {}

namespace {

// A 44,100 Hz 16-bit mono image of five samples: 1, -2, 300, -32768 and 32767.
const std::string kImage(
    "RIFF\x2E\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0\2\0\x10\0data\x0A\0\0\0"
    "\1\0\xFE\xFF\x2C\1\0\x80\xFF\x7F",
    54);
const auto* const kImageBytes = reinterpret_cast<const std::uint8_t*>(kImage.data());

// Runs `scenario` in a child process that has `config` as its whole ALSA
// configuration and ends normally unless the scenario ends it otherwise.
void run_with_config(const testing::TempDir& dir, const std::string& config, void (*scenario)()) {
    testing::write_text(dir / "asound.conf", config);
    ::setenv("ALSA_CONFIG_PATH", (dir / "asound.conf").c_str(), 1);
    EXPECT_EXIT((scenario(), std::exit(0)), ::testing::ExitedWithCode(0), "");
}

// A millisecond is 44.1 samples: a thousand pauses of 1 ms add up to 44,100
// samples of silence, not 44,000. A pause before the first sound finds no
// stream yet and is slept, not written. A stopped send writes nothing until it
// has ended; the stream then plays on.
TEST(AlsaTest, ImagesAreHeardUnchangedAndPausesCarryTheirFraction) {
    const testing::TempDir dir("alsa");
    const std::string heard = dir / "heard.wav";
    run_with_config(
        dir, "pcm.!default { type file slave.pcm { type null } format wav file \"" + heard + "\" }",
        [] {
            platform::sleep_ms(30);
            platform::play_wave_image(kImageBytes);
            for (int n = 0; n < 1000; ++n) {
                platform::sleep_ms(1);
            }
            platform::play_wave_image(kImageBytes);
            platform::stop_send();
            platform::play_wave_image(kImageBytes);
            platform::sleep_ms(5);
            platform::end_send();
            platform::play_wave_image(kImageBytes);
        });
    const std::string samples = kImage.substr(44);
    EXPECT_TRUE(testing::read_text(heard).substr(44) ==
                samples + std::string(88200, '\0') + samples + samples);
}

// A `default` that cannot be opened leaves the program silent, its pauses slept;
// a stopped send sleeps no more.
TEST(AlsaTest, WithoutADeviceSoundIsSilentAndSleepsStillPass) {
    run_with_config(testing::TempDir("alsa"), "pcm.!default { type hw card 31 }", [] {
        using namespace std::chrono;
        const auto start = steady_clock::now();
        platform::play_wave_image(kImageBytes);
        platform::sleep_ms(50);
        const bool slept = steady_clock::now() - start >= milliseconds(50);
        platform::stop_send();
        platform::sleep_ms(60000);
        std::exit(!slept || steady_clock::now() - start > seconds(1));
    });
}

}  // namespace
}  // namespace korvane
