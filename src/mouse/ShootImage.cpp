#include "mouse/ShootImage.h"

#include "macros/MacroDocument.h"
#include "macros/ShootData.h"
#include "profiles/JsonFile.h"

namespace ilmo::mouse {

std::vector<keyboard::MacroEvents> load_weapons(const std::filesystem::path& profile_folder) {
    // Only the weapon file names are wanted here; no default is restored while downloading.
    const macros::ShootData files(profile_folder, {});
    std::vector<keyboard::MacroEvents> weapons(kWeapons);
    for (int weapon = 0; weapon < kWeapons; ++weapon) {
        // A weapon file is a macro document with integer delays, which the reader takes too;
        // a missing or broken file reads as null and gives no events.
        weapons[static_cast<size_t>(weapon)] =
            macros::decode_macro_document(profiles::read_json_file(files.weapon_file(weapon)))
                .events;
    }
    return weapons;
}

keyboard::MacroImageOutcome build_shoot_image(const std::vector<keyboard::MacroEvents>& weapons,
                                              size_t room_bytes) {
    return keyboard::build_macro_image(weapons, room_bytes);
}

}  // namespace ilmo::mouse
