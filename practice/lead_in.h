#pragma once
// The pause before a generated text is sent, which gives the listener time to get ready.

#include <cstdint>

namespace korvane {

inline constexpr std::int32_t kLeadInMs = 1500;

}  // namespace korvane
