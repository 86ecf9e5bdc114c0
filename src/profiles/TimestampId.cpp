#include "profiles/TimestampId.h"

#include <cstdio>
#include <ctime>

namespace ilmo::profiles {

std::string format_timestamp_id(const LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%d_%02d_%02d_%02d_%02d_%02d_%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

LocalTime to_local_time(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
    localtime_r(&seconds, &parts);
    const auto since_second =
        when - std::chrono::system_clock::from_time_t(seconds);
    const int millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since_second).count());
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
            parts.tm_min,        parts.tm_sec,     millisecond < 0 ? 0 : millisecond};
}

TimestampIdSource::TimestampIdSource(Clock clock) : clock_(std::move(clock)) {}

std::string TimestampIdSource::next(const Taken& taken) {
    using std::chrono::milliseconds;
    std::chrono::system_clock::time_point when = std::chrono::floor<milliseconds>(clock_());
    if (when <= last_) when = last_ + milliseconds(1);
    std::string id = format_timestamp_id(to_local_time(when));
    while (taken && taken(id)) {
        when += milliseconds(1);
        id = format_timestamp_id(to_local_time(when));
    }
    last_ = when;
    return id;
}

}  // namespace ilmo::profiles
