// Profile documents come from disk, from imports and from older versions of the program:
// every section reader and writer of the three device kinds must accept any document without
// throwing, and what a writer stores must read back as written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profiles/CorrectInfoSection.h"
#include "profiles/CustomLightSection.h"
#include "profiles/DeviceSection.h"
#include "profiles/DpiStagesSection.h"
#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"
#include "profiles/JsonFile.h"
#include "profiles/KeyListSection.h"
#include "profiles/LightSection.h"
#include "profiles/SystemStagesSection.h"

namespace {

using namespace ilmo::profiles;

void require(bool holds) {
    if (!holds) std::abort();
}

void read_everything(Json::Value& section) {
    (void)decode_light_info(section);
    (void)decode_audio_light_info(section);
    (void)decode_light_list(section);
    (void)decode_key_list(section);
    (void)decode_keyboard_system_stages(section);
    (void)decode_fn_keyset_flag(section);
    (void)decode_custom_group_index(section);
    (void)decode_mouse_system_stages(section);
    (void)decode_dpi_stages(section);
    (void)decode_correct_info(section);
    (void)decode_headset_settings(section);
    (void)decode_custom_eq_names(section);
    for (int p = -1; p <= kEqLastPreset + 1; ++p) {
        (void)read_eq_curve(section, EqCurves::Presets, p);
        (void)read_eq_curve(section, EqCurves::Custom, p);
    }
    (void)read_custom_colors(section, 0, 4);
}

// Writes what was read back into the section and checks that it reads back unchanged.
void write_everything(Json::Value& section) {
    const LightRecord light = decode_light_info(section).value_or(LightRecord{});
    encode_light_info(section, light);
    LightRecord stored = light;
    stored.multicolor = light.multicolor != 0;
    require(decode_light_info(section) == stored);

    const AudioLightRecord audio = decode_audio_light_info(section);
    encode_audio_light_info(section, audio);
    require(decode_audio_light_info(section) == audio);

    const auto keys = decode_key_list(section);
    encode_key_list(section, keys);
    require(decode_key_list(section) == keys);

    const SystemWords keyboard = decode_keyboard_system_stages(section);
    encode_keyboard_system_stages(section, keyboard);
    require(decode_keyboard_system_stages(section) == keyboard);
    encode_fn_keyset_flag(section, true);
    require(decode_fn_keyset_flag(section));

    const SystemWords mouse{0x00010002, 0x00030004, 0x00050006};
    encode_mouse_system_stages(section, mouse);
    require(decode_mouse_system_stages(section) == mouse);

    const DpiStagesSection dpi = decode_dpi_stages(section).value_or(DpiStagesSection{});
    encode_dpi_stage_list(section, dpi.stages);
    encode_active_stage(section, dpi.active_stage);
    require(decode_dpi_stages(section)->stages.size() >= dpi.stages.size());

    const HeadsetSettings headset = decode_headset_settings(section);
    encode_headset_settings(section, headset);
    require(decode_headset_settings(section) == headset);

    const auto names = decode_custom_eq_names(section);
    encode_custom_eq_names(section, names);
    require(decode_custom_eq_names(section) == names);

    const EqBands bands{1, -2, 3, -4, 5, -6, 7, -8, 9, -10};
    require(write_eq_curve(section, EqCurves::Custom, 13, bands));
    require(read_eq_curve(section, EqCurves::Custom, 13) == bands);

    const std::vector<KeyColor> colors(3, KeyColor{1, 2, 3, 4});
    write_custom_colors(section, 1, colors);
    require(read_custom_colors(section, 1, 3) == colors);
    encode_custom_group_index(section, -1);
    require(decode_custom_group_index(section) == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value document = parse_json(std::string(reinterpret_cast<const char*>(data), size));
    Json::Value section = device_section(document, 0);
    // The document itself stands in for a section too, so that top-level garbage reaches
    // every reader even when "Device"[0] is not an object.
    read_everything(document);
    read_everything(section);
    write_everything(document);
    write_everything(section);
    (void)with_device_section(document, 0, section);
    (void)styled_json(section);
    return 0;
}
