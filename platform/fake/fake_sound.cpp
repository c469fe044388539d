// Sound, sleep and clock on a virtual timeline: nothing waits, everything is recorded.

#include "platform/clock.h"
#include "platform/fake/fake_state.h"
#include "platform/sleep.h"
#include "platform/sound.h"
#include "platform/wave_image.h"

namespace korvane {
void platform::play_wave_image(const std::uint8_t* image) {
    auto& s = fake::detail::state();
    const fake::SoundEvent event{fake::SoundEvent::Kind::play, image,
                                 platform::wave_sample_count(image), 0};
    s.journal.push_back("play " + std::to_string(event.samples));
    if (s.play_observer) {
        s.play_observer(event);
    }
    s.sound_events.push_back(event);
    s.ticks += static_cast<std::int64_t>(event.samples) * fake::kTicksPerSample;
}

void platform::sleep_ms(std::int32_t ms) {
    auto& s = fake::detail::state();
    s.journal.push_back("sleep " + std::to_string(ms));
    s.sound_events.push_back({fake::SoundEvent::Kind::pause, nullptr, 0, ms});
    if (ms > 0) {
        s.ticks += static_cast<std::int64_t>(ms) * fake::kTicksPerMs;
    }
}

platform::TimeOfDay platform::local_time_of_day() {
    const auto& s = fake::detail::state();
    const auto& t = s.start_of_day;
    constexpr std::int64_t kMsPerDay = 24LL * 3600 * 1000;
    const std::int64_t start_ms =
        ((t.hours * 60LL + t.minutes) * 60 + t.seconds) * 1000 + t.milliseconds;
    const std::int64_t now = (start_ms + s.ticks / fake::kTicksPerMs) % kMsPerDay;
    return {static_cast<int>(now / 3600000), static_cast<int>(now / 60000 % 60),
            static_cast<int>(now / 1000 % 60), static_cast<int>(now % 1000)};
}

const std::vector<fake::SoundEvent>& fake::sound_events() {
    return detail::state().sound_events;
}

void fake::clear_sound_events() {
    detail::state().sound_events.clear();
}

std::int64_t fake::elapsed_ticks() {
    return detail::state().ticks;
}

void fake::set_time_of_day(platform::TimeOfDay start) {
    detail::state().start_of_day = start;
}

void fake::on_play(std::function<void(const SoundEvent&)> observer) {
    detail::state().play_observer = std::move(observer);
}

const std::vector<std::string>& fake::journal() {
    return detail::state().journal;
}

fake::detail::State& fake::detail::state() {
    static State instance;
    return instance;
}

void fake::reset() {
    detail::state() = detail::State{};
}

}  // namespace korvane
