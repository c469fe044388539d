#include "app/settings.h"

#include <array>
#include <cstdint>

#include "morse/morse_values.h"
#include "morse/timing.h"
#include "platform/files.h"

namespace korvane {
namespace {

using Record = std::array<std::uint8_t, 4>;

// Read and write when allowed, read-only otherwise; kNoFile when neither works.
platform::FileHandle open_settings() {
    const auto file =
        platform::open_file(kSettingsFileName, platform::FileAccess::read_write_create);
    return file != platform::kNoFile
               ? file
               : platform::open_file(kSettingsFileName, platform::FileAccess::read_only);
}

std::int32_t field(const Record& record, std::size_t at) {
    return static_cast<std::int16_t>(record[at] | record[at + 1] << 8);
}

void write_record(platform::FileHandle file) {
    const Record record{
        static_cast<std::uint8_t>(pitch_hz), static_cast<std::uint8_t>(pitch_hz >> 8),
        static_cast<std::uint8_t>(speed_wpm), static_cast<std::uint8_t>(speed_wpm >> 8)};
    platform::write_file(file, 0, record.data(), record.size());
}

void read_record(platform::FileHandle file) {
    Record record{};  // bytes the file lacks read as 0
    platform::read_file(file, 0, record.data(), record.size());
    pitch_hz = field(record, 0);
    speed_wpm = field(record, 2);
    // A speed below 1 would divide by zero or give negative pauses.
    if (speed_wpm < 1) {
        speed_wpm = kDefaultSpeedWpm;
    }
    recompute_timing();
}

}  // namespace

void load_settings() {
    pitch_hz = kDefaultPitchHz;
    speed_wpm = kDefaultSpeedWpm;
    recompute_timing();
    const auto file = open_settings();
    if (platform::file_length(file) > 0) {
        read_record(file);
    } else {
        write_record(file);
    }
    platform::close_file(file);
}

void save_settings() {
    const auto file = open_settings();
    write_record(file);
    platform::close_file(file);
}

}  // namespace korvane
