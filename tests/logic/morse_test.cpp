// What is heard of Morse itself: the element lengths and images, and the sender.

#include "morse/sender.h"
#include "tests/logic/logic.h"

namespace korvane {

using namespace std::string_literals;
using Morse = testing::Logic;

// Speed and pitch, then the word gap in ms, the dot's and the dash's sample counts and
// one sample of the dot (index, value), worked out by hand in 64-bit-mantissa
// arithmetic. The dot is 1200 / speed taken down (45 would round up), the dash and the
// word gap three and seven dots (3600 / speed or 8400 / speed rounded differ at 13 and
// 45). Every cycle restarts at phase 0. Where 44100 / pitch is whole, the repeated
// additions bring the last phase of a cycle next to the limit and decide whether it is
// taken (1260 and 1225 Hz: a last sample of 0) or not (2100 Hz); at 3675 Hz it
// lands on the limit exactly and is taken. 1 wpm at 32767 Hz is the longest element a
// settings file can ask for.
TEST_F(Morse, Elements) {
    EXPECT_EQ(std::string(dit_image.begin(), dit_image.begin() + 44),
              "RIFF\xC4\x29\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
              "data\xA0\x29\0\0"s);  // 10 wpm, 1200 Hz
    const std::tuple<const char*, int, int, int, int, int, int, int> rows[] = {
        {"the default", 10, 1200, 840, 5328, 15984, 9, 32743},
        {"a cycle that lands on the limit exactly", 10, 3675, 840, 5733, 17199, 13, 0},
        {"the last sample of a dot", 20, 700, 420, 2646, 7938, 2645, -3262},
        {"whole cycles whose last phase is taken", 13, 1260, 644, 4140, 12492, 36, 0},
        {"the fastest, where rounding would differ", 45, 400, 182, 1110, 3441, 3, 5574},
        {"the slowest, whole cycles taken", 5, 1225, 1680, 10878, 32634, 36, 0},
        {"whole cycles whose last phase is not taken", 5, 2100, 1680, 10584, 31752, 20, -9656},
        {"the longest element a settings file asks for", 1, 32767, 8400, 78640, 235922, 3, -32728}};
    for (const auto& [name, speed, pitch, gap, dot, dash, at, value] : rows) {
        SCOPED_TRACE(name);
        speed_wpm = speed;
        pitch_hz = pitch;
        recompute_timing();
        build_tones();
        const std::uint8_t* sample = dit_image.data() + 44 + 2 * at;
        EXPECT_EQ(word_gap_ms, gap);
        EXPECT_EQ(platform::wave_sample_count(dit_image.data()), dot);
        EXPECT_EQ(platform::wave_sample_count(dah_image.data()), dash);
        EXPECT_EQ(static_cast<std::int16_t>(sample[0] | sample[1] << 8), value);
    }
}

// A character outside the code table makes no sound and no pause; one whose code is
// "x" makes the character pause alone; bytes above 95 lose bits 5 and 7. The
// whole table is heard in the test of practice files. Each text ends in "E", so
// that the pauses before it are written.
TEST_F(Morse, Sender) {
    const char* rows[][3] = {
        {"characters whose code is \"x\"", ":@`E", "(1080)."},
        {"bytes above 127 folded onto letters",
         "\xE5\xC1\xEC"
         "E",
         ". .- .-.. ."},
        {"characters outside the table", "E!+[_{\x7F\x9E\x01\t EE", ". / . ."}};
    for (const auto& [name, text, heard] : rows) {
        SCOPED_TRACE(name);
        fake::state = {};
        send_text = text;
        send_morse();
        EXPECT_EQ(testing::sounds(), heard);
    }
}

}  // namespace korvane
