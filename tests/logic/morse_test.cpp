// Element lengths, the two element images and the sender.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/timing.h"
#include "morse/tone.h"
#include "platform/fake/fake.h"
#include "tests/logic/logic.h"

namespace korvane {

using namespace std::string_literals;
using Morse = testing::Logic;

// Dot, dash and word gap: 1200 / speed taken down (14 and 45 would round up), then
// three and seven dots, not 3600 / speed or 8400 / speed rounded (7 and 11 differ).
TEST_F(Morse, ElementLengths) {
    const std::pair<std::int32_t, std::array<std::int32_t, 3>> rows[] = {
        {1, {1200, 3600, 8400}}, {5, {240, 720, 1680}}, {7, {171, 513, 1197}},
        {11, {109, 327, 763}},   {14, {85, 255, 595}},  {45, {26, 78, 182}}};
    for (const auto& [speed, lengths] : rows) {
        speed_wpm = speed;
        recompute_timing();
        EXPECT_EQ((std::array{dot_ms, dash_ms, word_gap_ms}), lengths) << speed;
    }
}

// Speed and pitch, then the dot's and the dash's sample counts and one sample of the
// dot (index, value), worked out by hand in 64-bit-mantissa arithmetic. Every cycle
// restarts at phase 0. Where 44100 / pitch is whole, the repeated additions bring the
// last phase of a cycle next to the limit and decide whether it is taken (1260, 1225,
// 2205 Hz: a last sample of 0) or not (441, 2100 Hz); at 3675 Hz it lands on the limit
// exactly and is taken. 1 wpm at 32767 Hz is the longest element a settings file can
// ask for.
TEST_F(Morse, ToneImages) {
    EXPECT_EQ(std::string(dit_image.begin(), dit_image.begin() + 44),
              "RIFF\xC4\x29\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
              "data\xA0\x29\0\0"s);  // 10 wpm, 1200 Hz
    const std::int64_t rows[][6] = {
        {10, 1200, 5328, 15984, 9, 32743}, {10, 1200, 5328, 15984, 36, -4189},
        {10, 3675, 5733, 17199, 13, 0},    {20, 700, 2646, 7938, 2645, -3262},
        {13, 1260, 4140, 12492, 36, 0},    {13, 1260, 4140, 12492, 37, 5850},
        {45, 400, 1110, 3441, 3, 5574},    {5, 441, 10500, 31700, 99, -2057},
        {5, 1225, 10878, 32634, 36, 0},    {5, 2100, 10584, 31752, 20, -9656},
        {5, 2205, 11109, 33327, 20, 0},    {1, 32767, 78640, 235922, 3, -32728}};
    for (const auto& [speed, pitch, dot, dash, at, value] : rows) {
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        build_tones();
        const std::uint8_t* sample = dit_image.data() + 44 + 2 * at;
        EXPECT_EQ(platform::wave_sample_count(dit_image.data()), dot) << pitch;
        EXPECT_EQ(platform::wave_sample_count(dah_image.data()), dash) << pitch;
        EXPECT_EQ(static_cast<std::int16_t>(sample[0] | sample[1] << 8), value) << pitch;
    }
}

// A character outside the code table makes no sound and no pause; one whose code is
// "x" makes the character pause alone; bytes above 95 lose bits 5 and 7. The
// whole table is heard in the test of practice files.
TEST_F(Morse, Sender) {
    const char* rows[][2] = {{"SOS", "... --- ... "}, {"sos", "... --- ... "},
                             {"E E", ". / . "},       {"  ", "/ / "},
                             {":@`", "   "},          {"\xE5\xC1\xEC", ". .- .-.. "},
                             {"E!+[E", ". . "},       {"_{\x7F\x9E\x01\t", ""}};
    for (const auto& [text, heard] : rows) {
        fake::reset();
        send_text = text;
        send_morse();
        EXPECT_EQ(testing::sounds(), heard) << text;
    }
}

}  // namespace korvane
