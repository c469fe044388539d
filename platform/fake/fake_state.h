#pragma once
// State shared by the fake services; tests reach it through fake.h only.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/fake/fake.h"

namespace korvane::fake::detail {

struct State {
    std::vector<SoundEvent> sound_events;
    std::vector<std::string> journal;
    std::int64_t ticks = 0;
    platform::TimeOfDay start_of_day{12, 0, 0, 0};
    std::function<void(const SoundEvent&)> play_observer;
    std::deque<Dialog> dialogs;  // handle n names dialogs[n - 1]; deque keeps references stable
    std::deque<DialogScript> scripts;
};

State& state();

}  // namespace korvane::fake::detail
