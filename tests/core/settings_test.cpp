#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/app_values.h"
#include "app/settings.h"
#include "morse/morse_values.h"
#include "platform/files.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"

namespace korvane {
namespace {

using testing::Bytes;

class SettingsTest : public testing::ProgramTest {
  protected:
    static void write_ini(const Bytes& bytes) { testing::write_bytes(kSettingsFileName, bytes); }
    static Bytes read_ini() { return testing::read_bytes(kSettingsFileName); }
};

TEST_F(SettingsTest, FirstRunCreatesTheDefaultRecord) {
    load_settings();
    EXPECT_EQ(read_ini(), (Bytes{0xB0, 0x04, 0x0A, 0x00}));
    EXPECT_EQ(pitch_hz, 1200);
    EXPECT_EQ(speed_wpm, 10);
    EXPECT_EQ(dot_ms, 120);
    EXPECT_EQ(dash_ms, 360);
    EXPECT_EQ(word_gap_ms, 840);
}

struct StoredCase {
    Bytes file;
    std::int32_t pitch;
    std::int32_t speed;
    std::int32_t dot;
};

class StoredSettingsTest : public SettingsTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettingsTest, LoadsPitchAndSpeedAndDerivesTheTiming) {
    write_ini(GetParam().file);
    load_settings();
    EXPECT_EQ(pitch_hz, GetParam().pitch);
    EXPECT_EQ(speed_wpm, GetParam().speed);
    EXPECT_EQ(dot_ms, GetParam().dot);
    EXPECT_EQ(dash_ms, 3 * GetParam().dot);
    EXPECT_EQ(word_gap_ms, 7 * GetParam().dot);
    EXPECT_EQ(read_ini(), GetParam().file) << "loading never writes a stored record";
}

INSTANTIATE_TEST_SUITE_P(
    Records, StoredSettingsTest,
    ::testing::Values(
        StoredCase{{0x58, 0x02, 0x14}, 600, 20, 60},        // missing bytes read as 0
        StoredCase{{0x58, 0x02, 0x2D, 0x00}, 600, 45, 26},  // 26.67 is taken down
        StoredCase{{0x58, 0x02, 0x07, 0x00}, 600, 7, 171},  // 171 / 513 / 1197
        StoredCase{{0x58, 0x02, 0x05, 0x00}, 600, 5, 240},  // 240 / 720 / 1680
        StoredCase{{0x58, 0x02, 0x3C, 0x00}, 600, 60, 20},  // outside the buttons' range, kept
        StoredCase{{0xFB, 0xFF, 0x0D, 0x00}, -5, 13, 92},   // a negative pitch is kept
        StoredCase{{0x00, 0x80, 0x01, 0x00}, -32768, 1, 1200},
        StoredCase{{0xFF, 0x7F, 0xFF, 0x7F}, 32767, 32767, 0},
        // A speed below 1 would divide by zero or give negative pauses: the default replaces it.
        StoredCase{{0x58, 0x02}, 600, 10, 120}, StoredCase{{0x58, 0x02, 0x00, 0x80}, 600, 10, 120},
        StoredCase{{0x58, 0x02, 0xFF, 0xFF}, 600, 10, 120}));

TEST_F(SettingsTest, SaveWritesOnlyTheRecordAndNeverTruncates) {
    write_ini({0x58, 0x02, 0x14, 0x00, 0xAA, 0xBB});
    load_settings();
    pitch_hz = 1220;
    speed_wpm = 11;
    save_settings();
    EXPECT_EQ(read_ini(), (Bytes{0xC4, 0x04, 0x0B, 0x00, 0xAA, 0xBB}));
}

TEST_F(SettingsTest, SaveStoresTheLow16Bits) {
    pitch_hz = 0x12345;
    speed_wpm = -2;
    save_settings();
    EXPECT_EQ(read_ini(), (Bytes{0x45, 0x23, 0xFE, 0xFF}));
}

// Another opener that keeps the file from being written leaves only the
// read-only open: on Windows any reader that does not grant exclusive access,
// elsewhere a second locked opener.
#ifdef _WIN32
constexpr auto kHolderAccess = platform::FileAccess::read_only;
#else
constexpr auto kHolderAccess = platform::FileAccess::read_write_create;
#endif

TEST_F(SettingsTest, AFileThatOnlyOpensReadOnlyIsReadAndNeverWritten) {
    write_ini({0x58, 0x02, 0x14, 0x00});
    const auto holder = platform::open_file(kSettingsFileName, kHolderAccess);
    ASSERT_NE(holder, platform::kNoFile);
    load_settings();
    EXPECT_EQ(pitch_hz, 600);
    EXPECT_EQ(speed_wpm, 20);
    speed_wpm = 30;
    save_settings();
    platform::close_file(holder);
    EXPECT_EQ(read_ini(), (Bytes{0x58, 0x02, 0x14, 0x00}));
}

TEST_F(SettingsTest, AnUnopenableFileLeavesTheDefaults) {
    std::filesystem::create_directory(kSettingsFileName);
    load_settings();
    EXPECT_EQ(pitch_hz, 1200);
    EXPECT_EQ(speed_wpm, 10);
    save_settings();
    EXPECT_TRUE(std::filesystem::is_directory(kSettingsFileName));
}

}  // namespace
}  // namespace korvane
