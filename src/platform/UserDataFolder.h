#pragma once
// Where the user's data lives (profiles, macros, the skin settings): $XDG_DATA_HOME, or
// ~/.local/share when it is not set, plus "ILMO RQ07".

#include <filesystem>

namespace ilmo::platform {

// Created when missing; the path is given either way, and a later write there says whether
// it could be made.
std::filesystem::path user_data_folder();

}  // namespace ilmo::platform
