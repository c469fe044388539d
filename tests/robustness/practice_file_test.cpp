// Practice files no one would pick on purpose: ten megabytes, binary data, a
// file the user may not read. They are filtered on the fake platform (nothing
// sounds), must not change, and must send exactly what their bytes say.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/app_values.h"
#include "app/file_window.h"
#include "morse/morse_values.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "practice/code_from_file.h"
#include "tests/robustness/ordinary_user.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_state.h"
#include "tests/support/timeline.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kTenMegabytes = 10u << 20;
constexpr std::size_t kReadChunk = 64u << 10;  // a power of two that file readers commonly use

// Every byte value that is never heard and never turns into a word gap.
std::string dropped_bytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        const bool heard = b == 13 || b == 32 || (b >= 44 && b <= 90) || (b >= 97 && b <= 122);
        if (!heard) {
            bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

class PracticeFileRobustness : public testing::ProgramTest {
  protected:
    std::string send(const std::string& name) {
        browse_dir = dir_.string() + "/";
        picked_name = name;
        send_file();
        return testing::timeline();
    }
};

// Ten megabytes of dropped bytes with letters and blanks placed on both sides
// of every 64 KiB boundary: each is heard once, in order, and a blank right
// after a blank stays silent across a boundary too.
TEST_F(PracticeFileRobustness, TenMegabytesAreFilteredToTheirFewLetters) {
    const std::string filler = dropped_bytes();
    std::string bytes(kTenMegabytes, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = filler[i % filler.size()];
    }
    for (std::size_t boundary = kReadChunk; boundary < bytes.size(); boundary += kReadChunk) {
        bytes.replace(boundary - 2, 4, "e  t");
    }
    bytes.back() = 'e';
    testing::write_text(dir_ / "big.txt", bytes);

    const std::string heard = send("big.txt");
    std::string wanted;
    for (std::size_t boundary = kReadChunk; boundary < bytes.size(); boundary += kReadChunk) {
        wanted += ". 120 360 840 - 120 360 ";
    }
    wanted += ". 120 360";
    EXPECT_EQ(heard, wanted);
    EXPECT_EQ(testing::read_text(dir_ / "big.txt"), bytes);
}

// Random binary data: only the two images and the three pauses come out, and
// every byte that has a table entry ends in exactly one character pause.
TEST_F(PracticeFileRobustness, BinaryDataSendsOnlyWhatHasCodes) {
    std::mt19937 random(20240607);
    std::string bytes(kReadChunk + 1000, '\0');
    std::size_t coded = 0;
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
        const auto b = static_cast<unsigned char>(byte);
        coded += (b >= 44 && b <= 90) || (b >= 97 && b <= 122) ? 1 : 0;
    }
    testing::write_text(dir_ / "data.bin", bytes);
    send("data.bin");
    std::size_t character_pauses = 0;
    for (const auto& event : fake::sound_events()) {
        if (event.kind == fake::SoundEvent::Kind::play) {
            EXPECT_TRUE(event.image == dit_image.data() || event.image == dah_image.data());
        } else {
            EXPECT_TRUE(event.ms == dot_ms || event.ms == dash_ms || event.ms == word_gap_ms);
            character_pauses += event.ms == dash_ms ? 1 : 0;
        }
    }
    EXPECT_EQ(character_pauses, coded);
    EXPECT_EQ(testing::read_text(dir_ / "data.bin"), bytes);
}

TEST_F(PracticeFileRobustness, AnUnreadableFileSendsNothingAndIsLeftAlone) {
    testing::write_text(dir_ / "secret.txt", "sos");
    fs::permissions(dir_ / "secret.txt", fs::perms::none);
    {
        testing::AsOrdinaryUser user;
        EXPECT_EQ(send("secret.txt"), "");
    }
    EXPECT_EQ(fs::status(dir_ / "secret.txt").permissions(), fs::perms::none);
    EXPECT_EQ(testing::read_text(dir_ / "secret.txt"), "sos");
}

}  // namespace
}  // namespace korvane
