#pragma once
// The program folder the tool takes the default data from (DefaultData/), found as the tray
// program finds its own: ILMO_PROGRAM_FOLDER when it is set; otherwise the first of these
// that holds DefaultData: the tool's folder, the tray program's folder of the same build
// tree (../ilmo), the installed share folder (../share/ilmo-rq07). Empty when none does.

#include <filesystem>

namespace ilmo::ctl {

std::filesystem::path find_program_folder(const std::filesystem::path& tool_folder);

// The folder of the running executable; empty when it cannot be told.
std::filesystem::path running_tool_folder();

}  // namespace ilmo::ctl
