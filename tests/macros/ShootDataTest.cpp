#include <gtest/gtest.h>

#include "FolderFixture.h"
#include "macros/ShootData.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

class ShootDataFiles : public testing::FolderFixture {
protected:
    ShootDataFiles() {
        for (int n = 0; n < kWeaponCount; ++n) {
            const Json::Value weapon =
                with_bullet(with_bullet({}, 29, {}), 0, {true, n, false, 2, 30});
            default_bytes[n] = profiles::styled_json(weapon) + "// weapon " + std::to_string(n);
            write(shoot.default_weapon_file(n), default_bytes[n]);
        }
    }

    ShootData shoot{profile_folder(), default_folder()};
    std::string default_bytes[kWeaponCount];
};

TEST_F(ShootDataFiles, MissingEmptyOrBrokenWeaponFilesAreRestoredFromTheDefaults) {
    write(shoot.weapon_file(1), "");
    write(shoot.weapon_file(2), "{\"Events\": [");
    write(shoot.weapon_file(3), "{\"mine\": 1}");
    EXPECT_TRUE(shoot.initialise().empty());
    EXPECT_EQ(read(shoot.weapon_file(0)), default_bytes[0]);
    EXPECT_EQ(read(shoot.weapon_file(1)), default_bytes[1]);
    EXPECT_EQ(read(shoot.weapon_file(2)), default_bytes[2]);
    EXPECT_EQ(read(shoot.weapon_file(3)), "{\"mine\": 1}");

    // Deleted later: the next start brings it back; a weapon without a default is reported.
    std::filesystem::remove(shoot.weapon_file(2));
    std::filesystem::remove(shoot.weapon_file(3));
    std::filesystem::remove(shoot.default_weapon_file(3));
    EXPECT_EQ(ShootData(profile_folder(), default_folder()).initialise(), std::vector<int>{3});
    EXPECT_EQ(read(shoot.weapon_file(2)), default_bytes[2]);
}

TEST_F(ShootDataFiles, ChoicesClampAndSaveWritesOnlyTheChosenBullet) {
    shoot.initialise();
    EXPECT_EQ(shoot.save_bullet({true, "3", false, "7", "90"}), ShootStatus::NoBullet);
    EXPECT_EQ(shoot.select_weapon(7), 3);
    shoot.select_bullet(30);
    EXPECT_EQ(shoot.bullet(), 29);
    shoot.select_bullet(0);
    shoot.previous_bullet();
    EXPECT_EQ(shoot.bullet(), 0);

    shoot.select_weapon(1);
    EXPECT_EQ(shoot.select_bullet(2), Bullet{});
    EXPECT_EQ(shoot.save_bullet({true, "3", false, "7", "90"}), ShootStatus::Done);
    EXPECT_EQ(shoot.current_bullet(), (Bullet{true, 3, false, 7, 90}));
    EXPECT_EQ(shoot.select_bullet(0), (Bullet{true, 1, false, 2, 30}));
    EXPECT_EQ(read(shoot.weapon_file(0)), default_bytes[0]);
}

TEST_F(ShootDataFiles, ResetImportAndExportCopyBytes) {
    shoot.initialise();
    shoot.select_weapon(2);
    shoot.select_bullet(0);
    shoot.save_bullet({false, "9", false, "9", "9"});
    EXPECT_EQ(shoot.reset_weapon(), ShootStatus::Done);
    EXPECT_EQ(read(shoot.weapon_file(2)), default_bytes[2]);
    write(outside("mine.shoot"), "not checked");
    EXPECT_EQ(shoot.import_weapon(outside("mine.shoot")), ShootStatus::Done);
    EXPECT_EQ(shoot.export_weapon(outside("copy.shoot")), ShootStatus::Done);
    EXPECT_EQ(read(outside("copy.shoot")), "not checked");

    const auto before = snapshot();
    EXPECT_EQ(shoot.import_weapon(""), ShootStatus::NoPath);
    EXPECT_EQ(shoot.import_weapon(outside("none.shoot")), ShootStatus::SourceUnreadable);
    EXPECT_EQ(shoot.export_weapon(outside("no") / "x.shoot"), ShootStatus::WriteFailed);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ShootDataFiles, UnwritableWeaponFileIsReported) {
    std::filesystem::remove_all(profile_folder());
    shoot.select_bullet(0);
    EXPECT_EQ(shoot.save_bullet({true, "1", true, "1", "1"}), ShootStatus::WriteFailed);
    EXPECT_EQ(shoot.reset_weapon(), ShootStatus::WriteFailed);
}

}  // namespace
}  // namespace ilmo::macros
