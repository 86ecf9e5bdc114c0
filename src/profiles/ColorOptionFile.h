#pragma once
// The colour option file on disk: read once when the colour dialog opens, rewritten whole
// each time the dialog saves its presets or collected swatches.

#include <json/value.h>

#include <filesystem>

#include "profiles/ColorOptions.h"

namespace ilmo::profiles {

class ColorOptionFile {
public:
    static constexpr const char* kFileName = "color_option_info.config";

    // `user_data_folder`: the folder that holds the file.
    explicit ColorOptionFile(const std::filesystem::path& user_data_folder);

    // Starts from the defaults and takes what the file holds; a missing or unreadable file
    // leaves the defaults (every collected swatch empty). False when the file gave nothing.
    // Loading never writes: an unreadable file stays as it is until the next save.
    bool load();
    const ColorOptions& options() const { return options_; }
    void set_options(const ColorOptions& options) { options_ = options; }
    // Writes the whole document, keeping keys of the file this program does not know. A file
    // the last load could not read is first moved aside to "<name>.unreadable"; when that
    // fails nothing is written and the result is false.
    bool save();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    Json::Value document_;
    ColorOptions options_ = default_color_options();
    bool unreadable_ = false;  // the file is there but held no document
};

}  // namespace ilmo::profiles
