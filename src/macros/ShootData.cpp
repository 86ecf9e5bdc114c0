#include "macros/ShootData.h"

#include <string>

#include "profiles/JsonFile.h"

namespace ilmo::macros {

namespace {

std::string weapon_file_name(int weapon) {
    return "ShootData_" + std::to_string(clamp_weapon(weapon)) + ".Shoot";
}

ShootStatus copy_bytes(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (to.empty()) return ShootStatus::NoPath;
    std::string bytes;
    if (!profiles::read_file_bytes(from, bytes)) return ShootStatus::SourceUnreadable;
    return profiles::write_file_atomically(to, bytes) ? ShootStatus::Done
                                                      : ShootStatus::WriteFailed;
}

}  // namespace

ShootData::ShootData(std::filesystem::path profile_folder,
                     std::filesystem::path default_data_folder)
    : profile_folder_(std::move(profile_folder)), default_folder_(std::move(default_data_folder)) {}

std::filesystem::path ShootData::weapon_file(int weapon) const {
    return profile_folder_ / weapon_file_name(weapon);
}

std::filesystem::path ShootData::default_weapon_file(int weapon) const {
    return default_folder_ / weapon_file_name(weapon);
}

std::vector<int> ShootData::initialise() const {
    std::vector<int> unrestored;
    for (int weapon = 0; weapon < kWeaponCount; ++weapon) {
        if (!profiles::read_json_file(weapon_file(weapon)).isNull()) continue;
        if (copy_bytes(default_weapon_file(weapon), weapon_file(weapon)) != ShootStatus::Done)
            unrestored.push_back(weapon);
    }
    return unrestored;
}

int ShootData::select_weapon(int weapon) {
    return weapon_ = clamp_weapon(weapon);
}

Bullet ShootData::select_bullet(int bullet) {
    bullet_ = clamp_bullet(bullet);
    return current_bullet();
}

Bullet ShootData::current_bullet() const {
    return read_bullet(profiles::read_json_file(weapon_file(weapon_)), bullet_ < 0 ? 0 : bullet_);
}

ShootStatus ShootData::save_bullet(const BulletEdits& edits) {
    if (bullet_ < 0) return ShootStatus::NoBullet;
    const auto path = weapon_file(weapon_);
    const Json::Value document =
        with_bullet(profiles::read_json_file(path), bullet_, bullet_from_edits(edits));
    return profiles::write_json_file(path, document) ? ShootStatus::Done : ShootStatus::WriteFailed;
}

ShootStatus ShootData::reset_weapon() {
    return copy_bytes(default_weapon_file(weapon_), weapon_file(weapon_));
}

ShootStatus ShootData::import_weapon(const std::filesystem::path& source) {
    if (source.empty()) return ShootStatus::NoPath;
    return copy_bytes(source, weapon_file(weapon_));
}

ShootStatus ShootData::export_weapon(const std::filesystem::path& destination) const {
    return copy_bytes(weapon_file(weapon_), destination);
}

}  // namespace ilmo::macros
