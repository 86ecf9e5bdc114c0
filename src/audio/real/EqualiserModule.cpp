#include "audio/real/EqualiserModule.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ilmo::audio {
namespace {

constexpr std::string_view kSinkNameArgument = "sink_name=";
constexpr std::string_view kControlArgument = "control=";

// The value of `key` (which ends in '=') among white-space separated arguments.
std::optional<std::string_view> argument_value(std::string_view arguments, std::string_view key) {
    size_t at = 0;
    while ((at = arguments.find(key, at)) != std::string_view::npos) {
        if (at == 0 || arguments[at - 1] == ' ') {
            const size_t start = at + key.size();
            const size_t end = arguments.find(' ', start);
            return arguments.substr(start, end == std::string_view::npos ? end : end - start);
        }
        at += key.size();
    }
    return {};
}

}  // namespace

int limit_eq_gain(int gain_db) {
    return std::clamp(gain_db, kEqGainMin_db, kEqGainMax_db);
}

double plugin_gain(int gain_db) {
    return std::clamp(limit_eq_gain(gain_db) - kEqFlatExcess_db, double{kEqGainMin_db},
                      double{kEqGainMax_db});
}

std::optional<std::string> eq_module_arguments(std::string_view master_sink, const EqGains& gains) {
    const bool unsafe =
        master_sink.empty() || master_sink.find_first_of(" \t\r\n'\"\\") != std::string_view::npos;
    if (unsafe) return {};
    std::string control;
    for (int gain : gains) {
        if (!control.empty()) control += ',';
        char number[32];
        const auto written = std::to_chars(number, number + sizeof number, plugin_gain(gain));
        control.append(number, written.ptr);
    }
    std::string arguments;
    arguments += std::string(kSinkNameArgument) + std::string(kEqSinkName);
    arguments += " sink_master=" + std::string(master_sink);
    arguments += " plugin=caps label=Eq10X2 ";
    arguments += std::string(kControlArgument) + control;
    arguments += " sink_properties='device.description=\"Headset equaliser\"'";
    return arguments;
}

bool is_eq_module(std::string_view module_name, std::string_view arguments) {
    return module_name == kEqModuleName &&
           argument_value(arguments, kSinkNameArgument) == kEqSinkName;
}

std::optional<EqGains> eq_gains_from_arguments(std::string_view arguments) {
    const auto control = argument_value(arguments, kControlArgument);
    if (!control) return {};
    EqGains gains{};
    const char* at = control->data();
    const char* end = at + control->size();
    for (int band = 0; band < kEqBandCount; ++band) {
        if (band > 0) {
            if (at == end || *at != ',') return {};
            ++at;
        }
        double value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || !std::isfinite(value)) return {};
        const double gain =
            std::clamp(value + kEqFlatExcess_db, double{kEqGainMin_db}, double{kEqGainMax_db});
        gains[band] = static_cast<int>(std::lround(gain));
        at = next;
    }
    if (at != end) return {};
    return gains;
}

}  // namespace ilmo::audio
