#pragma once
// The equaliser as the sound server runs it: a LADSPA filter sink (module-ladspa-sink) with
// the caps package's "Eq10X2", a stereo 10-band equaliser (31 Hz to 16 kHz, one gain in dB
// per band, ports 0-9 in band order), playing into the headset's own sink. Pure: the module's
// arguments, and the gains read back from them.
//
// The plugin's bands are overlapping band-passes whose outputs are summed, so a flat curve
// (every band at 0 dB) plays louder than no filter at all. The plugin is given every band
// lowered by that excess: its output is a linear sum of gain x band-pass, so the whole output
// drops by exactly as much and a flat curve sounds like no filter.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ilmo::audio {

inline constexpr int kEqBandCount = 10;
using EqGains = std::array<int, kEqBandCount>;

inline constexpr std::string_view kEqModuleName = "module-ladspa-sink";
inline constexpr std::string_view kEqSinkName = "ilmo_headset_eq";
// The plugin's own limits for every band, in dB; the user's gains are limited to them too.
inline constexpr int kEqGainMin_db = -48;
inline constexpr int kEqGainMax_db = 24;
// How much louder a flat curve plays than no filter, measured with tones from 31 Hz to 11 kHz
// (3.5 dB for most, 2.7 at 31 Hz and 4.2 around 5 kHz; the 16 kHz band lies near the top of
// the rate and lifts little).
inline constexpr double kEqFlatExcess_db = 3.5;

int limit_eq_gain(int gain_db);
// The plugin's control value for a user's band gain: lowered by the flat excess, within the
// plugin's limits.
double plugin_gain(int gain_db);
// Empty when the master sink's name cannot be passed safely (quotes, white space, nothing).
std::optional<std::string> eq_module_arguments(std::string_view master_sink, const EqGains& gains);
// True for the arguments of a filter this library loaded.
bool is_eq_module(std::string_view module_name, std::string_view arguments);
// The user's gains behind a module's "control=" argument (one that the plugin's lower limit
// cut off comes back a few dB higher); empty when it holds no ten numbers.
std::optional<EqGains> eq_gains_from_arguments(std::string_view arguments);

}  // namespace ilmo::audio
