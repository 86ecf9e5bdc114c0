#include "device/DeviceFolders.h"

#include <string>
#include <system_error>

namespace ilmo::device {

std::filesystem::path DeviceFolders::default_profile_file(std::string_view device_folder) const {
    return default_data_folder() / (std::string(device_folder) + ".Json");
}

std::filesystem::path DeviceFolders::profile_folder(std::string_view device_folder) const {
    const std::filesystem::path folder = user_data_folder / std::string(device_folder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return {};
    return folder;
}

}  // namespace ilmo::device
