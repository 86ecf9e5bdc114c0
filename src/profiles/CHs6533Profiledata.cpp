#include "profiles/CHs6533Profiledata.h"

namespace ilmo::profiles {

const HeadsetSettings& CHs6533Profiledata::read_settings() {
    settings_ = decode_headset_settings(section());
    return settings_;
}

void CHs6533Profiledata::write_settings(const HeadsetSettings& settings) {
    settings_ = settings;
    encode_headset_settings(current_section(), settings);
}

std::optional<EqBands> CHs6533Profiledata::read_eq_preset(int preset) {
    return read_eq_curve(current_section(), EqCurves::Presets, preset);
}

bool CHs6533Profiledata::write_eq_preset(int preset, const EqBands& bands) {
    return write_eq_curve(current_section(), EqCurves::Presets, preset, bands);
}

std::optional<EqBands> CHs6533Profiledata::read_custom_eq_preset(int preset) {
    return read_eq_curve(current_section(), EqCurves::Custom, preset);
}

bool CHs6533Profiledata::write_custom_eq_preset(int preset, const EqBands& bands) {
    return write_eq_curve(current_section(), EqCurves::Custom, preset, bands);
}

void CHs6533Profiledata::write_custom_eq_curves(const std::vector<EqBands>& curves) {
    encode_custom_eq_curves(current_section(), curves);
}

std::vector<std::string> CHs6533Profiledata::read_custom_eq_names() const {
    return decode_custom_eq_names(section());
}

void CHs6533Profiledata::write_custom_eq_names(const std::vector<std::string>& names) {
    encode_custom_eq_names(current_section(), names);
}

}  // namespace ilmo::profiles
