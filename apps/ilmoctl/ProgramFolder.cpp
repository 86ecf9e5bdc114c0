#include "ProgramFolder.h"

#include <cstdlib>
#include <system_error>

namespace ilmo::ctl {

std::filesystem::path find_program_folder(const std::filesystem::path& tool_folder) {
    if (const char* configured = std::getenv("ILMO_PROGRAM_FOLDER");
        configured != nullptr && *configured != '\0') {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::absolute(configured, error);
        return error ? std::filesystem::path(configured) : folder;
    }
    if (tool_folder.empty()) return {};
    for (const std::filesystem::path& candidate :
         {tool_folder, tool_folder / ".." / "ilmo", tool_folder / ".." / "share" / "ilmo-rq07"}) {
        std::error_code error;
        if (std::filesystem::is_directory(candidate / "DefaultData", error))
            return candidate.lexically_normal();
    }
    return {};
}

std::filesystem::path running_tool_folder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

}  // namespace ilmo::ctl
