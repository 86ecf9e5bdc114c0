#include "profiles/CBasicProfiledata.h"

#include "profiles/DeviceSection.h"
#include "profiles/JsonFile.h"

namespace ilmo::profiles {

bool CBasicProfiledata::save() {
    return store_section(document_path_, section_);
}

bool CBasicProfiledata::store_section(const Path& path, const Json::Value& section) {
    if (path.empty()) return false;
    return write_document(
        path, with_device_section(read_json_file_to_rewrite(path, trace_, &set_aside_),
                                          device_index_, section));
}

bool CBasicProfiledata::save_second_section(const Path& path) {
    return store_section(path, second_section_);
}

bool CBasicProfiledata::write_document(const Path& path, const Json::Value& document) {
    return write_json_file(path, document);
}

void CBasicProfiledata::set_document_path(const Path& path) {
    if (!path.empty()) document_path_ = path;
}

void CBasicProfiledata::set_default_document_path(const Path& path) {
    if (!path.empty()) default_document_path_ = path;
}

bool CBasicProfiledata::load_section() {
    section_ = device_section(read_json_file(document_path_, trace_), device_index_);
    if (!section_.isNull()) return true;
    section_ = device_section(read_json_file(default_document_path_, trace_), device_index_);
    // Without a default document the profile keeps only its identity keys.
    if (section_.isNull()) return true;
    return save();
}

void CBasicProfiledata::load_second_section(const Path& path) {
    second_section_ = device_section(read_json_file(path, trace_), device_index_);
}

const LightRecord& CBasicProfiledata::read_light_info() {
    light_record_ = decode_light_info(section_).value_or(fallback_light_record_);
    return light_record_;
}

void CBasicProfiledata::write_light_info(const LightRecord& record) {
    light_record_ = record;
    encode_light_info(section_, record);
}

const AudioLightRecord& CBasicProfiledata::read_audio_light() {
    audio_light_record_ = decode_audio_light_info(section_);
    return audio_light_record_;
}

void CBasicProfiledata::write_audio_light(const AudioLightRecord& record) {
    audio_light_record_ = record;
    encode_audio_light_info(section_, record);
}

const std::vector<LightRecord>& CBasicProfiledata::read_light_list() {
    light_list_ = decode_light_list(section_);
    return light_list_;
}

const std::vector<KeyEntry>& CBasicProfiledata::read_key_list() {
    key_list_ = decode_key_list(section_);
    return key_list_;
}

const std::vector<KeyEntry>& CBasicProfiledata::read_second_key_list() {
    second_key_list_ = decode_key_list(second_section_);
    return second_key_list_;
}

void CBasicProfiledata::write_key_list(const std::vector<KeyEntry>& entries) {
    key_list_ = entries;
    encode_key_list(section_, entries);
}

void CBasicProfiledata::write_second_key_list(const std::vector<KeyEntry>& entries) {
    second_key_list_ = entries;
    encode_key_list(second_section_, entries);
}

bool CBasicProfiledata::load_light_config(const Path& path) {
    light_config_path_ = path;
    light_config_ = read_json_file(path, trace_);
    return !light_config_.isNull();
}

const std::vector<EffectStep>& CBasicProfiledata::read_user_effect(int select_item,
                                                                   size_t builtin_mode_count,
                                                                   size_t table) {
    user_effect_.clear();
    if (select_item < 0 || static_cast<size_t>(select_item) < builtin_mode_count)
        return user_effect_;
    const auto identifier = user_effect_identifier(
        light_config_, table, static_cast<size_t>(select_item) - builtin_mode_count);
    if (!identifier) return user_effect_;
    // Opened from the folder of the list that names it, never relative to the working
    // folder, which is wherever the program happened to be started.
    const Path effect_file = light_config_path_.parent_path() / (*identifier + ".light");
    user_effect_ = decode_effect_steps(read_json_file(effect_file, trace_));
    return user_effect_;
}

}  // namespace ilmo::profiles
