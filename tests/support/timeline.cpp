#include "tests/support/timeline.h"

#include "morse/tone.h"
#include "platform/fake/fake.h"

namespace korvane::testing {
namespace {

std::string describe(const fake::SoundEvent& event) {
    if (event.kind == fake::SoundEvent::Kind::pause) {
        return std::to_string(event.ms);
    }
    if (event.image == dit_image.data()) {
        return ".";
    }
    if (event.image == dah_image.data()) {
        return "-";
    }
    return "?" + std::to_string(event.samples);
}

}  // namespace

std::string timeline() {
    std::string text;
    for (const auto& event : fake::sound_events()) {
        text += (text.empty() ? "" : " ") + describe(event);
    }
    return text;
}

}  // namespace korvane::testing
