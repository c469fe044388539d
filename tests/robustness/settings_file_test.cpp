// Whole runs of the program (start-up, a main window closed with Exit, the
// farewell) over settings files of every short length, extreme stored values,
// and files the user may not write or not even read.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/app_values.h"
#include "app/entry.h"
#include "app/settings.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "tests/robustness/ordinary_user.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

constexpr int kExit = 250;
constexpr std::int64_t kLongestFarewellTicks = 60 * 1000 * fake::kTicksPerMs;

void write_settings(const Bytes& bytes) {
    testing::write_bytes(kSettingsFileName, bytes);
}

Bytes read_settings() {
    return testing::read_bytes(kSettingsFileName);
}

Bytes record(std::int16_t pitch, std::int16_t speed) {
    const auto p = static_cast<std::uint16_t>(pitch);
    const auto s = static_cast<std::uint16_t>(speed);
    return {static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 8),
            static_cast<unsigned char>(s), static_cast<unsigned char>(s >> 8)};
}

class SettingsFileRobustness : public testing::ProgramTest {
  protected:
    // The whole program, its one main window closed with Exit; every sound
    // must be one of the two images within their capacity, every pause not
    // negative, and the farewell must end.
    static void run_to_exit() {
        fake::script_next_dialog([](platform::WindowHandle w) { fake::click(w, kExit); });
        ASSERT_EQ(run_korvane(), 0);
        for (const auto& event : fake::sound_events()) {
            if (event.kind == fake::SoundEvent::Kind::play) {
                EXPECT_TRUE(event.image == dit_image.data() || event.image == dah_image.data());
                EXPECT_LE(event.samples, kImageSamples);
            } else {
                EXPECT_GE(event.ms, 0);
            }
        }
        EXPECT_LT(fake::elapsed_ticks(), kLongestFarewellTicks);
    }
};

struct Length {
    std::size_t bytes;
    Bytes after;  // the file after the run
};

class EveryShortLength : public SettingsFileRobustness,
                         public ::testing::WithParamInterface<Length> {};

// Missing bytes of the record read as 0, a speed of 0 falls back to 10, and
// bytes behind the record stay as they were.
TEST_P(EveryShortLength, RunsAndKeepsWhatFollowsTheRecord) {
    const Bytes full{0x58, 0x02, 0x14, 0x00, 0xA1, 0xA2, 0xA3, 0xA4};
    write_settings(Bytes(full.begin(), full.begin() + GetParam().bytes));
    run_to_exit();
    EXPECT_EQ(read_settings(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    ZeroToEightBytes, EveryShortLength,
    ::testing::Values(Length{0, {0xB0, 0x04, 0x0A, 0x00}}, Length{1, {0x58, 0x00, 0x0A, 0x00}},
                      Length{2, {0x58, 0x02, 0x0A, 0x00}}, Length{3, {0x58, 0x02, 0x14, 0x00}},
                      Length{4, {0x58, 0x02, 0x14, 0x00}},
                      Length{5, {0x58, 0x02, 0x14, 0x00, 0xA1}},
                      Length{6, {0x58, 0x02, 0x14, 0x00, 0xA1, 0xA2}},
                      Length{7, {0x58, 0x02, 0x14, 0x00, 0xA1, 0xA2, 0xA3}},
                      Length{8, {0x58, 0x02, 0x14, 0x00, 0xA1, 0xA2, 0xA3, 0xA4}}));

class ExtremeValues : public SettingsFileRobustness,
                      public ::testing::WithParamInterface<std::tuple<std::int16_t, std::int16_t>> {
};

// A pitch is used as stored, silent when not positive; a speed below 1 falls
// back to 10; 1 wpm at 32767 Hz is the largest image any file can ask for.
TEST_P(ExtremeValues, RunAndAreSavedBack) {
    const auto [pitch, speed] = GetParam();
    write_settings(record(pitch, speed));
    run_to_exit();
    EXPECT_EQ(read_settings(), record(pitch, speed < 1 ? 10 : speed));
}

INSTANTIATE_TEST_SUITE_P(SixteenBitLimits, ExtremeValues,
                         ::testing::Combine(::testing::Values(-32768, 0, 32767),
                                            ::testing::Values(-32768, 0, 1, 32767)));

TEST_F(SettingsFileRobustness, AReadOnlyFileIsUsedAndLeftAlone) {
    write_settings({0x58, 0x02, 0x14, 0x00, 0xA1});
    fs::permissions(kSettingsFileName,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    {
        testing::AsOrdinaryUser user;
        run_to_exit();
        EXPECT_EQ(pitch_hz, 600);
        EXPECT_EQ(speed_wpm, 20);
    }
    EXPECT_EQ(read_settings(), (Bytes{0x58, 0x02, 0x14, 0x00, 0xA1}));
}

TEST_F(SettingsFileRobustness, AnUnreadableFileLeavesTheDefaultsAndIsLeftAlone) {
    write_settings({0x58, 0x02, 0x14, 0x00});
    fs::permissions(kSettingsFileName, fs::perms::none);
    {
        testing::AsOrdinaryUser user;
        run_to_exit();
        EXPECT_EQ(pitch_hz, 1200);
        EXPECT_EQ(speed_wpm, 10);
    }
    fs::permissions(kSettingsFileName, fs::perms::owner_read);
    EXPECT_EQ(read_settings(), (Bytes{0x58, 0x02, 0x14, 0x00}));
}

}  // namespace
}  // namespace korvane
