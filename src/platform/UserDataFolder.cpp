#include "platform/UserDataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace ilmo::platform {

namespace {

constexpr const char* kFolderName = "ILMO RQ07";

std::filesystem::path home_folder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return "/";
}

}  // namespace

std::filesystem::path user_data_folder() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    // The XDG rules ignore a relative setting, which would depend on the working folder.
    const std::filesystem::path base =
        data_home != nullptr && std::filesystem::path(data_home).is_absolute()
            ? std::filesystem::path(data_home)
            : home_folder() / ".local" / "share";
    const std::filesystem::path folder = base / kFolderName;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace ilmo::platform
