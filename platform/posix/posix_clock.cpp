// The local time of day from the system clock and time zone.

#include <time.h>

#include "platform/clock.h"

namespace korvane {

platform::TimeOfDay platform::local_time_of_day() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(now.tv_nsec / 1000000)};
}

}  // namespace korvane
