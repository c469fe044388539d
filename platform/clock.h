#pragma once
// Clock: the local time of day.

namespace korvane::platform {

struct TimeOfDay {
    int hours;
    int minutes;
    int seconds;
    int milliseconds;
};

TimeOfDay local_time_of_day();

}  // namespace korvane::platform
