// The rules of the shared sound stream, on a device that records what it is
// given and plays on a virtual clock: the silence owed for pauses and carried
// into the next send, the lead, stop, end, stall and a device tried again.

#include "platform/stream/stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using namespace std::chrono_literals;
using stream::Clock;

struct Setup {
    int failing_opens = 0;        // opens refused before one succeeds
    bool stalled = false;         // takes frames but never plays them
    Clock::duration escape = 1h;  // when the user presses Escape, from the start
};

// Sound frames are ones, silence zeros; the journal joins runs of either.
class RecordingDevice final : public stream::Device {
  public:
    explicit RecordingDevice(Setup setup) : failing_opens(setup.failing_opens), setup(setup) {}
    int failing_opens;
    const Setup setup;
    stream::Stream* stream = nullptr;
    std::vector<std::string> journal;
    Clock::time_point clock{};

    bool open() override {
        note(failing_opens-- > 0 ? "refused" : "open");
        playing_ = false;
        return failing_opens < 0;
    }
    std::size_t write(const std::uint8_t* frames, std::size_t count) override {
        const std::size_t taken = std::min(count, kCapacity - queued_);
        const std::string kind = frames[0] ? "sound " : "silence ";
        const bool joins = !journal.empty() && journal.back().starts_with(kind);
        const std::size_t before = joins ? std::stoul(journal.back().substr(kind.size())) : 0;
        if (joins) {
            journal.pop_back();
        }
        note(kind + std::to_string(before + taken));
        queued_ += taken;
        return taken;
    }
    std::size_t queued() override { return queued_; }
    void start() override { note("start"), playing_ = true; }
    void drain_and_close() override { note("drain"), pass(queued_ * 1s / 44100); }
    void close_at_once() override { note("close at once"), queued_ = 0; }
    void wait_for_room(Clock::duration most) override { pass(most); }
    void sleep(Clock::duration most) override { pass(most); }
    Clock::time_point now() override { return clock; }

    // Time passes, the device plays what it holds, and the user may press Escape.
    void pass(Clock::duration span) {
        const auto escape = Clock::time_point{} + setup.escape;
        const bool escape_now = clock < escape && clock + span >= escape;
        clock += span;
        if (playing_ && !setup.stalled) {
            queued_ -= std::min<std::size_t>(queued_, span * 44100 / 1s);
        }
        if (escape_now) {
            stream->stop();
        }
    }

  private:
    static constexpr std::size_t kCapacity = 8820;  // 200 ms
    void note(const std::string& line) { journal.push_back(line); }
    std::size_t queued_ = 0;
    bool playing_ = false;
};

const std::vector<std::uint8_t> kSound(2 * 441, 1);  // 10 ms

struct Row {
    const char* name;
    Setup setup;
    // Each step: a sound of 10 ms (0), a pause of so many ms (> 0), the end of
    // a send (-1), or idle time between sends in ms (< -1).
    std::vector<int> steps;
    std::vector<std::string> journal;
};

TEST(Stream, PlaysPausesAndSendsOnOneDevice) {
    const Row rows[] = {
        {"ten pauses of 1 ms are 441 samples; a short send starts at its end, without the "
         "pause after its last sound",
         {},
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 40, -1},
         {"open", "sound 441", "silence 441", "sound 441", "start", "drain"}},
        {"playback starts once the lead of 100 ms is queued",
         {},
         {0, 200, 0, -1},
         {"open", "sound 441", "silence 4410", "start", "silence 4410", "sound 441", "drain"}},
        {"a send that starts 30 ms into the 104 ms the last one owed begins with the rest",
         {},
         {0, 104, -1, -30, 0, -1},
         {"open", "sound 441", "start", "drain", "open", "silence 3262", "sound 441", "start",
          "drain"}},
        {"a send that starts after that owes nothing of it",
         {},
         {0, 104, -1, -200, 0, -1},
         {"open", "sound 441", "start", "drain", "open", "sound 441", "start", "drain"}},
        {"Escape at 150 ms drops what is queued; the send, and the next, owe nothing more",
         {.escape = 150ms},
         {0, 500, 0, 0, 300, -1, 0, -1},
         {"open", "sound 441", "silence 4410", "start", "silence 10143", "close at once", "open",
          "sound 441", "start", "drain"}},
        {"a device that plays nothing for 2 s is given up, and not drained",
         {.stalled = true},
         {0, 500, 0, 100, 0, -1},
         {"open", "sound 441", "silence 4410", "start", "silence 3969", "close at once"}},
        {"a device that cannot be opened is tried again at the next send",
         {.failing_opens = 1},
         {0, 100, 0, -1, 0, -1},
         {"refused", "open", "sound 441", "start", "drain"}},
    };
    for (const auto& [name, setup, steps, journal] : rows) {
        SCOPED_TRACE(name);
        RecordingDevice device(setup);
        stream::Stream stream(device);
        device.stream = &stream;
        for (const int step : steps) {
            if (step == 0) {
                stream.play(kSound.data(), 441);
            } else if (step > 0) {
                stream.pause(step);
            } else if (step == -1) {
                stream.end();
            } else {
                device.pass(std::chrono::milliseconds(-step));
            }
        }
        EXPECT_EQ(device.journal, journal);
    }
}

// Without a device a pause is slept before the next sound, and the one after a
// send's last sound is not.
TEST(Stream, SilentSendsSleepTheirPauses) {
    RecordingDevice device({.failing_opens = 1});
    stream::Stream stream(device);
    stream.pause(1500);
    stream.play(kSound.data(), 441);
    EXPECT_EQ(device.clock, Clock::time_point{} + 1500ms);
    stream.pause(700);
    stream.end();
    EXPECT_EQ(device.clock, Clock::time_point{} + 1500ms);
}

}  // namespace
}  // namespace korvane
