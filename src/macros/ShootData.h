#pragma once
// The recoil patterns of a mouse: four weapon files "ShootData_<n>.Shoot" in the profile
// folder, each restored from the program's default data when it is missing. The shoot panel
// drives this model; it keeps the chosen weapon and bullet, and every edit goes straight to
// the weapon file.

#include <filesystem>
#include <vector>

#include "macros/WeaponDocument.h"

namespace ilmo::macros {

enum class ShootStatus {
    Done,
    NoBullet,          // save needs a chosen bullet
    NoPath,            // an empty path from the file dialog
    SourceUnreadable,  // the file to copy cannot be read
    WriteFailed,
};

class ShootData {
public:
    // `default_data_folder` is the program folder's "DefaultData".
    ShootData(std::filesystem::path profile_folder, std::filesystem::path default_data_folder);

    std::filesystem::path weapon_file(int weapon) const;
    std::filesystem::path default_weapon_file(int weapon) const;

    // Copies the default over every weapon file that is missing, empty or not JSON. Returns
    // the weapons that needed it and could not get it.
    std::vector<int> initialise() const;

    int weapon() const { return weapon_; }
    int bullet() const { return bullet_; }  // -1 until one is chosen
    int select_weapon(int weapon);          // clamped to 0..3; returns the weapon chosen
    Bullet select_bullet(int bullet);       // clamped to 0..29; returns its values
    Bullet previous_bullet() { return select_bullet(bullet_ - 1); }
    Bullet next_bullet() { return select_bullet(bullet_ + 1); }
    // The chosen bullet as the current weapon file holds it (bullet 0 when none is chosen).
    Bullet current_bullet() const;

    // Writes the chosen bullet into the current weapon file.
    ShootStatus save_bullet(const BulletEdits& edits);
    ShootStatus reset_weapon();
    // Byte copies, neither read nor checked; import replaces the current weapon file.
    ShootStatus import_weapon(const std::filesystem::path& source);
    ShootStatus export_weapon(const std::filesystem::path& destination) const;

private:
    std::filesystem::path profile_folder_;
    std::filesystem::path default_folder_;
    int weapon_ = 0;
    int bullet_ = -1;
};

}  // namespace ilmo::macros
