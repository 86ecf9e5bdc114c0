#include "Output.h"

#include <string>

namespace ilmo::ctl {

void Output::print(const Reading& reading) const {
    out << (json ? format_json(reading) : format_text(reading));
    out.flush();
}

void Output::note(std::string_view line) const {
    std::ostream& to = json ? err : out;
    to << line << '\n';
    to.flush();
}

void Output::warn(std::string_view message) const {
    err << "ilmoctl: " << message << '\n';
    err.flush();
}

int Output::fail(int exit_code, std::string_view message) const {
    warn(message);
    return exit_code;
}

int Output::not_saved(const std::filesystem::path& document) const {
    return fail(kExitDeviceError, "the profile " + document.string() + " could not be saved");
}

int Output::device_failure(std::string_view what, device::Result result) const {
    return fail(kExitDeviceError, device::failure_trace(what, result) + " (" +
                                      std::to_string(device::code(result)) + ")");
}

}  // namespace ilmo::ctl
