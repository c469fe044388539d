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

// Sound frames are ones, silence zeros; the journal joins runs of either, and
// of the milliseconds slept while no device is open.
class RecordingDevice final : public stream::Device {
  public:
    explicit RecordingDevice(Setup setup) : setup_(setup) {}
    stream::Stream* stream = nullptr;
    std::vector<std::string> journal;

    bool open() override {
        open_ = setup_.failing_opens-- <= 0;
        playing_ = false;
        journal.push_back(open_ ? "open" : "refused");
        return open_;
    }
    std::size_t write(const std::uint8_t* frames, std::size_t count) override {
        const std::size_t taken = std::min(count, kCapacity - queued_);
        add_to_run(frames[0] ? "sound " : "silence ", taken);
        queued_ += taken;
        return taken;
    }
    std::size_t queued() override { return queued_; }
    void start() override { journal.push_back("start"), playing_ = true; }
    void drain_and_close() override {
        journal.push_back("drain"), pass(queued_ * 1000000us / 44100), open_ = false;
    }
    void close_at_once() override {
        journal.push_back("close at once"), queued_ = 0, open_ = false;
    }
    void wait_for_room(Clock::duration most) override { pass(most); }
    void sleep(Clock::duration most) override {
        if (!open_) {
            add_to_run("slept ", most / 1ms);
        }
        pass(most);
    }
    Clock::time_point now() override { return clock_; }

    // Time passes, the device plays what it holds, and the user may press Escape.
    void pass(Clock::duration span) {
        const auto escape = Clock::time_point{} + setup_.escape;
        const bool escape_now = clock_ < escape && clock_ + span >= escape;
        clock_ += span;
        if (playing_ && !setup_.stalled) {
            queued_ -= std::min<std::size_t>(queued_, span * 44100 / 1s);
        }
        if (escape_now) {
            stream->stop();
        }
    }

  private:
    static constexpr std::size_t kCapacity = 8820;  // 200 ms
    void add_to_run(const std::string& kind, std::size_t amount) {
        if (!journal.empty() && journal.back().starts_with(kind)) {
            amount += std::stoul(journal.back().substr(kind.size()));
            journal.pop_back();
        }
        journal.push_back(kind + std::to_string(amount));
    }
    Setup setup_;
    Clock::time_point clock_{};
    std::size_t queued_ = 0;
    bool open_ = false;
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

// Ten pauses of 1 ms are 441 samples, and a send shorter than the lead of 100
// ms starts at its end, without the pause after its last sound; a longer one
// starts once the lead is queued. A send that starts 30 ms into the 104 ms
// that the last one owed begins with the rest; one that starts 200 ms after
// its own 104 ms owes nothing of them. Escape at 150 ms drops what is queued;
// the pause asked for after it (300 ms), and the 100 ms of the one before that
// were not yet written, are owed from that moment to the next send. A device that plays
// nothing for 2 s is given up, and not drained, and the send goes on silently:
// the 300 ms of silence it did not take and the next pause are slept before
// the next sound. A device that cannot be opened is tried again at the next
// send; meanwhile each pause is slept before the next sound, the pause after
// the last sound is not, and it is owed to the next send.
TEST(Stream, PlaysPausesAndSendsOnOneDevice) {
    const Row rows[] = {
        {"a short send",
         {},
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 40, -1},
         {"open", "sound 441", "silence 441", "sound 441", "start", "drain"}},
        {"the rest of what was owed, and nothing later",
         {},
         {0, 104, -1, -30, 0, 104, -1, -200, 0, -1},
         {"open", "sound 441", "start", "drain", "open", "silence 3262", "sound 441", "start",
          "drain", "open", "sound 441", "start", "drain"}},
        {"Escape",
         {.escape = 150ms},
         {0, 500, 0, 0, 300, -1, 0, -1},
         {"open", "sound 441", "silence 4410", "start", "silence 10143", "close at once", "open",
          "silence 4410", "start", "silence 13230", "sound 441", "drain"}},
        {"a stalled device",
         {.stalled = true},
         {0, 500, 0, 100, 0, -1},
         {"open", "sound 441", "silence 4410", "start", "silence 3969", "close at once",
          "slept 400"}},
        {"no device",
         {.failing_opens = 1},
         {0, 100, 0, 50, -1, 0, -1},
         {"refused", "slept 100", "open", "silence 2205", "sound 441", "start", "drain"}},
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

}  // namespace
}  // namespace korvane
