// The local time of day from the system clock.

#include <windows.h>

#include "platform/clock.h"

namespace korvane {

platform::TimeOfDay platform::local_time_of_day() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace korvane
