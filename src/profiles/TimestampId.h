#pragma once
// Identifiers of profiles and macros: the local time of creation as
// "%d_%02d_%02d_%02d_%02d_%02d_%03d" (year, month, day, hour, minute, second, millisecond),
// which also names their files.

#include <chrono>
#include <functional>
#include <string>

namespace ilmo::profiles {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

std::string format_timestamp_id(const LocalTime& time);

// Hands out identifiers that never repeat, even for two asked for in the same millisecond
// or an identifier already taken by a file: the time is then moved on by a millisecond.
class TimestampIdSource {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    // `taken` tells whether an identifier is already in use (a file of that name exists).
    using Taken = std::function<bool(const std::string& id)>;

    explicit TimestampIdSource(Clock clock = std::chrono::system_clock::now);
    std::string next(const Taken& taken = {});

private:
    Clock clock_;
    std::chrono::system_clock::time_point last_{};
};

LocalTime to_local_time(std::chrono::system_clock::time_point when);

}  // namespace ilmo::profiles
