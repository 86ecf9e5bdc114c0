#pragma once
// The mouse plays recoil patterns from its shoot memory: the four weapon files
// "ShootData_0.Shoot" .. "ShootData_3.Shoot" of the profile folder packed into one container
// of the macro image's layout (entry i from file i), sent with 0x17 in 56-byte chunks.

#include <cstddef>
#include <filesystem>
#include <vector>

#include "keyboard/MacroImage.h"

namespace ilmo::mouse {

inline constexpr int kWeapons = 4;
// The room the mouse has for the shoot container.
inline constexpr size_t kShootMemoryBytes = 8 * 1024;

// The events of each weapon file, in weapon order; a missing or broken file gives a weapon
// of no events, which keeps the places of the others.
std::vector<keyboard::MacroEvents> load_weapons(const std::filesystem::path& profile_folder);

// The container, refused whole (excess > 0, image empty) when it does not fit the room.
keyboard::MacroImageOutcome build_shoot_image(const std::vector<keyboard::MacroEvents>& weapons,
                                              size_t room_bytes = kShootMemoryBytes);

}  // namespace ilmo::mouse
