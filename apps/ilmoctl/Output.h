#pragma once
// Where a command's results go. Reads print to standard output, as text or as JSON. Notes
// (what a change did) go to standard output beside text and to standard error beside JSON,
// so that the JSON stream holds documents only. Failures go to standard error.

#include <filesystem>
#include <ostream>
#include <string_view>

#include "Reading.h"
#include "device/CommandResult.h"

namespace ilmo::ctl {

inline constexpr int kExitOk = 0;
inline constexpr int kExitDeviceError = 1;
inline constexpr int kExitUsage = 2;

struct Output {
    std::ostream& out;
    std::ostream& err;
    bool json = false;

    void print(const Reading& reading) const;
    void note(std::string_view line) const;
    // Writes "ilmoctl: <message>" to standard error; the command goes on.
    void warn(std::string_view message) const;
    // Writes "ilmoctl: <message>" and returns `exit_code`.
    int fail(int exit_code, std::string_view message) const;
    // The profile document could not be written; exit status 1.
    int not_saved(const std::filesystem::path& document) const;
    // "<what> failed: <the result described> (<its code>)"; exit status 1.
    int device_failure(std::string_view what, device::Result result) const;
};

}  // namespace ilmo::ctl
