#pragma once
// A fixed table of texts numbered from slot 1.

#include <array>
#include <cstddef>
#include <string>

namespace korvane {

template <std::size_t Slots>
class Table {
  public:
    static constexpr std::size_t kSlots = Slots;

    // Slot k, 1 to Slots; any other k throws std::out_of_range.
    std::string& operator[](std::size_t slot) { return slots_.at(slot - 1); }
    const std::string& operator[](std::size_t slot) const { return slots_.at(slot - 1); }

  private:
    std::array<std::string, Slots> slots_;
};

}  // namespace korvane
