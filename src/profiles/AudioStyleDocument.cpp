#include "profiles/AudioStyleDocument.h"

#include "profiles/JsonFile.h"
#include "profiles/SectionFields.h"

namespace ilmo::profiles {

Json::Value merge_audio_documents(const Json::Value& default_document,
                                  const Json::Value& user_document) {
    Json::Value merged = user_document.isObject() ? user_document : Json::Value(Json::objectValue);
    if (member(merged, "Device").isNull() && !member(default_document, "Device").isNull())
        merged["Device"] = member(default_document, "Device");

    AudioStyleRecord record = default_audio_style();
    merge_audio_style(member(default_document, "AudioLightInfo"), record);
    merge_audio_style(member(user_document, "AudioLightInfo"), record);
    merged["AudioLightInfo"] = encode_audio_style(record);
    return merged;
}

AudioStyleDocument::AudioStyleDocument(const std::filesystem::path& default_data_folder,
                                       const std::filesystem::path& user_data_folder)
    : default_path_(default_data_folder / kFileName), user_path_(user_data_folder / kFileName) {}

bool AudioStyleDocument::load() {
    // The user file is written back below: one that does not read is kept aside first.
    document_ =
        merge_audio_documents(read_json_file(default_path_), read_json_file_to_rewrite(user_path_));
    record_ = default_audio_style();
    merge_audio_style(member(document_, "AudioLightInfo"), record_);
    return save();
}

bool AudioStyleDocument::store(const AudioStyleRecord& record) {
    record_ = default_audio_style();
    merge_audio_style(encode_audio_style(record), record_);
    document_["AudioLightInfo"] = encode_audio_style(record_);
    return save();
}

bool AudioStyleDocument::save() {
    std::error_code ignored;
    std::filesystem::create_directories(user_path_.parent_path(), ignored);
    return write_json_file(user_path_, document_);
}

}  // namespace ilmo::profiles
