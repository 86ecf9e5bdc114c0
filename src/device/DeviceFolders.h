#pragma once
// Where a controller finds its default data and keeps its profiles.

#include <filesystem>
#include <string_view>

namespace ilmo::device {

struct DeviceFolders {
    std::filesystem::path program_folder;    // holds skin/ and DefaultData/
    std::filesystem::path user_data_folder;  // the user's data folder + "ILMO RQ07"

    std::filesystem::path default_data_folder() const { return program_folder / "DefaultData"; }
    // DefaultData/<device folder>.Json
    std::filesystem::path default_profile_file(std::string_view device_folder) const;
    // <user data>/<device folder>/, created when missing; empty when it cannot be created.
    std::filesystem::path profile_folder(std::string_view device_folder) const;
};

}  // namespace ilmo::device
