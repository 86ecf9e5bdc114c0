#pragma once
// The equaliser as the sound server runs it: a LADSPA filter sink (module-ladspa-sink) with
// the caps package's "Eq10X2", a stereo 10-band equaliser (31 Hz to 16 kHz, one gain in dB
// per band, ports 0-9 in band order), playing into the headset's own sink. Pure: the module's
// arguments, and the gains read back from them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ilmo::audio {

inline constexpr int kEqBandCount = 10;
using EqGains = std::array<int, kEqBandCount>;

inline constexpr std::string_view kEqModuleName = "module-ladspa-sink";
inline constexpr std::string_view kEqSinkName = "ilmo_headset_eq";
// The plugin's own limits for every band, in dB.
inline constexpr int kEqGainMin_db = -48;
inline constexpr int kEqGainMax_db = 24;

int limit_eq_gain(int gain_db);
// Empty when the master sink's name cannot be passed safely (quotes, white space, nothing).
std::optional<std::string> eq_module_arguments(std::string_view master_sink, const EqGains& gains);
// True for the arguments of a filter this library loaded.
bool is_eq_module(std::string_view module_name, std::string_view arguments);
// The gains in a module's "control=" argument; empty when it holds no ten integers.
std::optional<EqGains> eq_gains_from_arguments(std::string_view arguments);

}  // namespace ilmo::audio
