#include "profiles/EqualizerSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

const char* key_of(EqCurves curves) {
    return curves == EqCurves::Presets ? "EQHzValueInfo" : "CustomEQHzValueInfo";
}

bool is_preset(EqCurves curves, int preset) {
    const int last = curves == EqCurves::Presets ? kEqLastPreset : kEqLastCustomCurve;
    return preset >= 0 && preset <= last;
}

}  // namespace

std::optional<EqBands> read_eq_curve(Json::Value& section, EqCurves curves, int preset) {
    if (!is_preset(curves, preset)) return std::nullopt;
    EqBands bands{};
    Json::Value& curve = array_element(array_member(section, key_of(curves)), preset);
    for (int b = 0; b < kEqBandCount; ++b) {
        const Json::Value& band = element(curve, b);
        if (band.isObject())
            bands[b] = int32_of(member(band, "value"));
        else
            object_element(curve, b)["value"] = 0;
    }
    return bands;
}

bool write_eq_curve(Json::Value& section, EqCurves curves, int preset, const EqBands& bands) {
    if (!is_preset(curves, preset)) return false;
    Json::Value& curve = array_element(array_member(section, key_of(curves)), preset);
    for (int b = 0; b < kEqBandCount; ++b) object_element(curve, b)["value"] = bands[b];
    return true;
}

void encode_custom_eq_curves(Json::Value& section, const std::vector<EqBands>& curves) {
    set_member(section, key_of(EqCurves::Custom), Json::Value(Json::arrayValue));
    for (size_t p = 0; p < curves.size() && p <= static_cast<size_t>(kEqLastCustomCurve); ++p)
        write_eq_curve(section, EqCurves::Custom, static_cast<int>(p), curves[p]);
}

std::vector<std::string> decode_custom_eq_names(const Json::Value& section) {
    const Json::Value& list = member(section, "CustomEQNameInfo");
    std::vector<std::string> names(array_size(list));
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = string_of(member(element(list, i), "Name"));
    return names;
}

void encode_custom_eq_names(Json::Value& section, const std::vector<std::string>& names) {
    Json::Value list(Json::arrayValue);
    for (const std::string& name : names) {
        Json::Value entry(Json::objectValue);
        entry["Name"] = name;
        list.append(entry);
    }
    set_member(section, "CustomEQNameInfo", list);
}

}  // namespace ilmo::profiles
