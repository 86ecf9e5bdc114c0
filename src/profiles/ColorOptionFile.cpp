#include "profiles/ColorOptionFile.h"

#include "profiles/JsonFile.h"

namespace ilmo::profiles {

ColorOptionFile::ColorOptionFile(const std::filesystem::path& user_data_folder)
    : path_(user_data_folder / kFileName) {}

bool ColorOptionFile::load() {
    document_ = read_json_file(path_);
    if (!document_.isObject()) document_ = Json::Value();
    std::error_code ignored;
    unreadable_ = document_.isNull() && std::filesystem::exists(path_, ignored);
    options_ = default_color_options();
    merge_color_options(document_, options_);
    return !document_.isNull();
}

bool ColorOptionFile::save() {
    // What the user had is kept beside the new file rather than written over.
    if (unreadable_ && !set_aside_unreadable(path_)) return false;
    unreadable_ = false;
    encode_color_options(document_, options_);
    // The user data folder may not exist yet on a first run; a failure shows in the write.
    std::error_code ignored;
    std::filesystem::create_directories(path_.parent_path(), ignored);
    return write_json_file(path_, document_);
}

}  // namespace ilmo::profiles
