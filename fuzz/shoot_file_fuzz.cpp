// Weapon files are imported from anywhere. Reading any bullet of any bytes must not crash,
// and a bullet saved into any document must read back as saved without moving another one.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macros/WeaponDocument.h"
#include "profiles/JsonFile.h"

using namespace ilmo::macros;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Json::Value weapon =
        ilmo::profiles::parse_json(std::string(reinterpret_cast<const char*>(data), size));
    Bullet bullets[kBulletsPerWeapon];
    for (int b = 0; b < kBulletsPerWeapon; ++b) bullets[b] = read_bullet(weapon, b);

    const int chosen = size > 0 ? data[0] % kBulletsPerWeapon : 0;
    const Bullet written{size > 1 && (data[1] & 1), size > 2 ? data[2] : 0,
                         size > 1 && (data[1] & 2), size > 3 ? data[3] : 0,
                         size > 5 ? data[4] << 8 | data[5] : 0};
    const Json::Value saved = with_bullet(weapon, chosen, written);
    for (int b = 0; b < kBulletsPerWeapon; ++b) {
        // Bullets a short array never held read as still ones before and after the fill.
        if (read_bullet(saved, b) != (b == chosen ? written : bullets[b])) std::abort();
    }
    return 0;
}
